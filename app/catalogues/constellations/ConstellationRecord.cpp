#include "ConstellationRecord.h"

#include "GroupListExports.h"

#include <array>
#include <cstring>

namespace velarion::catalogues {

namespace r = constellation_record;

void WriteConstellationRecord(const TConstellationRecord& record, velplatform::TBytes buffer) {
  if (buffer.size() < r::kSize) return;
  std::memset(buffer.data(), 0, r::kSize);
  velplatform::PutText(buffer, r::kForm1, r::kForm1Width, record.form1);
  velplatform::PutText(buffer, r::kForm2, r::kForm2Width, record.form2);
  velplatform::PutText(buffer, r::kAbbreviation, r::kAbbreviationWidth, record.abbreviation);
}

TConstellationRecord ReadConstellationRecord(velplatform::TConstBytes buffer) {
  return {velplatform::GetText(buffer, r::kForm1, r::kForm1Width),
          velplatform::GetText(buffer, r::kForm2, r::kForm2Width),
          velplatform::GetText(buffer, r::kAbbreviation, r::kAbbreviationWidth)};
}

std::optional<TConstellationRecord> FindConstellation(int32_t number) {
  std::array<std::byte, r::kSize> buffer{};
  if (GetAnotherGroupObject(kConstellationNamesCode, number, buffer.data(),
                            static_cast<int32_t>(buffer.size())) !=
      static_cast<int32_t>(r::kSize)) {
    return std::nullopt;
  }
  return ReadConstellationRecord(buffer);
}

}  // namespace velarion::catalogues

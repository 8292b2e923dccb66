#include "DeepSkyFile.h"

#include <cmath>

#include "ByteFields.h"
#include "TextLines.h"

namespace velarion::catalogues {
namespace {

constexpr std::size_t kMessier = 0;
constexpr std::size_t kNgc = 2;
constexpr std::size_t kName = 4;  // length byte, then the text
constexpr std::size_t kNameSize = 20;
constexpr std::size_t kRa = 25;
constexpr std::size_t kDec = 31;
constexpr std::size_t kPositionSize = 5;
constexpr std::size_t kType = 37;
constexpr std::size_t kReserved = 38;
constexpr std::size_t kMagnitude = 39;
constexpr std::size_t kSize = 41;
static_assert(kSize + 2 == TDeepSkyFile::kRecordSize);

struct TTextField {
  std::size_t at;
  std::size_t size;
  const char* what;
};
constexpr TTextField kTextFields[] = {
    {kName, kNameSize, "name"}, {kRa, kPositionSize, "RA"}, {kDec, kPositionSize, "Dec"}};

std::string ReadPrefixed(std::span<const std::byte> record, std::size_t at) {
  return velplatform::GetRawText(record, at + 1, velplatform::GetField<uint8_t>(record, at));
}

double DegreesOrZero(const std::string& text) { return ParseDecimal(text).value_or(0.0); }

}  // namespace

double TDeepSkyRecord::RaDeg() const {
  const double ra = std::fmod(DegreesOrZero(raText), 360.0);
  return ra < 0.0 ? ra + 360.0 : ra;
}

double TDeepSkyRecord::DecDeg() const { return DegreesOrZero(decText); }

std::optional<TReadError> TDeepSkyFormat::Refusal(std::span<const std::byte> record,
                                                  std::size_t index) {
  for (const TTextField& field : kTextFields) {
    if (velplatform::GetField<uint8_t>(record, field.at) > field.size) {
      return TReadError{"DEEPSKY.DAT record " + std::to_string(index + 1) + ": " + field.what +
                        " longer than its field"};
    }
  }
  return std::nullopt;
}

TDeepSkyRecord TDeepSkyFormat::Decode(std::span<const std::byte> r) {
  return TDeepSkyRecord{velplatform::GetField<int16_t>(r, kMessier),
                        velplatform::GetField<int16_t>(r, kNgc),
                        ReadPrefixed(r, kName),
                        ReadPrefixed(r, kRa),
                        ReadPrefixed(r, kDec),
                        velplatform::GetField<uint8_t>(r, kType),
                        velplatform::GetField<uint8_t>(r, kReserved),
                        velplatform::GetField<int16_t>(r, kMagnitude),
                        velplatform::GetField<int16_t>(r, kSize)};
}

}  // namespace velarion::catalogues

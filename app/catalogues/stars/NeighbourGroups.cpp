#include "NeighbourGroups.h"

#include "BoundaryRecords.h"
#include "ByteFields.h"
#include "GroupListExports.h"

#include <algorithm>
#include <array>

namespace velarion::catalogues {
namespace {

// Layout of the constellation record of "CNAME".
constexpr std::size_t kConstellationRecordSize = 45;
constexpr std::size_t kNameOffset = 0, kNameWidth = 20;
constexpr std::size_t kCodeOffset = 40, kCodeWidth = 5;
constexpr std::size_t kAbbreviationLength = 3;

// Layout of the proper-name record of "SNAME": the number, then the name and its zero.
constexpr std::size_t kNumberOffset = 0, kProperNameOffset = 4, kProperNameLength = 128;
constexpr std::size_t kProperNameRecordSize = kProperNameOffset + kProperNameLength + 1;

}  // namespace

int32_t GroupObjectCount(std::string_view code) {
  std::array<std::byte, kit::group_info::kSize> info{};
  const std::string zeroEnded(code);
  if (!GetAnotherGroupInfo(zeroEnded.c_str(), info.data())) return 0;
  return std::max(kit::ReadGroupInfo(info).objectCount, 0);
}

std::optional<TConstellationName> ConstellationName(int32_t number) {
  std::array<std::byte, kConstellationRecordSize> record{};
  const std::string code(kConstellationGroup);
  if (GetAnotherGroupObject(code.c_str(), number, record.data(),
                            static_cast<int32_t>(record.size())) <= 0) {
    return std::nullopt;
  }
  TConstellationName result;
  result.name = velplatform::GetText(record, kNameOffset, kNameWidth);
  result.code = velplatform::GetText(record, kCodeOffset, kCodeWidth);
  result.abbreviation = result.code.substr(0, kAbbreviationLength);
  return result;
}

std::optional<TProperName> ProperNameAt(int32_t object) {
  std::array<std::byte, kProperNameRecordSize> record{};
  const std::string code(kStarNameGroup);
  if (GetAnotherGroupObject(code.c_str(), object, record.data(),
                            static_cast<int32_t>(record.size())) <= 0) {
    return std::nullopt;
  }
  return TProperName{velplatform::GetField<int32_t>(record, kNumberOffset),
                     velplatform::GetText(record, kProperNameOffset, kProperNameLength)};
}

std::optional<std::string> FindProperName(int32_t hr) {
  const int32_t count = GroupObjectCount(kStarNameGroup);
  for (int32_t object = 1; object <= count; ++object) {
    std::optional<TProperName> entry = ProperNameAt(object);
    if (!entry) continue;
    if (entry->hr == hr) return std::move(entry->name);
    if (entry->hr > hr) break;
  }
  return std::nullopt;
}

}  // namespace velarion::catalogues

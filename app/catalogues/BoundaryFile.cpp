#include "BoundaryFile.h"

#include "ByteFields.h"

namespace velarion::catalogues {
namespace {

constexpr std::size_t kRa1 = 0;
constexpr std::size_t kDec1 = 2;
constexpr std::size_t kRa2 = 4;
constexpr std::size_t kDec2 = 6;
constexpr std::size_t kFirst = 8;
constexpr std::size_t kSecond = 9;
static_assert(kSecond + 1 == TBoundaryFile::kRecordSize);

}  // namespace

TBoundarySegment TBoundaryFormat::Decode(std::span<const std::byte> r) {
  return TBoundarySegment{
      velplatform::GetField<int16_t>(r, kRa1),   velplatform::GetField<int16_t>(r, kDec1),
      velplatform::GetField<int16_t>(r, kRa2),   velplatform::GetField<int16_t>(r, kDec2),
      velplatform::GetField<uint8_t>(r, kFirst), velplatform::GetField<uint8_t>(r, kSecond)};
}

}  // namespace velarion::catalogues

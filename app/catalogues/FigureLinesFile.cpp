#include "FigureLinesFile.h"

#include "ByteFields.h"

namespace velarion::catalogues {
namespace {

constexpr std::size_t kRa1 = 0;
constexpr std::size_t kDec1 = 4;
constexpr std::size_t kRa2 = 8;
constexpr std::size_t kDec2 = 12;
constexpr std::size_t kPmRa1 = 16;
constexpr std::size_t kPmDec1 = 18;
constexpr std::size_t kPmRa2 = 20;
constexpr std::size_t kPmDec2 = 22;
constexpr std::size_t kConstellation = 24;
static_assert(kConstellation + 1 == TFigureLinesFile::kRecordSize);

}  // namespace

TFigureLine TFigureLinesFormat::Decode(std::span<const std::byte> r) {
  return TFigureLine{
      velplatform::GetField<int32_t>(r, kRa1),          velplatform::GetField<int32_t>(r, kDec1),
      velplatform::GetField<int32_t>(r, kRa2),          velplatform::GetField<int32_t>(r, kDec2),
      velplatform::GetField<int16_t>(r, kPmRa1),        velplatform::GetField<int16_t>(r, kPmDec1),
      velplatform::GetField<int16_t>(r, kPmRa2),        velplatform::GetField<int16_t>(r, kPmDec2),
      velplatform::GetField<uint8_t>(r, kConstellation)};
}

}  // namespace velarion::catalogues

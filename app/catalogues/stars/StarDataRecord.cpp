#include "StarDataRecord.h"

#include "ByteFields.h"

#include <algorithm>
#include <cstring>

namespace velarion::catalogues {
namespace {

using velplatform::PutField;

void PutChar(std::span<std::byte> record, std::size_t at, char c) {
  PutField<uint8_t>(record, at, static_cast<uint8_t>(c));
}

// Fixed-width text kept byte for byte, padded with spaces if the reader gave fewer bytes.
void PutRaw(std::span<std::byte> record, std::size_t at, std::size_t width,
            const std::string& text) {
  std::memset(record.data() + at, ' ', width);
  std::memcpy(record.data() + at, text.data(), std::min(width, text.size()));
}

void PutRemainingFields(const TStarRecord& star, std::span<std::byte> record) {
  namespace f = star_data;
  PutField<int16_t>(record, f::kColourIndex, star.colourIndexCenti);
  PutField<uint8_t>(record, f::kConstellation, star.constellation);
  PutField<uint8_t>(record, f::kFlamsteed, star.flamsteed);
  PutChar(record, f::kBayerLetter, star.bayerLetter);
  PutChar(record, f::kBayerIndex, star.bayerIndex);
  PutRaw(record, f::kDesignation, f::kDesignationWidth, star.designation);
  PutChar(record, f::kMagnitudeRemark, star.magnitudeRemark);
  PutRaw(record, f::kSpectralClass, f::kSpectralClassWidth, star.spectralClass);
  PutField<int16_t>(record, f::kParallax, star.parallaxMas);
  PutChar(record, f::kColourIndexRemark, star.colourIndexRemark);
  PutField<uint8_t>(record, f::kDouble, star.isDouble ? 1 : 0);
  PutField<uint8_t>(record, f::kSpectroscopicBinary, star.isSpectroscopicBinary ? 1 : 0);
}

}  // namespace

int32_t WriteStarData(const TStarRecord& star, std::span<std::byte> buffer) {
  namespace f = star_data;
  if (buffer.size() < f::kSize) return 0;
  const std::span<std::byte> record = buffer.first(f::kSize);
  PutField<uint16_t>(record, f::kHr, star.hr);
  PutField<int32_t>(record, f::kRa, star.raArcsec);
  PutField<int32_t>(record, f::kDec, star.decArcsec);
  PutField<int16_t>(record, f::kPmRa, star.pmRaMasPerYear);
  PutField<int16_t>(record, f::kPmDec, star.pmDecMasPerYear);
  PutField<int16_t>(record, f::kMagnitude, star.magnitudeCenti);
  if (record[f::kFullRequest] != std::byte{0}) PutRemainingFields(star, record);
  return static_cast<int32_t>(f::kSize);
}

}  // namespace velarion::catalogues

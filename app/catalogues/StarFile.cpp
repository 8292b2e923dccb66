#include "StarFile.h"

#include "ByteFields.h"

namespace velarion::catalogues {
namespace {

// Offsets in a record.
constexpr std::size_t kHr = 0;
constexpr std::size_t kRa = 2;
constexpr std::size_t kDec = 6;
constexpr std::size_t kPmRa = 10;
constexpr std::size_t kPmDec = 12;
constexpr std::size_t kMagnitude = 14;
constexpr std::size_t kColourIndex = 16;
constexpr std::size_t kConstellation = 18;
constexpr std::size_t kFlamsteed = 19;
constexpr std::size_t kBayerLetter = 20;
constexpr std::size_t kBayerIndex = 21;
constexpr std::size_t kDesignation = 22;
constexpr std::size_t kDesignationSize = 9;
constexpr std::size_t kMagnitudeRemark = 31;
constexpr std::size_t kSpectralClass = 32;
constexpr std::size_t kSpectralClassSize = 18;
constexpr std::size_t kParallax = 50;
constexpr std::size_t kColourIndexRemark = 52;
constexpr std::size_t kDouble = 53;
constexpr std::size_t kSpectroscopicBinary = 54;
static_assert(kSpectroscopicBinary + 1 == TStarFile::kRecordSize);

char ReadChar(std::span<const std::byte> record, std::size_t at) {
  return static_cast<char>(velplatform::GetField<uint8_t>(record, at));
}

}  // namespace

TStarRecord TStarFormat::Decode(std::span<const std::byte> r) {
  TStarRecord star;
  star.hr = velplatform::GetField<uint16_t>(r, kHr);
  star.raArcsec = velplatform::GetField<int32_t>(r, kRa);
  star.decArcsec = velplatform::GetField<int32_t>(r, kDec);
  star.pmRaMasPerYear = velplatform::GetField<int16_t>(r, kPmRa);
  star.pmDecMasPerYear = velplatform::GetField<int16_t>(r, kPmDec);
  star.magnitudeCenti = velplatform::GetField<int16_t>(r, kMagnitude);
  star.colourIndexCenti = velplatform::GetField<int16_t>(r, kColourIndex);
  star.constellation = velplatform::GetField<uint8_t>(r, kConstellation);
  star.flamsteed = velplatform::GetField<uint8_t>(r, kFlamsteed);
  star.bayerLetter = ReadChar(r, kBayerLetter);
  star.bayerIndex = ReadChar(r, kBayerIndex);
  star.designation = velplatform::GetRawText(r, kDesignation, kDesignationSize);
  star.magnitudeRemark = ReadChar(r, kMagnitudeRemark);
  star.spectralClass = velplatform::GetRawText(r, kSpectralClass, kSpectralClassSize);
  star.parallaxMas = velplatform::GetField<int16_t>(r, kParallax);
  star.colourIndexRemark = ReadChar(r, kColourIndexRemark);
  star.isDouble = velplatform::GetField<uint8_t>(r, kDouble) != 0;
  star.isSpectroscopicBinary = velplatform::GetField<uint8_t>(r, kSpectroscopicBinary) != 0;
  return star;
}

}  // namespace velarion::catalogues

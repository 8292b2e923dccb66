#include "StarFile.h"

#include "FileBytes.h"
#include "LittleEndian.h"

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
  return static_cast<char>(ReadU8(record, at));
}

} // namespace

TReadResult<TStarFile> TStarFile::FromBytes(std::span<const std::byte> bytes) {
  return TStarFile(std::vector<std::byte>(bytes.begin(), bytes.end()));
}

TReadResult<TStarFile> TStarFile::FromPath(const std::filesystem::path& path) {
  TReadResult<std::vector<std::byte>> bytes = ReadFileBytes(path);
  if (!bytes) {
    return TReadError{bytes.Error()};
  }
  return TStarFile(std::move(bytes).Value());
}

std::optional<TStarRecord> TStarFile::Record(std::size_t index) const {
  const std::optional<std::span<const std::byte>> bytes = file_.RecordBytes(index);
  if (!bytes) {
    return std::nullopt;
  }
  const std::span<const std::byte> r = *bytes;
  TStarRecord star;
  star.hr = ReadU16(r, kHr);
  star.raArcsec = ReadI32(r, kRa);
  star.decArcsec = ReadI32(r, kDec);
  star.pmRaMasPerYear = ReadI16(r, kPmRa);
  star.pmDecMasPerYear = ReadI16(r, kPmDec);
  star.magnitudeCenti = ReadI16(r, kMagnitude);
  star.colourIndexCenti = ReadI16(r, kColourIndex);
  star.constellation = ReadU8(r, kConstellation);
  star.flamsteed = ReadU8(r, kFlamsteed);
  star.bayerLetter = ReadChar(r, kBayerLetter);
  star.bayerIndex = ReadChar(r, kBayerIndex);
  star.designation = ReadText(r, kDesignation, kDesignationSize);
  star.magnitudeRemark = ReadChar(r, kMagnitudeRemark);
  star.spectralClass = ReadText(r, kSpectralClass, kSpectralClassSize);
  star.parallaxMas = ReadI16(r, kParallax);
  star.colourIndexRemark = ReadChar(r, kColourIndexRemark);
  star.isDouble = ReadU8(r, kDouble) != 0;
  star.isSpectroscopicBinary = ReadU8(r, kSpectroscopicBinary) != 0;
  return star;
}

} // namespace velarion::catalogues

#include "ConstellationNamesFile.h"

#include <array>

#include "FileBytes.h"
#include "TextLines.h"

namespace velarion::catalogues {
namespace {

// Field positions in a line.
constexpr std::size_t kRussian = 0;
constexpr std::size_t kRussianGenitive = 1;
constexpr std::size_t kLatin = 2;
constexpr std::size_t kLatinGenitive = 3;
constexpr std::size_t kAbbreviation = 4;
constexpr std::size_t kLabelRa = 5;
constexpr std::size_t kLabelDec = 6;
constexpr std::size_t kFieldCount = 7;

std::optional<std::array<std::string_view, kFieldCount>> SplitFields(std::string_view line) {
  std::array<std::string_view, kFieldCount> fields;
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    const std::size_t comma = line.find(',');
    if ((comma == std::string_view::npos) != (i + 1 == kFieldCount)) {
      return std::nullopt;
    }
    fields[i] = line.substr(0, comma);
    line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
  }
  return fields;
}

std::optional<TConstellationNames> ParseLine(std::string_view line) {
  const auto fields = SplitFields(line);
  if (!fields) {
    return std::nullopt;
  }
  const std::optional<int64_t> ra = ParseInteger((*fields)[kLabelRa]);
  const std::optional<int64_t> dec = ParseInteger((*fields)[kLabelDec]);
  if (!ra || !dec) {
    return std::nullopt;
  }
  const auto& f = *fields;
  return TConstellationNames{std::string(f[kRussian]),
                             std::string(f[kRussianGenitive]),
                             std::string(f[kLatin]),
                             std::string(f[kLatinGenitive]),
                             std::string(f[kAbbreviation]),
                             *ra,
                             *dec};
}

}  // namespace

TReadResult<TConstellationNamesFile> TConstellationNamesFile::FromBytes(
    std::span<const std::byte> bytes) {
  TConstellationNamesFile file;
  const std::vector<std::string_view> lines = SplitLines(AsText(bytes));
  for (std::size_t i = 0; i < lines.size() && i < kObjectCount; ++i) {
    std::optional<TConstellationNames> names = ParseLine(lines[i]);
    if (!names) {
      return MalformedLine("CONSTELL.DAT", i + 1);
    }
    file.records_.push_back(std::move(*names));
  }
  return file;
}

TReadResult<TConstellationNamesFile> TConstellationNamesFile::FromPath(
    const std::filesystem::path& path) {
  return ReadWholeFile<TConstellationNamesFile>(path);
}

std::optional<TConstellationNames> TConstellationNamesFile::Record(std::size_t index) const {
  if (index >= records_.size()) {
    return std::nullopt;
  }
  return records_[index];
}

}  // namespace velarion::catalogues

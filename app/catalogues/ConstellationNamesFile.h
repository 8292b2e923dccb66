// "CONSTELL.DAT", the constellation names: one text line per constellation object, seven
// fields separated by commas (Russian name, Russian genitive, Latin name, Latin genitive,
// abbreviation, label RA and Dec J2000 in arc-minutes).
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONNAMESFILE_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONNAMESFILE_H

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ReadResult.h"

namespace velarion::catalogues {

// Texts are code page 1251 bytes as they stand in the file.
struct TConstellationNames {
  std::string russian;
  std::string russianGenitive;
  std::string latin;
  std::string latinGenitive;
  std::string abbreviation;  // "Ser1" and "Ser2" for the two parts of Serpens
  long labelRaArcmin = 0;
  long labelDecArcmin = 0;
};

class TConstellationNamesFile {
 public:
  // Lines after this many are not read.
  static constexpr std::size_t kObjectCount = 89;

  // A line (of the first 89) without exactly seven fields, or with a label position that
  // is not an integer, makes the file malformed.
  static TReadResult<TConstellationNamesFile> FromBytes(std::span<const std::byte> bytes);
  static TReadResult<TConstellationNamesFile> FromPath(const std::filesystem::path& path);

  // Lines read; the objects after them have empty texts.
  [[nodiscard]] std::size_t Count() const { return records_.size(); }
  [[nodiscard]] std::optional<TConstellationNames> Record(std::size_t index) const;

 private:
  std::vector<TConstellationNames> records_;
};

}  // namespace velarion::catalogues

#endif

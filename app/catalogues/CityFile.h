// "city.dat", the city list of the place dialog: one text line per city in fixed columns
// (1-based): 1-33 name padded with blanks, 34 blank, 35-43 east longitude, 44-52
// latitude, 53-58 time zone in hours east of Greenwich; numbers right-aligned. The
// program reads it and writes it back when the list was changed.
#ifndef VELARION_APP_CATALOGUES_CITYFILE_H
#define VELARION_APP_CATALOGUES_CITYFILE_H

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ReadResult.h"

namespace velarion::catalogues {

struct TCityRecord {
  std::string name;           // code page 1251, without the padding
  double longitudeDeg = 0.0;  // east positive
  double latitudeDeg = 0.0;   // north positive
  double timeZoneHours = 0.0; // east of Greenwich positive
};

class TCityFile {
public:
  static constexpr std::size_t kNameBytes = 33;

  // Blank lines are not cities. A line too short for its columns, or whose longitude,
  // latitude or time zone is not a number, makes the file malformed.
  static TReadResult<TCityFile> FromBytes(std::span<const std::byte> bytes);
  static TReadResult<TCityFile> FromPath(const std::filesystem::path& path);

  [[nodiscard]] std::size_t Count() const { return cities_.size(); }
  [[nodiscard]] std::optional<TCityRecord> Record(std::size_t index) const;
  [[nodiscard]] const std::vector<TCityRecord>& Cities() const { return cities_; }

  // The file text for cities: a name longer than its column is cut at 33 bytes so that
  // the columns after it stay in place; longitude and latitude with 4 decimals, the time
  // zone with 1; lines end in CR LF.
  static std::string Format(std::span<const TCityRecord> cities);

  // Writes Format(cities) to path; false when the file cannot be written.
  static bool Write(const std::filesystem::path& path, std::span<const TCityRecord> cities);

private:
  std::vector<TCityRecord> cities_;
};

} // namespace velarion::catalogues

#endif

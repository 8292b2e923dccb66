// "city.dat", the city list of the place dialog: one text line per city in fixed columns
// (1-based): 1-33 name padded with blanks, 34 blank, 35-43 east longitude, 44-52
// latitude, 53-58 time zone in hours east of Greenwich (two decimals, so that +5:45 is
// kept; older files with one decimal read alike); numbers right-aligned. The program
// reads it and writes it back when the list was changed.
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
  std::string name;            // code page 1251, without the padding
  double longitudeDeg = 0.0;   // east positive
  double latitudeDeg = 0.0;    // north positive
  double timeZoneHours = 0.0;  // east of Greenwich positive
};

class TCityFile {
 public:
  static constexpr std::size_t kNameBytes = 33;
  static constexpr double kMinTimeZoneHours = -12.0;
  static constexpr double kMaxTimeZoneHours = 14.0;

  // Blank lines are not cities. A line too short for its columns, or whose longitude,
  // latitude or time zone is not a number or out of its range (longitude -180 .. 180,
  // latitude -90 .. 90, zone -12 .. +14), makes the file malformed.
  static TReadResult<TCityFile> FromBytes(std::span<const std::byte> bytes);
  static TReadResult<TCityFile> FromPath(const std::filesystem::path& path);

  // The user's list as the place dialog reads it: every line that is a city, the others
  // (blank, short, damaged by hand) skipped and counted, so that one bad line neither
  // loses the list nor becomes a city at 0, 0.
  struct TTolerantRead;
  static TTolerantRead FromBytesSkippingBadLines(std::span<const std::byte> bytes);

  [[nodiscard]] std::size_t Count() const { return cities_.size(); }
  [[nodiscard]] std::optional<TCityRecord> Record(std::size_t index) const;
  [[nodiscard]] const std::vector<TCityRecord>& Cities() const { return cities_; }

  // The file text for cities: a name longer than its column is cut at 33 bytes so that
  // the columns after it stay in place, control characters in it become blanks (a line
  // break would split the record); longitude and latitude with 4 decimals, the time zone
  // with 2; lines end in CR LF.
  static std::string Format(std::span<const TCityRecord> cities);

  // Writes Format(cities) to path through a temporary file renamed into place; false, and
  // the old file left as it was, when the file cannot be written.
  static bool Write(const std::filesystem::path& path, std::span<const TCityRecord> cities);

 private:
  std::vector<TCityRecord> cities_;
};

struct TCityFile::TTolerantRead {
  TCityFile file;
  std::size_t skippedLines = 0;  // lines with text that were no city
};

}  // namespace velarion::catalogues

#endif

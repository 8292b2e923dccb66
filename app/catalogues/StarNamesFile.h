// "STARNAME.DAT", the proper names of the bright stars: one text line per name, the star's
// catalogue number (HR) and then the name, in increasing catalogue number.
#ifndef VELARION_APP_CATALOGUES_STARNAMESFILE_H
#define VELARION_APP_CATALOGUES_STARNAMESFILE_H

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ReadResult.h"

namespace velarion::catalogues {

struct TStarName {
  int32_t hr = 0;
  std::string name;  // code page 1251; may end with a remark in square brackets
};

class TStarNamesFile {
 public:
  // Blank lines are skipped. A line that does not begin with a number followed by a name,
  // or a number smaller than the one before, makes the file malformed.
  static TReadResult<TStarNamesFile> FromBytes(std::span<const std::byte> bytes);
  static TReadResult<TStarNamesFile> FromPath(const std::filesystem::path& path);

  [[nodiscard]] std::size_t Count() const { return names_.size(); }
  [[nodiscard]] std::optional<TStarName> Record(std::size_t index) const;

  // The first name of star hr; none when it has no name.
  [[nodiscard]] std::optional<std::string> Find(int32_t hr) const;

 private:
  std::vector<TStarName> names_;
};

}  // namespace velarion::catalogues

#endif

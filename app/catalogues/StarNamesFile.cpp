#include "StarNamesFile.h"

#include <algorithm>

#include "FileBytes.h"
#include "TextLines.h"

namespace velarion::catalogues {
namespace {

std::optional<TStarName> ParseLine(std::string_view line) {
  line = TrimBlanks(line);
  const std::size_t digits = line.find_first_not_of("0123456789");
  if (digits == 0 || digits == std::string_view::npos || line[digits] != ' ') {
    return std::nullopt;
  }
  const std::optional<int64_t> hr = ParseInteger(line.substr(0, digits));
  const std::string_view name = TrimBlanks(line.substr(digits));
  if (!hr || *hr > INT32_MAX) {
    return std::nullopt;
  }
  return TStarName{static_cast<int32_t>(*hr), std::string(name)};
}

}  // namespace

TReadResult<TStarNamesFile> TStarNamesFile::FromBytes(std::span<const std::byte> bytes) {
  TStarNamesFile file;
  for (const TNumberedLine& line : NonBlankLines(AsText(bytes))) {
    std::optional<TStarName> name = ParseLine(line.text);
    if (!name || (!file.names_.empty() && name->hr < file.names_.back().hr)) {
      return MalformedLine("STARNAME.DAT", line.number);
    }
    file.names_.push_back(std::move(*name));
  }
  return file;
}

TReadResult<TStarNamesFile> TStarNamesFile::FromPath(const std::filesystem::path& path) {
  return ReadWholeFile<TStarNamesFile>(path);
}

std::optional<TStarName> TStarNamesFile::Record(std::size_t index) const {
  if (index >= names_.size()) {
    return std::nullopt;
  }
  return names_[index];
}

std::optional<std::string> TStarNamesFile::Find(int32_t hr) const {
  const auto found = std::lower_bound(names_.begin(), names_.end(), hr,
                                      [](const TStarName& n, int32_t key) { return n.hr < key; });
  if (found == names_.end() || found->hr != hr) {
    return std::nullopt;
  }
  return found->name;
}

}  // namespace velarion::catalogues

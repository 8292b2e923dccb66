// Lines and numbers of the text catalogue files: lines end in LF or CR LF, numbers are
// written with "." whatever the locale.
#ifndef VELARION_APP_CATALOGUES_TEXTLINES_H
#define VELARION_APP_CATALOGUES_TEXTLINES_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ReadResult.h"

namespace velarion::catalogues {

// The text of bytes (code page 1251, kept as bytes in the chars).
std::string_view AsText(std::span<const std::byte> bytes);

// The lines of text without their ends; a final line end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text);

// text without leading and trailing blanks (spaces: a tab is no padding in these files).
std::string_view TrimBlanks(std::string_view text);

// A line of a file with its number, from 1.
struct TNumberedLine {
  std::size_t number = 0;
  std::string_view text;
};

// The lines of text that hold more than blanks.
std::vector<TNumberedLine> NonBlankLines(std::string_view text);

// The error of a file whose line `number` cannot be read.
TReadError MalformedLine(std::string_view fileName, std::size_t number);

// The whole of text (blanks around it allowed) as a decimal number; none otherwise.
std::optional<double> ParseDecimal(std::string_view text);
std::optional<int64_t> ParseInteger(std::string_view text);

}  // namespace velarion::catalogues

#endif

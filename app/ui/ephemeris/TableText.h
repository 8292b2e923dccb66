// The text of a table laid out in columns: the framed block of header lines, the units
// line, and rows whose cells stand side by side, each cell line padded to its column's
// width and closed by "|".
#ifndef VELARION_APP_UI_EPHEMERIS_TABLETEXT_H
#define VELARION_APP_UI_EPHEMERIS_TABLETEXT_H

#include "EphemerisColumns.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::ephemeris {

// Every column's header lines centred in its width, as many lines as the tallest block
// (at least 3), framed above and below by hyphens.
std::vector<std::string> HeaderBlock(std::span<const TColumnLayout> columns);

std::string UnitsLine(std::span<const TColumnLayout> columns);

// One row: `cells` (one per column) wrapped to their widths and set side by side; a cell
// shorter than the row's tallest is filled with blank lines.
std::vector<std::string> RowLines(std::span<const TColumnLayout> columns,
                                  std::span<const std::string> cells);

// A text broken into lines of at most `width`: at the last blank within the width, else at
// the width.
std::vector<std::string> WrapCell(std::string_view text, int32_t width);

// Blanks in front until the text is longer than `length`.
std::string PadFront(std::string text, int32_t length);

// Every run of digits that does not follow a "." zero-padded to 2 digits: "5 3 0.5" is
// "05 03 00.5".
std::string TwoDigitRuns(std::string_view text);

}  // namespace velarion::ephemeris

#endif

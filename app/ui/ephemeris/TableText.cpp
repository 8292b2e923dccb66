#include "TableText.h"

#include <algorithm>
#include <cctype>

namespace velarion::ephemeris {

namespace {

constexpr std::size_t kLeastHeaderLines = 3;

std::size_t Width(const TColumnLayout& column) {
  return static_cast<std::size_t>(std::max(column.width, 0));
}

std::string PadBack(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string Centred(const std::string& line, std::size_t width) {
  const std::size_t lead = line.size() < width ? (width - line.size()) / 2 : 0;
  return PadBack(std::string(lead, ' ') + line, width);
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

std::vector<std::string> HeaderBlock(std::span<const TColumnLayout> columns) {
  std::size_t height = kLeastHeaderLines;
  for (const TColumnLayout& column : columns) height = std::max(height, column.header.size());
  std::vector<std::string> lines(height + 2);
  for (const TColumnLayout& column : columns) {
    const std::size_t width = Width(column);
    lines.front() += std::string(width + 1, '-');
    for (std::size_t i = 0; i < height; ++i) {
      const std::string text = i < column.header.size() ? column.header[i] : "";
      lines[i + 1] += Centred(text, width) + "|";
    }
    lines.back() += std::string(width, '-') + "|";
  }
  return lines;
}

std::string UnitsLine(std::span<const TColumnLayout> columns) {
  std::string line;
  for (const TColumnLayout& column : columns) line += PadBack(column.units, Width(column)) + "|";
  return line;
}

std::vector<std::string> RowLines(std::span<const TColumnLayout> columns,
                                  std::span<const std::string> cells) {
  std::vector<std::vector<std::string>> wrapped;
  std::size_t height = 1;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    wrapped.push_back(WrapCell(k < cells.size() ? cells[k] : "", columns[k].width));
    height = std::max(height, wrapped.back().size());
  }
  std::vector<std::string> lines(height);
  for (std::size_t k = 0; k < columns.size(); ++k) {
    for (std::size_t i = 0; i < height; ++i) {
      const std::string text = i < wrapped[k].size() ? wrapped[k][i] : "";
      lines[i] += PadBack(text, Width(columns[k])) + "|";
    }
  }
  return lines;
}

std::vector<std::string> WrapCell(std::string_view text, int32_t width) {
  const std::size_t limit = static_cast<std::size_t>(std::max(width, 1));
  std::vector<std::string> lines;
  // Each pass takes at least one character, so the loop ends within text.size() passes.
  while (text.size() > limit) {
    const std::size_t blank = text.substr(0, limit + 1).rfind(' ');
    const std::size_t cut = (blank == std::string_view::npos || blank == 0) ? limit : blank;
    lines.emplace_back(text.substr(0, cut));
    text.remove_prefix(cut);
    if (!text.empty() && text.front() == ' ' && cut == blank) text.remove_prefix(1);
  }
  lines.emplace_back(text);
  return lines;
}

std::string PadFront(std::string text, int32_t length) {
  const auto wanted = static_cast<std::size_t>(std::max(length, -1) + 1);
  if (text.size() < wanted) text.insert(0, wanted - text.size(), ' ');
  return text;
}

std::string TwoDigitRuns(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    if (!IsDigit(text[i])) {
      result += text[i++];
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    const bool fraction = start > 0 && text[start - 1] == '.';
    if (!fraction && i - start < 2) result += '0';
    result.append(text.substr(start, i - start));
  }
  return result;
}

}  // namespace velarion::ephemeris

#include "TextLines.h"

#include "Numbers.h"

#include <string>

namespace velarion::catalogues {

std::string_view AsText(std::span<const std::byte> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.push_back(line);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<TNumberedLine> NonBlankLines(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  std::vector<TNumberedLine> kept;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!TrimBlanks(lines[i]).empty()) kept.push_back({i + 1, lines[i]});
  }
  return kept;
}

TReadError MalformedLine(std::string_view fileName, std::size_t number) {
  return TReadError{std::string(fileName) + " line " + std::to_string(number) + " is malformed"};
}

std::optional<double> ParseDecimal(std::string_view text) {
  return velplatform::ParseUnpaddedDouble(TrimBlanks(text));
}

std::optional<int64_t> ParseInteger(std::string_view text) {
  return velplatform::ParseUnpaddedInteger(TrimBlanks(text));
}

}  // namespace velarion::catalogues

#include "TextLines.h"

#include "Numbers.h"

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

std::optional<double> ParseDecimal(std::string_view text) {
  return velplatform::ParseUnpaddedDouble(TrimBlanks(text));
}

std::optional<int64_t> ParseInteger(std::string_view text) {
  return velplatform::ParseUnpaddedInteger(TrimBlanks(text));
}

}  // namespace velarion::catalogues

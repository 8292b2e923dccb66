#include "TextLines.h"

#include <charconv>
#include <cmath>

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

namespace {

template <class T>
std::optional<T> ParseWhole(std::string_view text) {
  text = TrimBlanks(text);
  // from_chars takes no leading "+"; the files write none, but a hand-edited one may.
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
    text.remove_prefix(1);
  }
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  const std::optional<double> value = ParseWhole<double>(text);
  if (value && !std::isfinite(*value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<long> ParseInteger(std::string_view text) { return ParseWhole<long>(text); }

}  // namespace velarion::catalogues

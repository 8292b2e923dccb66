#include "CityMerge.h"

#include "CityFile.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

namespace velarion::install {

namespace {

// A city file holds a few thousand lines; more is no city list.
constexpr std::size_t kMaxLines = 200000;

struct TLine {
  std::string text;  // with its line end
  std::string name;  // empty: no city
};

std::string CityName(std::string_view line) {
  const auto bytes = std::as_bytes(std::span(line.data(), line.size()));
  const auto read = catalogues::TCityFile::FromBytesSkippingBadLines(bytes);
  return read.file.Count() == 1 ? read.file.Cities().front().name : std::string();
}

std::vector<TLine> SplitLines(std::string_view text) {
  std::vector<TLine> lines;
  while (!text.empty() && lines.size() < kMaxLines) {
    std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) {
      end = text.size();
    } else if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') {
      end += 2;
    } else {
      end += 1;
    }
    const std::string_view line = text.substr(0, end);
    lines.push_back({std::string(line), CityName(line)});
    text.remove_prefix(end);
  }
  return lines;
}

std::string_view LineEnd(std::string_view line) {
  const std::size_t end = line.find_first_of("\r\n");
  return end == std::string_view::npos ? std::string_view() : line.substr(end);
}

// The user's own line ending, so that an inserted line looks like its neighbours.
std::string LineEndOf(const std::vector<TLine>& lines) {
  for (const TLine& line : lines) {
    if (const std::string_view end = LineEnd(line.text); !end.empty()) return std::string(end);
  }
  return "\r\n";
}

std::string WithoutLineEnd(std::string_view line) {
  return std::string(line.substr(0, line.find_first_of("\r\n")));
}

bool Names(const std::vector<TLine>& lines, const std::string& name) {
  return std::any_of(lines.begin(), lines.end(),
                     [&](const TLine& line) { return line.name == name; });
}

// Where a new city goes: after the last city named before it.
std::size_t InsertionPoint(const std::vector<TLine>& lines, const std::string& name) {
  std::optional<std::size_t> lastBefore;
  std::optional<std::size_t> firstCity;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].name.empty()) continue;
    if (!firstCity) firstCity = i;
    if (lines[i].name < name) lastBefore = i;
  }
  if (lastBefore) return *lastBefore + 1;
  return firstCity.value_or(lines.size());
}

}  // namespace

TCityMerge MergeCities(std::string_view userList, std::string_view shippedList) {
  std::vector<TLine> lines = SplitLines(userList);
  const std::string lineEnd = LineEndOf(lines);
  TCityMerge merge;
  for (const TLine& shipped : SplitLines(shippedList)) {
    if (shipped.name.empty() || Names(lines, shipped.name)) continue;
    const std::size_t at = InsertionPoint(lines, shipped.name);
    if (at > 0 && LineEnd(lines[at - 1].text).empty()) lines[at - 1].text += lineEnd;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                 TLine{WithoutLineEnd(shipped.text) + lineEnd, shipped.name});
    ++merge.inserted;
  }
  for (const TLine& line : lines) merge.text += line.text;
  return merge;
}

}  // namespace velarion::install

#include "IniDocument.h"

#include "Blanks.h"
#include "Concat.h"
#include "Cp1251.h"

namespace velplatform {

namespace {

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

}  // namespace

TIniDocument::TLine TIniDocument::Classify(std::string text, std::string lineEnd) {
  TLine line{std::move(text), std::move(lineEnd), TKind::kOther, {}};
  const std::string_view t = TrimBlanks(line.text);
  if (t.empty() || t.front() == ';') {
    return line;
  }
  if (t.front() == '[') {
    const auto close = t.find(']');
    if (close != std::string_view::npos) {
      line.kind = TKind::kSection;
      line.name = TrimBlanks(t.substr(1, close - 1));
    }
    return line;
  }
  const auto equals = t.find('=');
  if (equals != std::string_view::npos) {
    line.kind = TKind::kKey;
    line.name = TrimBlanks(t.substr(0, equals));
  }
  return line;
}

TIniDocument TIniDocument::Parse(std::string_view bytes) {
  TIniDocument doc;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    std::size_t next = end;
    if (next < bytes.size()) {
      next += (bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n') ? 2 : 1;
    }
    doc.lines_.push_back(Classify(std::string(bytes.substr(start, end - start)),
                                  std::string(bytes.substr(end, next - end))));
    start = next;
  }
  return doc;
}

std::string TIniDocument::Serialize() const {
  std::string out;
  for (const TLine& line : lines_) {
    out += line.text;
    out += line.lineEnd;
  }
  return out;
}

std::string TIniDocument::NewLineEnd() const {
  for (const TLine& line : lines_) {
    if (!line.lineEnd.empty()) return line.lineEnd;
  }
  return "\r\n";
}

std::optional<std::size_t> TIniDocument::FindSection(std::string_view section) const {
  const std::string_view wanted = TrimBlanks(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == TKind::kSection && EqualsIgnoringCase(lines_[i].name, wanted)) {
      return i;
    }
  }
  return std::nullopt;
}

std::size_t TIniDocument::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && lines_[i].kind != TKind::kSection) ++i;
  return i;
}

std::optional<std::size_t> TIniDocument::FindKey(std::size_t header, std::string_view key) const {
  const std::string_view wanted = TrimBlanks(key);
  for (std::size_t i = header + 1; i < SectionEnd(header); ++i) {
    if (lines_[i].kind == TKind::kKey && EqualsIgnoringCase(lines_[i].name, wanted)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> TIniDocument::Get(std::string_view section, std::string_view key) const {
  const auto header = FindSection(section);
  if (!header) return std::nullopt;
  const auto index = FindKey(*header, key);
  if (!index) return std::nullopt;
  const std::string& text = lines_[*index].text;
  return std::string(Unquoted(TrimBlanks(std::string_view(text).substr(text.find('=') + 1))));
}

std::vector<std::string> TIniDocument::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  const auto header = FindSection(section);
  if (!header) return keys;
  for (std::size_t i = *header + 1; i < SectionEnd(*header); ++i) {
    if (lines_[i].kind == TKind::kKey) keys.push_back(lines_[i].name);
  }
  return keys;
}

bool TIniDocument::HasSection(std::string_view section) const {
  return FindSection(section).has_value();
}

void TIniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
  const std::string keyText(TrimBlanks(key));
  auto header = FindSection(section);
  if (!header) {
    // A last line without a line end gets one before the new section follows it.
    if (!lines_.empty() && lines_.back().lineEnd.empty()) lines_.back().lineEnd = NewLineEnd();
    lines_.push_back(Classify(Concat({"[", TrimBlanks(section), "]"}), NewLineEnd()));
    header = lines_.size() - 1;
  }
  if (const auto index = FindKey(*header, keyText)) {
    TLine& line = lines_[*index];
    line = Classify(Concat({line.name, "=", value}), line.lineEnd);
    return;
  }
  // After the section's last key, so that blank lines and comments closing the section
  // stay where they were.
  std::size_t insertAt = *header + 1;
  for (std::size_t i = *header + 1; i < SectionEnd(*header); ++i) {
    if (lines_[i].kind == TKind::kKey) insertAt = i + 1;
  }
  if (insertAt == lines_.size() && !lines_.empty() && lines_.back().lineEnd.empty()) {
    lines_.back().lineEnd = NewLineEnd();
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                Classify(Concat({keyText, "=", value}), NewLineEnd()));
}

void TIniDocument::RemoveKey(std::string_view section, std::string_view key) {
  const auto header = FindSection(section);
  if (!header) return;
  if (const auto index = FindKey(*header, key)) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
  }
}

void TIniDocument::RemoveSection(std::string_view section) {
  const auto header = FindSection(section);
  if (!header) return;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
               lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*header)));
}

}  // namespace velplatform

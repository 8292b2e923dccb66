#include "Inform.h"

#include "Concat.h"
#include "MarkupText.h"

namespace velarion::solar {

namespace {

constexpr std::string_view kTitlePrefix = "\xBB";  // "»" in CP1251
constexpr int32_t kButtonGap = 2;

// The blocks of one object: its lines with a title, an empty line per extra command and,
// to close it, as many empty lines as keep the last button clear of the next block.
void AddObjectBlock(const sky::TSelectedObject& object, TInfoContent& content) {
  const std::vector<std::string> lines = object.group->GetObjectStrings(object.index).Entries();
  if (lines.empty() || (lines.size() == 1 && lines.front().empty())) return;
  const int32_t h = content.lineHeight;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (k == 0) {
      content.titleTops.push_back(InfoLineTop(static_cast<int32_t>(content.lines.size()), h));
      content.lines.push_back(velplatform::Concat({kTitleMark, lines[k]}));
    } else {
      content.lines.push_back(lines[k]);
    }
  }
  int32_t buttonsBottom = 0;
  if (object.group->HasInfoItems) {
    const std::vector<std::string> captions = object.group->GetInfoItems().Entries();
    const int32_t top = InfoLineTop(static_cast<int32_t>(content.lines.size()), h) - 1;
    for (std::size_t j = 0; j < captions.size(); ++j) {
      const int32_t buttonTop = top + static_cast<int32_t>(j) * (InfoButtonHeight(h) + kButtonGap);
      content.commands.push_back(
          {object.group, object.index, static_cast<int32_t>(j) + 1, captions[j], buttonTop});
      content.lines.emplace_back();
      buttonsBottom = buttonTop + InfoButtonHeight(h);
    }
  }
  // Buttons stand taller than lines: many of them would overrun the next block.
  while (InfoLineTop(static_cast<int32_t>(content.lines.size()) + 1, h) < buttonsBottom) {
    content.lines.emplace_back();
  }
  content.lines.emplace_back();
}

}  // namespace

int32_t InfoLineTop(int32_t index, int32_t lineHeight) { return index * lineHeight * 7 / 6; }

int32_t InfoButtonHeight(int32_t lineHeight) { return lineHeight * 4 / 3; }

int32_t InfoScrollRange(const TInfoContent& content) {
  return InfoLineTop(static_cast<int32_t>(content.lines.size()), content.lineHeight) + 1;
}

TInfoContent BuildInfoContent(std::span<const sky::TSelectedObject> selection, int32_t lineHeight) {
  TInfoContent content;
  content.lineHeight = lineHeight;
  for (auto object = selection.rbegin(); object != selection.rend(); ++object) {
    if (object->group != nullptr) AddObjectBlock(*object, content);
  }
  return content;
}

bool IsTitleLine(std::string_view line) { return line.starts_with(kTitleMark); }

std::string_view TitleText(std::string_view line) {
  return IsTitleLine(line) ? line.substr(kTitleMark.size()) : line;
}

std::vector<std::string> InfoPlainLines(std::span<const std::string> lines) {
  std::vector<std::string> plain;
  plain.reserve(lines.size());
  for (const std::string& line : lines) {
    plain.push_back(IsTitleLine(line)
                        ? velplatform::Concat({kTitlePrefix, sky::PlainText(TitleText(line))})
                        : sky::PlainText(line));
  }
  return plain;
}

std::string InfoClipboardText(std::span<const std::string> lines) {
  const std::vector<std::string> plain = InfoPlainLines(lines);
  std::string text;
  for (std::size_t i = 0; i < plain.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += plain[i];
  }
  return text;
}

}  // namespace velarion::solar

#include "VelarionConsole.h"

#include "Cp1251.h"
#include "TextLines.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <fstream>
#include <iterator>

namespace velarion::ui {

namespace {

QString ToQt(std::string_view cp1251) {
  return QString::fromStdU16String(velplatform::Cp1251ToUtf16(cp1251));
}

std::string FromQt(const QString& text) {
  return velplatform::Utf16ToCp1251(text.toStdU16String());
}

}  // namespace

TVelarionConsole::TVelarionConsole(QPlainTextEdit& text, QWidget& pane,
                                   std::function<void()> requestShow)
    : text_(text), pane_(pane), requestShow_(std::move(requestShow)) {}

int32_t TVelarionConsole::ControlLineCount() const {
  // An empty control has one empty block but no line.
  return text_.document()->isEmpty() ? 0 : text_.document()->blockCount();
}

int32_t TVelarionConsole::LineCount() const {
  return ControlLineCount() + (buffer_ ? static_cast<int32_t>(buffer_->size()) : 0);
}

void TVelarionConsole::AppendToControl(std::span<const std::string> lines) {
  if (lines.empty()) return;
  QStringList text;
  for (const std::string& line : lines) text.append(ToQt(line));
  QTextCursor cursor(text_.document());
  cursor.movePosition(QTextCursor::End);
  if (ControlLineCount() > 0) cursor.insertBlock();
  cursor.insertText(text.join(QChar::ParagraphSeparator));
}

void TVelarionConsole::AppendToControlLine(int32_t line, const std::string& text) {
  QTextCursor cursor(text_.document()->findBlockByNumber(line));
  cursor.movePosition(QTextCursor::EndOfBlock);
  cursor.insertText(ToQt(text));
}

void TVelarionConsole::AddLines(std::span<const std::string> lines, int32_t start) {
  if (AutoShowConsole && !showRequested_ && pane_.isHidden() && requestShow_) {
    showRequested_ = true;
    requestShow_();
  }
  if (start < 0) {
    if (buffer_) {
      buffer_->insert(buffer_->end(), lines.begin(), lines.end());
    } else {
      AppendToControl(lines);
    }
    return;
  }
  std::vector<std::string> newLines;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int32_t target = start + static_cast<int32_t>(i);
    const int32_t inControl = ControlLineCount();
    if (target < inControl) {
      AppendToControlLine(target, lines[i]);
    } else if (buffer_) {
      const auto buffered = static_cast<std::size_t>(target - inControl);
      if (buffered < buffer_->size()) {
        (*buffer_)[buffered] += lines[i];
      } else {
        buffer_->push_back(lines[i]);
      }
    } else {
      newLines.push_back(lines[i]);
    }
  }
  AppendToControl(newLines);
}

void TVelarionConsole::BeginUpdate() {
  if (!buffer_) buffer_.emplace();
}

void TVelarionConsole::EndUpdate() {
  if (!buffer_) return;
  const std::vector<std::string> lines = std::move(*buffer_);
  buffer_.reset();
  AppendToControl(lines);
}

std::vector<std::string> TVelarionConsole::Lines() const {
  std::vector<std::string> lines;
  for (QTextBlock block = text_.document()->begin(); ControlLineCount() > 0 && block.isValid();
       block = block.next()) {
    lines.push_back(FromQt(block.text()));
  }
  if (buffer_) lines.insert(lines.end(), buffer_->begin(), buffer_->end());
  return lines;
}

void TVelarionConsole::ClearConsole(velplatform::TWindowHandle owner) {
  const velplatform::TMessageBoxRequest question{
      velplatform::Cp1251("Удалить содержимое консоли?"), velplatform::Cp1251("Предупреждение"),
      velplatform::TMessageButtons::kYesNo, velplatform::TMessageIcon::kQuestion};
  if (velplatform::ShowMessageBox(owner, question) != velplatform::TMessageAnswer::kYes) return;
  if (buffer_) buffer_->clear();
  text_.clear();
}

bool TVelarionConsole::SaveToFile(const std::string& fileName) {
  EndUpdate();
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  for (const std::string& line : Lines()) file << line << '\n';
  return static_cast<bool>(file);
}

void TVelarionConsole::AddText(std::string_view text) {
  const std::vector<std::string_view> split = catalogues::SplitLines(text);
  AddLines(std::vector<std::string>(split.begin(), split.end()));
}

void TVelarionConsole::LoadFromFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return;
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  BeginUpdate();
  AddText(text);
  EndUpdate();
}

void TVelarionConsole::SetFont(const TConsoleFont& font) {
  QFont qtFont = text_.font();
  qtFont.setFamily(QString::fromStdString(velplatform::Cp1251ToUtf8(font.name)));
  qtFont.setStyleHint(QFont::TypeWriter);
  qtFont.setFixedPitch(true);
  if (font.sizePoints >= kMinConsoleFontSize && font.sizePoints <= kMaxConsoleFontSize) {
    qtFont.setPointSize(font.sizePoints);
  }
  text_.setFont(qtFont);
}

TConsoleFont TVelarionConsole::Font() const {
  const QFont font = text_.font();
  return {velplatform::Utf8ToCp1251(font.family().toStdString()), std::abs(font.pointSize())};
}

std::optional<double> ConsoleShareForSplitter(int32_t y, int32_t availableHeight) {
  if (availableHeight <= 0) return std::nullopt;
  const double share = static_cast<double>(y) * 100.0 / availableHeight;
  if (share < kMinConsoleSizePercent || share > kMaxConsoleSizePercent) return std::nullopt;
  return share;
}

}  // namespace velarion::ui

// TVelarionConsole: the output console, the one place through which windows write their
// tables and reports. Lines are CP1251; the text control shows them in Unicode. Writers may
// buffer a long table and lay it out in columns by writing from a marked line on.
#ifndef VELARION_APP_UI_WINDOW_VELARIONCONSOLE_H
#define VELARION_APP_UI_WINDOW_VELARIONCONSOLE_H

#include "Configuration.h"
#include "Dialogs.h"
#include "SkyPopupMenu.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QPlainTextEdit;
class QWidget;

namespace velarion::ui {

class TVelarionConsole {
 public:
  // `text` is the control showing the lines; `pane` the part of the window that is shown
  // or hidden with it; `requestShow` posts the request to show the console (U + 5).
  TVelarionConsole(QPlainTextEdit& text, QWidget& pane, std::function<void()> requestShow);

  // Start -1: at the end. Start s >= 0: line i goes onto the end of line s + i when that
  // line exists, else it is a new line.
  void AddLines(std::span<const std::string> lines, int32_t start = -1);
  // Text whose lines end in CR LF or LF, at the end.
  void AddText(std::string_view text);
  void BeginUpdate();
  void EndUpdate();
  int32_t LineCount() const;
  void MarkLine() { markedLine_ = LineCount(); }
  int32_t MarkedLine() const { return markedLine_; }
  // Every line, buffered ones included (CP1251).
  std::vector<std::string> Lines() const;

  // Asks "Удалить содержимое консоли?"; on yes the console is emptied.
  void ClearConsole(velplatform::TWindowHandle owner);
  // False when the file cannot be written (nothing is written then).
  bool SaveToFile(const std::string& fileName);
  // A missing file adds nothing.
  void LoadFromFile(const std::string& fileName);
  void ResetShowRequest() { showRequested_ = false; }
  bool ShowRequested() const { return showRequested_; }

  // The font of the control; a size outside 6 … 48 keeps the current size.
  void SetFont(const TConsoleFont& font);
  TConsoleFont Font() const;

  // The ephemeris window's table objects, kept here so that they outlive the window.
  std::vector<TMenuObject> TableObjects;

  bool AutoShowConsole = true;
  bool AutoSaveConsole = true;
  bool AutoFontSize = true;

 private:
  int32_t ControlLineCount() const;
  void AppendToControl(std::span<const std::string> lines);
  void AppendToControlLine(int32_t line, const std::string& text);

  QPlainTextEdit& text_;
  QWidget& pane_;
  std::function<void()> requestShow_;
  std::optional<std::vector<std::string>> buffer_;  // while buffering
  int32_t markedLine_ = 0;
  bool showRequested_ = false;
};

// The console's share of the height for a splitter position: accepted only within
// 10 … 80 percent.
std::optional<double> ConsoleShareForSplitter(int32_t y, int32_t availableHeight);

}  // namespace velarion::ui

#endif

// Dialogs without Qt in sight: a dialog is a layout table (control id, kind, rectangle in
// dialog units, text) and a logic object that reads and sets its controls by id. The
// program runs it as a Qt dialog; tests install a runner that plays the user against the
// same controls, so every dialog's behaviour is tested without a display.
//
// Texts are CP1251, as everywhere inside the program. Dialog units: a quarter of the average
// character width horizontally, an eighth of the character height vertically.
#ifndef VELARION_PLATFORM_DIALOGS_H
#define VELARION_PLATFORM_DIALOGS_H

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velplatform {

using TWindowHandle = std::uintptr_t;

enum class TControlKind : uint8_t {
  kLabel,
  kEdit,
  kCheckBox,
  kRadioButton,  // radio buttons in a row of the table form one group up to the next non-radio
  kGroupBox,
  kButton,        // runs TDialogLogic::Command
  kOkButton,      // default button: TDialogLogic::Accept, closes with OK when it agrees
  kCancelButton,  // closes with cancel
  kList,          // single selection list
  kComboBox,      // drop-down list to choose from
  kPageControl,   // tabbed pages, named by its text's lines ("\n" between tab texts)
  kSlider,        // a track bar over a range of whole positions
  kTable,         // rows of cells under column headers, one whole row selected at a time
};

// A table's column: its header and how its cells sit in it.
enum class TColumnAlignment : uint8_t { kLeft, kRight };
struct TTableColumn {
  std::string title;
  TColumnAlignment alignment = TColumnAlignment::kLeft;
};

// A list or combo-box item whose text begins with this code (the Greek font's in marked-up
// text) shows the rest with its Latin letters as Greek ones; Item() gives the text as added.
inline constexpr char kGreekItem = 2;

struct TDialogRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// A control on page n (from 1) of the dialog's page control sits on that page, its
// rectangle counted from the page's top left corner; page 0 is the dialog itself. A dialog
// has at most one page control, listed before the controls on its pages.
struct TControlLayout {
  int32_t id = 0;
  TControlKind kind = TControlKind::kLabel;
  TDialogRect rect;
  std::string text;
  int32_t page = 0;
  std::string hint{};  // shown while the mouse rests on the control; empty: none
  bool tabsHidden{};   // a page control whose pages only the logic turns (a wizard)
};

struct TDialogLayout {
  std::string caption;
  int32_t width = 0;  // client size, dialog units
  int32_t height = 0;
  std::vector<TControlLayout> controls;
  bool centredOnScreen = false;  // else centred over the owner
};

// The controls of a shown dialog, by id. Unknown ids read as empty, 0 or false and are
// ignored when set.
class TDialogControls {
 public:
  virtual ~TDialogControls() = default;
  virtual std::string Text(int32_t id) const = 0;
  virtual void SetText(int32_t id, std::string_view text) = 0;
  virtual bool Checked(int32_t id) const = 0;
  virtual void SetChecked(int32_t id, bool checked) = 0;
  virtual void SetEnabled(int32_t id, bool enabled) = 0;
  virtual bool Enabled(int32_t id) const = 0;
  virtual void Focus(int32_t id) = 0;
  // Lists, combo boxes and (ClearItems, ItemCount, Selected and Select, on their rows) tables.
  virtual void ClearItems(int32_t id) = 0;
  virtual void AddItem(int32_t id, std::string_view text) = 0;  // sorted when set so
  virtual void SetSorted(int32_t id, bool sorted) = 0;
  virtual int32_t ItemCount(int32_t id) const = 0;
  virtual std::string Item(int32_t id, int32_t index) const = 0;
  virtual int32_t Selected(int32_t id) const = 0;      // -1: none
  virtual void Select(int32_t id, int32_t index) = 0;  // -1 removes the selection
  // Tables: each column is as wide as its widest text.
  virtual void SetColumns(int32_t id, std::span<const TTableColumn> columns) = 0;
  virtual void AddRow(int32_t id, std::span<const std::string> cells) = 0;
  virtual void MarkSortedColumn(int32_t id, int32_t column) = 0;  // from 0; -1 marks none
  // Sliders: 0 … 99 until given a range; positions are kept within it.
  virtual void SetRange(int32_t id, int32_t minimum, int32_t maximum) = 0;
  virtual int32_t Position(int32_t id) const = 0;
  virtual void SetPosition(int32_t id, int32_t position) = 0;
  // The page control: pages count from 1 as in TControlLayout::page (0: no such control).
  virtual int32_t CurrentPage(int32_t id) const = 0;
  virtual void SelectPage(int32_t id, int32_t page) = 0;
};

// A key press as a dialog's logic sees it: the character the key types on the active
// layout with Shift as pressed and without Ctrl ('@' on a Latin layout, '№' on a Cyrillic
// one; for Ctrl+B the letter 'b' or, on a Cyrillic layout, 'и').
struct TDialogKey {
  char32_t character = 0;
  bool control = false;
};

// What a dialog does. Every handler gets the controls; the runner calls them as the user acts.
class TDialogLogic {
 public:
  virtual ~TDialogLogic() = default;
  // Before the dialog shows: fill the controls.
  virtual void Init(TDialogControls& /*controls*/) {}
  // The user changed an edit's text, a check box, a radio button, a list's or table's
  // selection, a slider's position or the page shown. What the logic sets through the
  // controls is not reported.
  virtual void Changed(TDialogControls& /*controls*/, int32_t /*id*/) {}
  // The focus left an edit (the place to correct what was typed into it).
  virtual void Left(TDialogControls& /*controls*/, int32_t /*id*/) {}
  // A double click on a list entry or a table row; true closes the dialog with OK (Accept is
  // not asked).
  virtual bool DoubleClicked(TDialogControls& /*controls*/, int32_t /*id*/) { return false; }
  // A click on a table's column header (columns from 0).
  virtual void HeaderClicked(TDialogControls& /*controls*/, int32_t /*id*/, int32_t /*column*/) {}
  // A plain button was pressed; true closes the dialog with OK.
  virtual bool Command(TDialogControls& /*controls*/, int32_t /*id*/) { return false; }
  // The OK button: true lets the dialog close with OK (read the controls here).
  virtual bool Accept(TDialogControls& /*controls*/) { return true; }
  // A key pressed anywhere in the dialog, before the controls handle it; true when the
  // logic used it (unit and compass shortcuts, Ctrl+letter switches).
  virtual bool KeyPressed(TDialogControls& /*controls*/, const TDialogKey& /*key*/) {
    return false;
  }
};

// Shows the dialog modally; true when it closed with OK.
bool RunDialog(TWindowHandle owner, const TDialogLayout& layout, TDialogLogic& logic);

// Who shows dialogs: the program installs the Qt runner at start; tests install their own.
// Without one, RunDialog answers cancel at once.
using TDialogRunner =
    std::function<bool(TWindowHandle owner, const TDialogLayout& layout, TDialogLogic& logic)>;
void SetDialogRunner(TDialogRunner runner);

// ---- Pop-up dialogs ----

// A rectangle of the screen in pixels: what a pop-up shows beside.
struct TScreenRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

// Runs once a pop-up closed: applied when Enter, its OK button or the focus leaving it closed
// it and Accept agreed; not when Esc or its cancel button closed it.
using TPopupClosed = std::function<void(bool applied)>;

// Shows the dialog beside `anchor` (above it when there is room: tool buttons sit at the
// window's foot) and returns at once, without holding up its opener. The logic lives until
// the dialog closed. Without a pop-up runner the dialog runs modally through RunDialog, so
// that scripted dialogs serve pop-ups too.
void ShowPopupDialog(TWindowHandle owner, const TDialogLayout& layout,
                     std::shared_ptr<TDialogLogic> logic, TScreenRect anchor, TPopupClosed closed);
using TPopupRunner = std::function<void(TWindowHandle owner, const TDialogLayout& layout,
                                        std::shared_ptr<TDialogLogic> logic, TScreenRect anchor,
                                        TPopupClosed closed)>;
void SetPopupRunner(TPopupRunner runner);

// ---- Message boxes ----

enum class TMessageButtons : uint8_t { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class TMessageIcon : uint8_t { kNone, kInformation, kWarning, kError, kQuestion };
enum class TMessageAnswer : uint8_t { kOk, kCancel, kYes, kNo };

struct TMessageBoxRequest {
  std::string text;   // CP1251; "\n" breaks lines
  std::string title;  // CP1251
  TMessageButtons buttons = TMessageButtons::kOk;
  TMessageIcon icon = TMessageIcon::kNone;
};

TMessageAnswer ShowMessageBox(TWindowHandle owner, const TMessageBoxRequest& request);

// The program's error message: `text` (CP1251) with an OK button and the error icon, titled
// "Ошибка".
void ShowError(TWindowHandle owner, std::string text);

// Without a runner (no window: the picture export, tests that install none) the text goes
// to standard error and the answer is the first button's (OK or yes).
using TMessageBoxRunner = std::function<TMessageAnswer(TWindowHandle, const TMessageBoxRequest&)>;
void SetMessageBoxRunner(TMessageBoxRunner runner);

// ---- Colour chooser ----

// The platform's colour chooser preset to `initial` (0x00BBGGRR): the chosen colour, or
// none when the user cancels. Without a runner: none.
std::optional<uint32_t> ChooseColour(TWindowHandle owner, uint32_t initial);
using TColourRunner = std::function<std::optional<uint32_t>(TWindowHandle, uint32_t initial)>;
void SetColourRunner(TColourRunner runner);

// Sounds the default system beep: the desktop's once the Qt runners are installed, the
// terminal's bell before.
void Beep();
void SetBeepRunner(std::function<void()> runner);

}  // namespace velplatform

#endif

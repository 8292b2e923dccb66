// The Qt side of the dialogs: a dialog built from its layout table, and the runners the
// program installs once it has a widget application.
#ifndef VELARION_PLATFORM_QTDIALOGS_H
#define VELARION_PLATFORM_QTDIALOGS_H

#include "Dialogs.h"

#include <QDialog>

#include <map>
#include <vector>

class QFocusEvent;
class QKeyEvent;
class QWidget;

namespace velplatform {

class TPageControl;

// A QDialog made from the layout, its controls reached by id; the logic's handlers run as
// the user acts. Init runs on construction; then the controls are laid out from the room
// their texts need (DialogGeometry.h), and again whenever a later text needs more.
class TQtDialog final : public QDialog, public TDialogControls {
 public:
  TQtDialog(QWidget* parent, const TDialogLayout& layout, TDialogLogic& logic);

  QWidget* Control(int32_t id) const;

  std::string Text(int32_t id) const override;
  void SetText(int32_t id, std::string_view text) override;
  bool Checked(int32_t id) const override;
  void SetChecked(int32_t id, bool checked) override;
  void SetEnabled(int32_t id, bool enabled) override;
  bool Enabled(int32_t id) const override;
  void Focus(int32_t id) override;
  void ClearItems(int32_t id) override;
  void AddItem(int32_t id, std::string_view text) override;
  void SetSorted(int32_t id, bool sorted) override;
  int32_t ItemCount(int32_t id) const override;
  std::string Item(int32_t id, int32_t index) const override;
  int32_t Selected(int32_t id) const override;
  void Select(int32_t id, int32_t index) override;
  void SetColumns(int32_t id, std::span<const TTableColumn> columns) override;
  void AddRow(int32_t id, std::span<const std::string> cells) override;
  void MarkSortedColumn(int32_t id, int32_t column) override;
  void SetRange(int32_t id, int32_t minimum, int32_t maximum) override;
  int32_t Position(int32_t id) const override;
  void SetPosition(int32_t id, int32_t position) override;
  int32_t CurrentPage(int32_t id) const override;
  void SelectPage(int32_t id, int32_t page) override;
  // Once closed the dialog reports no more focus changes: hiding it moves the focus.
  void done(int result) override;
  // A pop-up: closing it from outside (a click elsewhere, another window taking the user)
  // applies what it shows when the logic accepts it, as Enter would.
  void SetAppliesWhenClosedOutside() { appliesWhenClosedOutside_ = true; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Keys go to the logic first, wherever the focus is; edits losing the focus are reported.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A control as the table placed it (pixels), on its page (0: the dialog itself), with the
  // largest size it has needed so far.
  struct TPlacedControl {
    QWidget* widget = nullptr;
    QRect tableRect;
    int32_t page = 0;
    QSize need;
  };

  void LayOut();
  void FitPages();
  // Stretches the controls on one page (0: the dialog) and places them; the surface's size.
  QSize StretchSurface(int32_t page, QSize tableSize);
  // A text or an item given after the layout: lays out again when it needs more room.
  void GrowFor(const QWidget* widget);
  QWidget* MakeControl(const TControlLayout& control, QWidget* parent, QWidget*& lastRadioGroup);
  QWidget* ParentOf(const TControlLayout& control);
  void Connect(const TControlLayout& control, QWidget* widget);
  bool RouteKey(const QKeyEvent& event);
  void ReportLeft(QObject* watched, const QFocusEvent& event);

  TDialogLogic& logic_;
  std::map<int32_t, QWidget*> controls_;
  std::map<QObject*, int32_t> edits_;  // the edits whose focus loss the logic hears of
  std::vector<TPlacedControl> placed_;
  QSize tableSize_;
  TPageControl* pages_ = nullptr;
  bool initialising_ = true;
  bool writing_ = false;  // the controls change through TDialogControls, not by the user
  bool closed_ = false;
  bool appliesWhenClosedOutside_ = false;
  const QKeyEvent* lastRoutedKey_ = nullptr;
  quint64 lastRoutedTime_ = 0;
};

// Installs the dialog, message-box, file-chooser, folder-chooser, colour-chooser, beep and
// clipboard runners that use the desktop (a QApplication must run), with the toolkit's own
// Russian texts for its standard buttons and dialogs; the owner handle, when not 0, is the
// QWidget* of the owning window.
void InstallQtDialogRunners();

// Installs the progress window of long work (QtProgress.cpp); InstallQtDialogRunners calls it.
void InstallQtProgressRunner();

// Where a pop-up of `size` shows beside `anchor` on a screen whose free part is `screen`:
// above the anchor when there is room, else below it, within the screen.
QPoint PopupPosition(const TScreenRect& anchor, QSize size, const QRect& screen);

}  // namespace velplatform

#endif

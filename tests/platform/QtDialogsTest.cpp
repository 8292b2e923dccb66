// Dialogs built from their layout tables as Qt widgets, driven the way a user drives them.
#include "QtDialogs.h"

#include "Cp1251.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace velplatform;

enum : int32_t { kName = 1, kList, kFind, kCancel, kMore, kNorth, kSouth, kCheck, kCount };

TDialogLayout Layout() {
  return {Cp1251("Поиск"), 120, 100,
          {{kName, TControlKind::kEdit, {4, 4, 80, 12}, ""},
           {kList, TControlKind::kList, {4, 20, 80, 50}, ""},
           {kFind, TControlKind::kOkButton, {88, 4, 28, 14}, Cp1251("&Найти")},
           {kCancel, TControlKind::kCancelButton, {88, 20, 28, 14}, Cp1251("&Отмена")},
           {kMore, TControlKind::kButton, {88, 36, 28, 14}, "More"},
           {kNorth, TControlKind::kRadioButton, {4, 74, 40, 10}, Cp1251("Сев.")},
           {kSouth, TControlKind::kRadioButton, {48, 74, 40, 10}, Cp1251("Южн.")},
           {kCheck, TControlKind::kCheckBox, {4, 86, 40, 10}, "x"}}};
}

class TRecordingLogic final : public TDialogLogic {
 public:
  void Init(TDialogControls& c) override {
    c.SetSorted(kList, true);
    for (const char* name : {"Орион", "Андромеда", "Лев"}) c.AddItem(kList, Cp1251(name));
    c.SetChecked(kNorth, true);
  }
  void Changed(TDialogControls& c, int32_t id) override {
    changes.push_back(id);
    if (id == kName) typed = c.Text(kName);
  }
  bool Command(TDialogControls&, int32_t id) override { return id == kMore; }
  bool KeyPressed(TDialogControls&, const TDialogKey& key) override {
    keys.push_back(key);
    return key.character == U'!';
  }
  std::vector<TDialogKey> keys;
  bool Accept(TDialogControls& c) override {
    ++accepts;
    return c.Selected(kList) >= 0;
  }
  std::vector<int32_t> changes;
  std::string typed;
  int accepts = 0;
};

TEST(QtDialog, ControlsAreReachedByIdAndReportTheUsersChanges) {
  TRecordingLogic logic;
  TQtDialog dialog(nullptr, Layout(), logic);
  EXPECT_TRUE(logic.changes.empty());  // filling during Init reports nothing

  ASSERT_EQ(dialog.ItemCount(kList), 3);
  EXPECT_EQ(dialog.Item(kList, 0), Cp1251("Андромеда"));  // sorted
  EXPECT_EQ(dialog.Selected(kList), -1);

  static_cast<QLineEdit*>(dialog.Control(kName))->setText(QString::fromUtf8("Лев"));
  EXPECT_EQ(logic.typed, Cp1251("Лев"));
  dialog.Select(kList, 1);
  EXPECT_EQ(dialog.Selected(kList), 1);
  EXPECT_EQ(dialog.Text(kList), Cp1251("Лев"));

  static_cast<QRadioButton*>(dialog.Control(kSouth))->click();
  EXPECT_FALSE(dialog.Checked(kNorth));  // one group
  EXPECT_TRUE(dialog.Checked(kSouth));
  EXPECT_EQ(logic.changes.front(), kName);
  EXPECT_NE(std::find(logic.changes.begin(), logic.changes.end(), kList), logic.changes.end());

  dialog.Select(kList, -1);
  EXPECT_EQ(dialog.Selected(kList), -1);
  dialog.SetEnabled(kCheck, false);
  EXPECT_FALSE(dialog.Enabled(kCheck));
  EXPECT_EQ(dialog.Text(999), "");  // unknown ids are harmless
}

TEST(QtDialog, KeysReachTheLogicBeforeTheFocusedControl) {
  TRecordingLogic logic;
  TQtDialog dialog(nullptr, Layout(), logic);
  QWidget* edit = dialog.Control(kName);
  QKeyEvent bang(QEvent::KeyPress, Qt::Key_Exclam, Qt::ShiftModifier, QStringLiteral("!"));
  QApplication::sendEvent(edit, &bang);
  EXPECT_EQ(dialog.Text(kName), "");  // taken by the logic, never typed
  QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
  QApplication::sendEvent(edit, &letter);
  EXPECT_EQ(dialog.Text(kName), "a");
  QKeyEvent controlB(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, QString(QChar(2)));
  QApplication::sendEvent(edit, &controlB);
  ASSERT_EQ(logic.keys.size(), 3U);
  EXPECT_EQ(logic.keys[2].character, U'b');
  EXPECT_TRUE(logic.keys[2].control);
}

TEST(QtDialog, OkClosesOnlyWhenTheLogicAgreesAndButtonsMayClose) {
  TRecordingLogic logic;
  TQtDialog dialog(nullptr, Layout(), logic);
  dialog.show();
  static_cast<QPushButton*>(dialog.Control(kFind))->click();
  EXPECT_EQ(logic.accepts, 1);
  EXPECT_TRUE(dialog.isVisible());  // nothing selected: stays open
  dialog.Select(kList, 0);
  static_cast<QPushButton*>(dialog.Control(kFind))->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  TRecordingLogic other;
  TQtDialog second(nullptr, Layout(), other);
  second.show();
  static_cast<QPushButton*>(second.Control(kMore))->click();
  EXPECT_EQ(second.result(), QDialog::Accepted);
  EXPECT_EQ(other.accepts, 0);
}

}  // namespace

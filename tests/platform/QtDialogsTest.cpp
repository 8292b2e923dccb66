// Dialogs built from their layout tables as Qt widgets, driven the way a user drives them.
#include "QtDialogs.h"

#include "Clipboard.h"
#include "Cp1251.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

using namespace velplatform;

enum : int32_t { kName = 1, kList, kFind, kCancel, kMore, kNorth, kSouth, kCheck, kCount };

TDialogLayout Layout() {
  return {Cp1251("Поиск"),
          120,
          100,
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
  static_cast<QListWidget*>(dialog.Control(kList))->setCurrentRow(1);  // the user's choice
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

// Two pages, an edit on each at the same place, a slider on the second page, a hinted
// button below the pages.
enum : int32_t { kPages = 20, kFirstEdit, kSecondEdit, kSlider, kHinted };

TDialogLayout PagedLayout() {
  TDialogLayout layout{"Pages", 160, 120, {}};
  layout.controls = {
      {kPages, TControlKind::kPageControl, {4, 4, 152, 90}, Cp1251("Место\nВид")},
      {kFirstEdit, TControlKind::kEdit, {6, 8, 60, 12}, "", 1},
      {kSecondEdit, TControlKind::kEdit, {6, 8, 60, 12}, "", 2},
      {kSlider, TControlKind::kSlider, {6, 24, 80, 14}, "", 2},
      {kHinted, TControlKind::kButton, {4, 100, 40, 14}, "?", 0, Cp1251("Подсказка")},
  };
  return layout;
}

class TPagedLogic final : public TDialogLogic {
 public:
  void Init(TDialogControls& c) override {
    c.SetRange(kSlider, 1, 6);
    c.SetPosition(kSlider, 3);
  }
  void Changed(TDialogControls& c, int32_t id) override {
    changes.push_back(id);
    if (id == kSlider) positions.push_back(c.Position(kSlider));
  }
  void Left(TDialogControls&, int32_t id) override { lefts.push_back(id); }
  std::vector<int32_t> changes;
  std::vector<int32_t> positions;
  std::vector<int32_t> lefts;
};

void ClickTab(QTabWidget& pages, int index) {
  QTabBar& bar = *pages.findChild<QTabBar*>();
  const QPointF at = bar.tabRect(index).center();
  QMouseEvent press(QEvent::MouseButtonPress, at, bar.mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&bar, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, bar.mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&bar, &release);
}

TEST(QtDialog, ControlsSitOnTheirPagesAndTheUserTurnsThePages) {
  TPagedLogic logic;
  TQtDialog dialog(nullptr, PagedLayout(), logic);
  auto* pages = qobject_cast<QTabWidget*>(dialog.Control(kPages));
  ASSERT_NE(pages, nullptr);
  ASSERT_EQ(pages->count(), 2);
  EXPECT_EQ(pages->tabText(1), QString::fromUtf8("Вид"));
  EXPECT_TRUE(pages->widget(0)->isAncestorOf(dialog.Control(kFirstEdit)));
  EXPECT_TRUE(pages->widget(1)->isAncestorOf(dialog.Control(kSecondEdit)));
  EXPECT_TRUE(pages->widget(1)->isAncestorOf(dialog.Control(kSlider)));
  EXPECT_FALSE(pages->isAncestorOf(dialog.Control(kHinted)));
  // Rectangles on a page count from the page's corner.
  const QFontMetrics metrics(dialog.font());
  const QPoint corner(qRound(6 * metrics.averageCharWidth() / 4.0),
                      qRound(8 * metrics.height() / 8.0));
  EXPECT_EQ(dialog.Control(kSecondEdit)->pos(), corner);

  dialog.show();
  EXPECT_EQ(dialog.CurrentPage(kPages), 1);
  EXPECT_TRUE(dialog.Control(kFirstEdit)->isVisible());
  EXPECT_FALSE(dialog.Control(kSecondEdit)->isVisible());
  ClickTab(*pages, 1);
  EXPECT_EQ(dialog.CurrentPage(kPages), 2);
  EXPECT_TRUE(dialog.Control(kSecondEdit)->isVisible());
  EXPECT_FALSE(dialog.Control(kFirstEdit)->isVisible());
  EXPECT_EQ(logic.changes, std::vector<int32_t>{kPages});

  dialog.SelectPage(kPages, 1);
  EXPECT_EQ(dialog.CurrentPage(kPages), 1);
  dialog.SelectPage(kPages, 3);  // no such page
  EXPECT_EQ(dialog.CurrentPage(kPages), 1);
  EXPECT_EQ(dialog.CurrentPage(kFirstEdit), 0);
}

TEST(QtDialog, ASliderReportsTheUsersMovesWithinItsRangeAndHintsShow) {
  TPagedLogic logic;
  TQtDialog dialog(nullptr, PagedLayout(), logic);
  auto* slider = qobject_cast<QSlider*>(dialog.Control(kSlider));
  ASSERT_NE(slider, nullptr);
  EXPECT_TRUE(logic.changes.empty());  // Init's range and position are not the user's
  EXPECT_EQ(slider->minimum(), 1);
  EXPECT_EQ(slider->maximum(), 6);
  EXPECT_EQ(dialog.Position(kSlider), 3);

  QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(slider, &right);
  EXPECT_EQ(logic.positions, std::vector<int32_t>{4});
  EXPECT_EQ(dialog.Position(kSlider), 4);
  dialog.SetPosition(kSlider, 9);
  EXPECT_EQ(dialog.Position(kSlider), 6);

  EXPECT_EQ(dialog.Control(kHinted)->toolTip(), QString::fromUtf8("Подсказка"));
  EXPECT_TRUE(dialog.Control(kFirstEdit)->toolTip().isEmpty());
}

TEST(QtDialog, TheFocusLeavingAnEditIsReportedUntilTheDialogCloses) {
  TPagedLogic logic;
  TQtDialog dialog(nullptr, PagedLayout(), logic);
  dialog.show();
  dialog.activateWindow();
  QApplication::processEvents();
  ASSERT_EQ(QApplication::activeWindow(), &dialog) << "focus changes only in the active window";
  dialog.Focus(kFirstEdit);
  ASSERT_TRUE(dialog.Control(kFirstEdit)->hasFocus());
  dialog.Focus(kHinted);
  EXPECT_EQ(logic.lefts, std::vector<int32_t>{kFirstEdit});
  dialog.Focus(kPages);  // a control that is no edit leaves unreported
  EXPECT_EQ(logic.lefts.size(), 1U);

  dialog.Focus(kFirstEdit);
  dialog.accept();  // hiding takes the focus from the edit
  QApplication::processEvents();
  EXPECT_EQ(logic.lefts.size(), 1U);
}

// One control of every kind that reports changes.
enum : int32_t { kTyped = 40, kTicked, kFirstRadio, kSecondRadio, kChoices, kDropDown, kTrack };
enum : int32_t { kTabs = 50, kRows };

TDialogLayout EveryKindLayout() {
  TDialogLayout layout{"Kinds", 200, 160, {}};
  layout.controls = {
      {kTabs, TControlKind::kPageControl, {4, 120, 80, 30}, "a\nb"},
      {kTyped, TControlKind::kEdit, {4, 4, 60, 12}, ""},
      {kTicked, TControlKind::kCheckBox, {4, 20, 60, 10}, "x"},
      {kFirstRadio, TControlKind::kRadioButton, {4, 32, 30, 10}, "1"},
      {kSecondRadio, TControlKind::kRadioButton, {36, 32, 30, 10}, "2"},
      {kChoices, TControlKind::kList, {4, 44, 60, 40}, ""},
      {kDropDown, TControlKind::kComboBox, {70, 4, 60, 12}, ""},
      {kTrack, TControlKind::kSlider, {70, 20, 60, 14}, ""},
      {kRows, TControlKind::kTable, {70, 40, 120, 70}, ""},
  };
  return layout;
}

// A label far too narrow for its text with an edit right of it, a captioned button below,
// and on the second page of a page control a check box far too narrow for its text.
enum : int32_t { kNarrowLabel = 40, kBeside, kCaptioned, kRoomPages, kLongCheck, kBelowPages };

TDialogLayout NarrowLayout() {
  TDialogLayout layout{"Room", 100, 110, {}};
  layout.controls = {
      {kNarrowLabel, TControlKind::kLabel, {4, 4, 10, 8}, Cp1251("Прямое восхождение:")},
      {kBeside, TControlKind::kEdit, {16, 2, 40, 12}, ""},
      {kCaptioned, TControlKind::kButton, {4, 20, 20, 14}, Cp1251("Установить")},
      {kRoomPages, TControlKind::kPageControl, {4, 40, 92, 50}, Cp1251("Место\nВид")},
      {kLongCheck,
       TControlKind::kCheckBox,
       {4, 4, 30, 10},
       Cp1251("Рисовать линии прямого восхождения"),
       2},
      {kBelowPages, TControlKind::kButton, {4, 92, 40, 14}, "?"},
  };
  return layout;
}

// Answers the user's typing by writing to every control, the edit typed into included.
class TWriteEverywhereLogic final : public TDialogLogic {
 public:
  void Init(TDialogControls& c) override {
    c.SetChecked(kFirstRadio, true);
    const std::vector<TTableColumn> columns = {{"N", TColumnAlignment::kRight}};
    c.SetColumns(kRows, columns);
  }
  void Changed(TDialogControls& c, int32_t id) override {
    reported.push_back(id);
    if (id != kTyped || answered_) return;
    answered_ = true;
    c.SetText(kTyped, c.Text(kTyped) + "!");
    c.SetChecked(kTicked, true);
    c.SetChecked(kSecondRadio, true);
    c.SetSorted(kChoices, true);
    for (const char* item : {"b", "a"}) {
      c.AddItem(kChoices, item);
      c.AddItem(kDropDown, item);
      c.AddRow(kRows, std::vector<std::string>{item});
    }
    c.Select(kChoices, 1);
    c.Select(kDropDown, 1);
    c.Select(kRows, 1);
    c.SetRange(kTrack, 10, 20);
    c.SetPosition(kTrack, 15);
    c.SelectPage(kTabs, 2);
  }
  std::vector<int32_t> reported;

 private:
  bool answered_ = false;  // once, so that a runner echoing the writes cannot loop
};

TEST(QtDialog, WhatTheLogicSetsIsNotReportedAsTheUsersChange) {
  TWriteEverywhereLogic logic;
  TQtDialog dialog(nullptr, EveryKindLayout(), logic);
  QTest::keyClicks(dialog.Control(kTyped), "a");
  EXPECT_EQ(logic.reported, std::vector<int32_t>{kTyped});
  // Every write took effect.
  EXPECT_EQ(dialog.Text(kTyped), "a!");
  EXPECT_TRUE(dialog.Checked(kTicked));
  EXPECT_TRUE(dialog.Checked(kSecondRadio));
  EXPECT_EQ(dialog.Text(kChoices), "b");
  EXPECT_EQ(dialog.Selected(kDropDown), 1);
  EXPECT_EQ(dialog.Selected(kRows), 1);
  EXPECT_EQ(dialog.Position(kTrack), 15);
  EXPECT_EQ(dialog.CurrentPage(kTabs), 2);

  static_cast<QCheckBox*>(dialog.Control(kTicked))->click();  // the user again
  EXPECT_EQ(logic.reported, (std::vector<int32_t>{kTyped, kTicked}));
}

TEST(QtDialog, ItemsMarkedGreekShowGreekLettersAndKeepTheirText) {
  TDialogLogic logic;
  TQtDialog dialog(nullptr, EveryKindLayout(), logic);
  const std::string alpha{kGreekItem, 'a'};
  const std::string omega{kGreekItem, 'w'};
  for (const int32_t id : {kChoices, kDropDown}) {
    for (const std::string& item : {alpha, omega, std::string("a")}) dialog.AddItem(id, item);
  }
  const auto* list = qobject_cast<QListWidget*>(dialog.Control(kChoices));
  const auto* combo = qobject_cast<QComboBox*>(dialog.Control(kDropDown));
  const QStringList shown = {QString::fromUtf8("α"), QString::fromUtf8("ω"), "a"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(list->item(i)->text(), shown[i]);
    EXPECT_EQ(combo->itemText(i), shown[i]);
  }
  for (const int32_t id : {kChoices, kDropDown}) {
    EXPECT_EQ(dialog.Item(id, 0), alpha);
    dialog.Select(id, 1);
    EXPECT_EQ(dialog.Text(id), omega);
  }
}

class TTableLogic final : public TDialogLogic {
 public:
  void Init(TDialogControls& c) override {
    const std::vector<TTableColumn> columns = {{"N", TColumnAlignment::kRight},
                                               {Cp1251("Имя"), TColumnAlignment::kLeft}};
    c.SetColumns(kRows, columns);
    for (const auto& [number, name] : kRowTexts) {
      c.AddRow(kRows, std::vector<std::string>{number, Cp1251(name)});
    }
    c.MarkSortedColumn(kRows, 0);
  }
  void Changed(TDialogControls& c, int32_t id) override {
    changes.push_back(id);
    if (id == kRows) selections.push_back(c.Selected(kRows));
  }
  void HeaderClicked(TDialogControls& c, int32_t id, int32_t column) override {
    headers.push_back(column);
    c.MarkSortedColumn(id, column);
  }
  bool DoubleClicked(TDialogControls& c, int32_t id) override {
    doubleClicked = c.Selected(id);
    return true;
  }
  static constexpr std::array<std::pair<const char*, const char*>, 3> kRowTexts = {
      {{"7", "Вега"}, {"12", "Денеб"}, {"", "Очень длинное имя"}}};
  std::vector<int32_t> changes;
  std::vector<int32_t> selections;  // as the logic sees them when told
  std::vector<int32_t> headers;
  int32_t doubleClicked = -1;
};

QPoint SectionCentre(const QHeaderView& header, int column) {
  return {header.sectionViewportPosition(column) + header.sectionSize(column) / 2,
          header.height() / 2};
}

TEST(QtDialog, ATableShowsItsColumnsAndReportsTheUsersClicks) {
  TTableLogic logic;
  TQtDialog dialog(nullptr, EveryKindLayout(), logic);
  dialog.show();
  auto* table = qobject_cast<QTreeWidget*>(dialog.Control(kRows));
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->columnCount(), 2);
  EXPECT_EQ(table->headerItem()->text(1), QString::fromUtf8("Имя"));
  ASSERT_EQ(dialog.ItemCount(kRows), 3);
  EXPECT_EQ(table->topLevelItem(2)->text(1), QString::fromUtf8("Очень длинное имя"));
  EXPECT_EQ(table->topLevelItem(1)->textAlignment(0) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  EXPECT_EQ(table->topLevelItem(1)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
  const QFontMetrics metrics(table->font());
  EXPECT_GE(table->columnWidth(0), metrics.horizontalAdvance("12"));
  EXPECT_GE(table->columnWidth(1),
            metrics.horizontalAdvance(QString::fromUtf8("Очень длинное имя")));
  EXPECT_FALSE(table->headerItem()->icon(0).isNull());  // the sorted column is marked
  EXPECT_TRUE(table->headerItem()->icon(1).isNull());

  QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier,
                    table->visualItemRect(table->topLevelItem(1)).center());
  EXPECT_EQ(dialog.Selected(kRows), 1);
  EXPECT_EQ(logic.selections, std::vector<int32_t>{1});

  QTest::mouseClick(table->header()->viewport(), Qt::LeftButton, Qt::NoModifier,
                    SectionCentre(*table->header(), 1));
  EXPECT_EQ(logic.headers, std::vector<int32_t>{1});
  EXPECT_TRUE(table->headerItem()->icon(0).isNull());
  EXPECT_FALSE(table->headerItem()->icon(1).isNull());

  const QPoint lastRow = table->visualItemRect(table->topLevelItem(2)).center();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, lastRow);
  QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, lastRow);
  EXPECT_EQ(logic.doubleClicked, 2);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(QtDialog, ControlsGetTheRoomTheirTextsNeedAndWhatFollowsMovesAlong) {
  TDialogLogic logic;
  TQtDialog dialog(nullptr, NarrowLayout(), logic);
  const QWidget& label = *dialog.Control(kNarrowLabel);
  const QFontMetrics metrics(dialog.font());
  EXPECT_GE(label.width(), metrics.horizontalAdvance(QString::fromUtf8("Прямое восхождение:")));
  EXPECT_GT(dialog.Control(kBeside)->x(), label.geometry().right());
  EXPECT_GE(dialog.Control(kCaptioned)->width(),
            metrics.horizontalAdvance(QString::fromUtf8("Установить")));
  EXPECT_TRUE(dialog.rect().contains(dialog.Control(kBeside)->geometry()));

  dialog.show();
  dialog.SelectPage(kRoomPages, 2);
  QApplication::processEvents();
  const QWidget& check = *dialog.Control(kLongCheck);
  EXPECT_GE(check.width(), check.sizeHint().width());
  EXPECT_TRUE(check.parentWidget()->rect().contains(check.geometry()));
  EXPECT_TRUE(dialog.rect().contains(dialog.Control(kRoomPages)->geometry()));
  EXPECT_GT(dialog.Control(kBelowPages)->y(), dialog.Control(kRoomPages)->geometry().bottom());
}

TEST(QtDialog, ALongerTextLaterGrowsTheDialogWhichNeverShrinksBack) {
  TDialogLogic logic;
  TQtDialog dialog(nullptr, NarrowLayout(), logic);
  dialog.show();
  const int before = dialog.width();
  dialog.SetText(kNarrowLabel, Cp1251("Прямое восхождение на эпоху наблюдения:"));
  const QWidget& label = *dialog.Control(kNarrowLabel);
  EXPECT_GE(label.width(), label.sizeHint().width());
  EXPECT_GT(dialog.Control(kBeside)->x(), label.geometry().right());
  EXPECT_GT(dialog.width(), before);
  const int grown = dialog.width();
  dialog.SetText(kNarrowLabel, "x");
  EXPECT_EQ(dialog.width(), grown);
}

TEST(QtDialog, PopUpsStandAboveTheirButtonWhenThereIsRoomElseBelowWithinTheScreen) {
  const QRect screen(0, 0, 1000, 800);
  const QSize size(200, 100);
  struct TCase {
    TScreenRect anchor;
    QPoint expected;
  };
  const TCase cases[] = {
      {{300, 700, 30, 24}, {300, 600}},  // a tool button at the window's foot
      {{300, 50, 30, 24}, {300, 74}},    // no room above
      {{950, 700, 30, 24}, {800, 600}},  // kept within the right edge
      {{-20, 790, 30, 24}, {0, 690}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(PopupPosition(c.anchor, size, screen), c.expected) << c.anchor.x << "," << c.anchor.y;
  }
}

TEST(QtDialog, TheStandardButtonsSpeakRussianOnceTheRunnersAreInstalled) {
  InstallQtDialogRunners();
  QMessageBox box(QMessageBox::Question, "", "",
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove(u'&'), QString::fromUtf8("Да"));
  EXPECT_EQ(box.button(QMessageBox::No)->text().remove(u'&'), QString::fromUtf8("Нет"));
  EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove(u'&'), QString::fromUtf8("Отмена"));
  SetDialogRunner({});
  SetPopupRunner({});
  SetMessageBoxRunner({});
  SetColourRunner({});
  SetBeepRunner({});
  SetClipboardRunner({});
}

}  // namespace

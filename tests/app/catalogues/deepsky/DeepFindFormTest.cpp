// The deep-sky search window: its table, the order by each column, the search field and the
// chosen object.
#include "DeepFindForm.h"

#include "DeepSkyFixture.h"
#include "DeepSkyGroup.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace velarion::catalogues;
using velplatform::Cp1251;
using veltest::TDeepSkyEntry;

TDeepSkyFile FileOf(const std::vector<TDeepSkyEntry>& entries) {
  std::vector<std::byte> bytes;
  for (const TDeepSkyEntry& e : entries) {
    const auto record = veltest::DeepSkyRecordBytes(e);
    bytes.insert(bytes.end(), record.begin(), record.end());
  }
  auto file = TDeepSkyFile::FromBytes(bytes);
  EXPECT_TRUE(file);
  return std::move(file).Value();
}

const std::vector<TDeepSkyEntry> kEntries = veltest::SearchWindowEntries();

std::vector<int32_t> Order(const TDeepFindForm& form) {
  std::vector<int32_t> numbers;
  for (int32_t i = 0; i < form.Rows().Count(); ++i) {
    numbers.push_back(static_cast<const TDSObject&>(*form.Rows().Items(i)).number);
  }
  return numbers;
}

constexpr int32_t kTable = TDeepFindForm::kTable;

// The table as the window shows it, a row's cells in the column order.
std::vector<std::vector<std::string>> Shown(const veltest::TFakeControls& controls) {
  return controls.Control(kTable)->rows;
}

TEST(DeepFindForm, HeaderClicksSortByTheirColumnWithTheMissingLast) {
  TDeepFindForm form(FileOf(kEntries));
  veltest::TFakeControls controls(TDeepFindForm::Layout());
  form.Init(controls);
  EXPECT_EQ(form.SortedBy(), TDeepFindColumn::kMessier);
  // M 13, M 42, then the three without a Messier number in their file order.
  EXPECT_EQ(Order(form), (std::vector<int32_t>{4, 2, 1, 3, 5}));
  EXPECT_EQ(controls.Control(kTable)->sortedColumn, 0);
  const struct {
    TDeepFindColumn column;
    std::vector<int32_t> order;
  } cases[] = {
      {TDeepFindColumn::kNgc, {5, 2, 4, 1, 3}},   // the Cloud has no NGC number
      {TDeepFindColumn::kType, {5, 4, 2, 1, 3}},  // 0, 1, 2, 2, 4; ties kept
      // "Большое ..." sorts after the Latin names in code page 1251; empty names last.
      {TDeepFindColumn::kName, {1, 2, 3, 5, 4}},
      {TDeepFindColumn::kMessier, {4, 2, 1, 3, 5}},
  };
  for (const auto& c : cases) {
    const auto column = static_cast<int32_t>(c.column);
    controls.ClickHeader(form, kTable, column);
    EXPECT_EQ(Order(form), c.order) << column;
    EXPECT_EQ(controls.Control(kTable)->sortedColumn, column);
    ASSERT_EQ(Shown(controls).size(), 5u);
    // The table follows: object 2 is the one with NGC 1976.
    const auto at = std::find(c.order.begin(), c.order.end(), 2) - c.order.begin();
    EXPECT_EQ(Shown(controls)[static_cast<std::size_t>(at)][1], "1976") << column;
  }
}

TEST(DeepFindForm, TheTableShowsNumbersTypesAndNames) {
  TDeepFindForm form(FileOf(kEntries));
  veltest::TFakeControls controls(TDeepFindForm::Layout());
  form.Init(controls);
  const auto& columns = controls.Control(kTable)->columns;
  ASSERT_EQ(columns.size(), 4u);
  const std::vector<std::pair<std::string, velplatform::TColumnAlignment>> expected = {
      {"M", velplatform::TColumnAlignment::kRight},
      {"NGC", velplatform::TColumnAlignment::kRight},
      {Cp1251("Тип"), velplatform::TColumnAlignment::kLeft},
      {Cp1251("Собств. имя"), velplatform::TColumnAlignment::kLeft}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(columns[i].title, expected[i].first);
    EXPECT_EQ(columns[i].alignment, expected[i].second);
  }
  const std::vector<std::vector<std::string>> rows = {
      {"13", "6205", Cp1251("шар.скопл."), ""},
      {"42", "1976", Cp1251("дифф.тум."), "Orion"},
      {"", "7000", Cp1251("дифф.тум."), "North America"},
      {"", "", Cp1251("галактика"), Cp1251("Большое Магелланово Облако")},
      {"", "869", Cp1251("расс.скопл."), ""}};
  EXPECT_EQ(Shown(controls), rows);
  EXPECT_EQ(controls.Selected(kTable), 0);
}

TEST(DeepFindForm, TypingSelectsTheFirstRowWhoseNameOrNumberBeginsWithIt) {
  const struct {
    TDeepFindColumn sortedBy;
    const char* typed;
    int32_t object;  // 0: nothing selected
  } cases[] = {
      {TDeepFindColumn::kMessier, "or", 2},
      {TDeepFindColumn::kMessier, "  north   a", 0},  // inner spaces count
      {TDeepFindColumn::kMessier, "NORTH A", 1},
      {TDeepFindColumn::kMessier, "большое м", 3},
      {TDeepFindColumn::kMessier, "m 4", 2},
      {TDeepFindColumn::kMessier, "m 1", 4},
      {TDeepFindColumn::kMessier, "ngc 7", 1},
      {TDeepFindColumn::kMessier, "ngc", 4},   // the first row with an NGC number
      {TDeepFindColumn::kNgc, "ngc", 5},       // in the order shown
      {TDeepFindColumn::kMessier, "rion", 0},  // inside a name is no match
      {TDeepFindColumn::kMessier, "1976", 0},
      {TDeepFindColumn::kMessier, "   ", 0},
  };
  for (const auto& c : cases) {
    TDeepFindForm form(FileOf(kEntries));
    veltest::TFakeControls controls(TDeepFindForm::Layout());
    form.Init(controls);
    controls.ClickHeader(form, kTable, static_cast<int32_t>(c.sortedBy));
    controls.Type(form, TDeepFindForm::kSearchEdit, Cp1251(c.typed));
    const int32_t selected = controls.Selected(kTable);
    const int32_t object =
        selected < 0 ? 0 : static_cast<const TDSObject&>(*form.Rows().Items(selected)).number;
    EXPECT_EQ(object, c.object) << c.typed;
  }
}

TEST(DeepFindForm, TheSelectedObjectStaysSelectedWhenSortedAgain) {
  TDeepFindForm form(FileOf(kEntries));
  veltest::TFakeControls controls(TDeepFindForm::Layout());
  form.Init(controls);
  controls.Choose(form, kTable, 3);  // object 3, the Cloud
  controls.ClickHeader(form, kTable, static_cast<int32_t>(TDeepFindColumn::kName));
  EXPECT_EQ(controls.Selected(kTable), 2);
  EXPECT_TRUE(form.DoubleClicked(controls, kTable));
  EXPECT_EQ(form.Chosen(), 3);
}

TEST(DeepFindForm, OkWithoutASelectionKeepsTheWindowOpen) {
  TDeepFindForm form(FileOf(kEntries));
  veltest::TFakeControls controls(TDeepFindForm::Layout());
  form.Init(controls);
  controls.Type(form, TDeepFindForm::kSearchEdit, "xyz");
  EXPECT_FALSE(controls.PressOk(form));
  EXPECT_FALSE(form.DoubleClicked(controls, kTable));
  EXPECT_EQ(form.Chosen(), std::nullopt);
}

TEST(DeepFindForm, TheSearchGivesTheChosenObject) {
  const std::string folder = veltest::WriteDeepSkyFolder("search", kEntries);
  const auto group = MakeDeepSkyGroup(folder);
  ASSERT_TRUE(group->InitResources(0));
  veltest::TFakeDialogs dialogs({
      [](veltest::TFakeControls& c, velplatform::TDialogLogic& logic) {
        c.ClickHeader(logic, kTable, static_cast<int32_t>(TDeepFindColumn::kNgc));
        c.Choose(logic, kTable, 1);  // NGC 1976, object 2
        return c.PressOk(logic);
      },
      [](veltest::TFakeControls&, velplatform::TDialogLogic&) { return false; },
  });
  EXPECT_EQ(group->SelectObjectForSearch(0), 2);
  EXPECT_EQ(group->SelectObjectForSearch(0), -1);  // cancelled
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251("Поиск галактики, туманности, звездного скопления"));
}

}  // namespace

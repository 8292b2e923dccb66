// The deep-sky search window: its rows, the order by each column and the chosen object.
#include "DeepFindForm.h"

#include "DeepSkyFixture.h"
#include "DeepSkyGroup.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

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

// Objects 1 .. 5 in an order no column has by itself.
const std::vector<TDeepSkyEntry> kEntries = {
    {0, 7000, "North America", "314.7", "44.3", 2},
    {42, 1976, "Orion", "83.8", "-5.4", 2},
    {0, 0, "LMC", "80.9", "-69.8", 4},
    {13, 6205, "", "250.4", "36.5", 1},
    {0, 869, "", "34.8", "57.1", 0},
};

std::vector<int32_t> Order(const TDeepFindForm& form) {
  std::vector<int32_t> numbers;
  for (int32_t i = 0; i < form.Rows().Count(); ++i) {
    numbers.push_back(static_cast<const TDSObject&>(*form.Rows().Items(i)).number);
  }
  return numbers;
}

TEST(DeepFindForm, SortedByEveryColumnWithTheMissingLast) {
  TDeepFindForm form(FileOf(kEntries));
  EXPECT_EQ(form.SortedBy(), TDeepFindColumn::kMessier);
  // M 13, M 42, then the three without a Messier number in their file order.
  EXPECT_EQ(Order(form), (std::vector<int32_t>{4, 2, 1, 3, 5}));
  veltest::TFakeControls controls(TDeepFindForm::Layout());
  form.Init(controls);
  form.Command(controls, TDeepFindForm::kNgcHeader);
  EXPECT_EQ(Order(form), (std::vector<int32_t>{5, 2, 4, 1, 3}));  // the Cloud has no NGC
  form.Command(controls, TDeepFindForm::kTypeHeader);
  EXPECT_EQ(Order(form), (std::vector<int32_t>{5, 4, 2, 1, 3}));  // 0, 1, 2, 2, 4; ties kept
  form.Command(controls, TDeepFindForm::kNameHeader);
  // "Большое ..." sorts after the Latin names in code page 1251; empty names last.
  EXPECT_EQ(Order(form), (std::vector<int32_t>{1, 2, 3, 5, 4}));
  EXPECT_EQ(controls.Text(TDeepFindForm::kNameHeader), "* " + Cp1251("Собств. имя"));
  EXPECT_EQ(controls.Text(TDeepFindForm::kMessierHeader), "M");
}

TEST(DeepFindForm, RowsShowTheColumnsAligned) {
  TDeepFindForm form(FileOf(kEntries));
  veltest::TFakeControls controls(TDeepFindForm::Layout());
  form.Init(controls);
  ASSERT_EQ(controls.ItemCount(TDeepFindForm::kList), 5);
  // Widest texts: "M" 2, "NGC" 4, "Тип" 11 ("дифф.тум."/"расс.скопл."), names.
  EXPECT_EQ(controls.Item(TDeepFindForm::kList, 0), "13  6205  " + Cp1251("шар.скопл.   "));
  EXPECT_EQ(controls.Item(TDeepFindForm::kList, 3),
            std::string(10, ' ') + Cp1251("галактика    Большое Магелланово Облако"));
}

TEST(DeepFindForm, TheSearchGivesTheChosenObject) {
  const std::string folder = veltest::WriteDeepSkyFolder("search", kEntries);
  const auto group = MakeDeepSkyGroup(folder);
  ASSERT_TRUE(group->InitResources(0));
  veltest::TFakeDialogs dialogs({
      [](veltest::TFakeControls& c, velplatform::TDialogLogic& logic) {
        c.Press(logic, TDeepFindForm::kNgcHeader);
        c.Choose(logic, TDeepFindForm::kList, 1);  // NGC 1976, object 2
        return c.PressOk(logic);
      },
      [](veltest::TFakeControls&, velplatform::TDialogLogic&) { return false; },
  });
  EXPECT_EQ(group->SelectObjectForSearch(0), 2);
  EXPECT_EQ(group->SelectObjectForSearch(0), -1);  // cancelled
  ASSERT_EQ(dialogs.Shown().size(), 2u);
  EXPECT_EQ(dialogs.Shown()[0].caption,
            Cp1251("Поиск галактики, туманности, звездного скопления"));
}

}  // namespace

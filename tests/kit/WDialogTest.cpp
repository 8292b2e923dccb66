#include "WDialog.h"
#include "WNumberText.h"

#include "FakeDialogs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace velarion::kit {
namespace {

using velplatform::TControlKind;

TEST(WNumberTextTest, IntegerGrammar) {
  struct TCase {
    std::string text;
    int32_t value;
    int32_t error;
  };
  const TCase cases[] = {
      {"12", 12, 0},         {"  -7", -7, 0}, {"+3", 3, 0},
      {"12a", 0, 3},         {"", 0, 1},      {"-", 0, 2},
      {"1 ", 0, 2},          {"1.5", 0, 2},   {"2147483647", 2147483647, 0},
      {"2147483648", 0, 10},
  };
  for (const TCase& c : cases) {
    const TNumberRead<int32_t> read = ReadIntegerText(c.text);
    EXPECT_EQ(read.value, c.value) << c.text;
    EXPECT_EQ(read.errorPosition, c.error) << c.text;
  }
}

TEST(WNumberTextTest, FloatGrammar) {
  struct TCase {
    std::string text;
    double value;
    int32_t error;
  };
  const TCase cases[] = {
      {"0.5", 0.5, 0},    {" -1.25e2", -125.0, 0}, {"+.5", 0.5, 0}, {"3.", 3.0, 0},
      {"1E-3", 0.001, 0}, {"1,5", 0, 2},           {"1e", 0, 3},    {".", 0, 2},
      {"", 0, 1},         {"2.5x", 0, 4},          {"1e999", 0, 5},
  };
  for (const TCase& c : cases) {
    const TNumberRead<double> read = ReadFloatText(c.text);
    EXPECT_EQ(read.value, c.value) << c.text;
    EXPECT_EQ(read.errorPosition, c.error) << c.text;
  }
}

constexpr int32_t kEdit = 101;
constexpr int32_t kCheck = 102;
constexpr int32_t kList = 103;
constexpr int32_t kCombo = 104;
constexpr int32_t kUpDown = 105;

velplatform::TDialogLayout SampleLayout() {
  velplatform::TDialogLayout layout;
  layout.caption = "Sample";
  // Out of id order, a label without id, and two controls sharing one id.
  layout.controls = {
      {kUpDown, TControlKind::kSlider, {}, ""}, {kEdit, TControlKind::kEdit, {}, ""},
      {-1, TControlKind::kLabel, {}, "text"},   {kCheck, TControlKind::kCheckBox, {}, "x"},
      {kList, TControlKind::kList, {}, ""},     {kCombo, TControlKind::kComboBox, {}, ""},
      {1, TControlKind::kOkButton, {}, "OK"},   {2, TControlKind::kCancelButton, {}, "Cancel"},
  };
  for (int32_t id = 200; id < 220; ++id)
    layout.controls.push_back({id, TControlKind::kLabel, {}, ""});
  return layout;
}

// A dialog whose start-up fills its controls and whose OK reads them.
class TSampleDialog final : public TWDialog {
 public:
  TSampleDialog() : TWDialog(101, SampleLayout()) {}
  std::vector<std::string> events;
  double readValue = 0;
  int32_t readError = 0;

 protected:
  void SetupWindow() override {
    TWEdit* edit = Find<TWEdit>(kEdit);
    edit->SetPrecision(5);
    edit->SetFloat(0.5);
    edit->SetChangeHandler([this] { events.push_back("edit " + Find<TWEdit>(kEdit)->GetText()); });
    Find<TWButton>(kCheck)->SetClickHandler([this] { events.push_back("check"); });
    TWListBox* list = Find<TWListBox>(kList);
    list->SetItemTextSource([](int64_t v) { return "item " + std::to_string(v); });
    for (int64_t v : {10, 20, 30}) list->AddItem(v);
    list->SetSelectionHandler([this] { events.push_back("list"); });
    TWUpDown* upDown = Find<TWUpDown>(kUpDown);
    upDown->SetRange(10, 0);
    upDown->SetPos(5);
    upDown->SetPositionRequestHandler([](int32_t position) { return position > 8; });
  }
  bool CanClose() override {
    readValue = Find<TWEdit>(kEdit)->GetFloat();
    readError = Find<TWEdit>(kEdit)->ConvertError();
    return readError == 0;
  }
};

TEST(WDialogTest, ControlsByKindAndId) {
  TSampleDialog dialog;
  bool checked = false;
  veltest::TFakeDialogs dialogs({[&](veltest::TFakeControls& c, velplatform::TDialogLogic&) {
    EXPECT_EQ(c.Text(kEdit), "0.50000");
    EXPECT_EQ(dialog.Count(), 27);  // every control with an id above 0
    EXPECT_NE(dialog.Find<TWUpDown>(kUpDown), nullptr);
    EXPECT_NE(dialog.Find<TWComboBox>(kCombo), nullptr);
    EXPECT_NE(dialog.Find<TWButton>(1), nullptr);
    EXPECT_EQ(dialog.Find<TWButton>(kEdit), nullptr);
    for (int32_t id = 200; id < 220; ++id) {
      const TWControl* found = dialog.FindControl(id);
      EXPECT_TRUE(found != nullptr && found->Id() == id) << id;
    }
    EXPECT_EQ(dialog.FindControl(150), nullptr);
    EXPECT_EQ(dialog.LastFoundIndex(), -1);
    EXPECT_EQ(dialog.FindControl(999), nullptr);
    EXPECT_EQ(dialog.FindControl(0), nullptr);
    checked = true;
    return false;
  }});
  EXPECT_FALSE(dialog.Execute(0));
  EXPECT_TRUE(checked);
  EXPECT_EQ(dialog.Count(), 0);  // the objects live only while the dialog is shown
}

TEST(WDialogTest, NotificationsReachTheirHandlers) {
  TSampleDialog dialog;
  veltest::TFakeDialogs dialogs({[&](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Type(l, kEdit, "1.5");
    c.Click(l, kCheck, true);
    c.Choose(l, kList, 1);
    c.MoveSlider(l, kUpDown, 7);  // allowed
    c.MoveSlider(l, kUpDown, 9);  // refused: back to 7
    EXPECT_EQ(c.Position(kUpDown), 7);
    c.Type(l, kEdit, "12a");
    EXPECT_FALSE(c.PressOk(l));  // the dialog stays open
    EXPECT_EQ(dialog.readError, 3);
    c.Type(l, kEdit, " 2.5e1");
    return c.PressOk(l);
  }});
  EXPECT_TRUE(dialog.Execute(0));
  EXPECT_EQ(dialog.readValue, 25.0);
  EXPECT_EQ(dialog.events,
            (std::vector<std::string>{"edit 1.5", "check", "list", "edit 12a", "edit  2.5e1"}));
}

TEST(WDialogTest, EscapeEndsWithFalse) {
  TSampleDialog dialog;
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls&, velplatform::TDialogLogic&) {
    return false;  // the runner's answer to Esc or the cancel button
  }});
  EXPECT_FALSE(dialog.Execute(0));
}

TEST(WDialogTest, ListRowsKeepTheirValues) {
  TSampleDialog dialog;
  veltest::TFakeDialogs dialogs({[&](veltest::TFakeControls& c, velplatform::TDialogLogic&) {
    TWListBox* list = dialog.Find<TWListBox>(kList);
    EXPECT_EQ(list->GetItemText(2), "item 30");
    list->SetCurSel(2);
    EXPECT_TRUE(list->DeleteString(0));
    EXPECT_FALSE(list->DeleteString(5));
    EXPECT_EQ(c.Control(kList)->items, (std::vector<std::string>{"item 20", "item 30"}));
    EXPECT_EQ(list->GetItemData(0), 20);
    EXPECT_EQ(list->GetItemData(1), 30);
    EXPECT_EQ(list->GetItemData(2), std::nullopt);
    EXPECT_EQ(list->GetCurSel(), 1);
    TWComboBox* combo = dialog.Find<TWComboBox>(kCombo);
    combo->AddString("a");
    EXPECT_EQ(combo->GetItemValue(0), 0);
    EXPECT_TRUE(combo->SetItemData(0, 77));
    EXPECT_EQ(combo->GetItemValue(0), 77);
    EXPECT_EQ(combo->GetItemValue(1), 0);
    EXPECT_FALSE(combo->SetItemData(1, 5));
    return false;
  }});
  dialog.Execute(0);
}

// A caller's own list object takes the place, the id and the window of the wrapper; what
// it does not handle goes to the handler of the object it replaced.
TEST(WDialogTest, ReplacedControlTakesOverMessages) {
  class TOwnList final : public TWListBox {
   public:
    using TWListBox::TWListBox;
  };
  TSampleDialog dialog;
  veltest::TFakeDialogs dialogs({[&](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    EXPECT_FALSE(dialog.ReplaceControl(nullptr, kList, true));
    EXPECT_FALSE(dialog.ReplaceControl(std::make_unique<TOwnList>(), 150, true));
    EXPECT_TRUE(dialog.ReplaceControl(std::make_unique<TOwnList>(), kList, true));
    TOwnList* own = dialog.Find<TOwnList>(kList);
    EXPECT_NE(own, nullptr);
    if (own == nullptr) return false;
    EXPECT_EQ(own->Id(), kList);
    EXPECT_EQ(own->GetCount(), 3);  // the same window
    c.Choose(l, kList, 0);          // falls back to the replaced object's handler
    own->SetSelectionHandler([&] { dialog.events.push_back("own"); });
    c.Choose(l, kList, 1);
    EXPECT_TRUE(dialog.ReplaceControl(std::make_unique<TWEdit>(), kEdit, false));
    c.Type(l, kEdit, "x");  // no handler and none taken over
    return false;
  }});
  dialog.Execute(0);
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"list", "own"}));
}

TEST(WDialogTest, ControlsOutsideAShownDialogAreInert) {
  TWEdit edit(5);
  edit.SetText("ignored");
  EXPECT_EQ(edit.GetText(), "");
  EXPECT_EQ(edit.GetInt(), 0);
  EXPECT_EQ(edit.ConvertError(), 1);
  EXPECT_TRUE(edit.DefaultColors());
  edit.SetBackColor(0x00FF0000);
  EXPECT_FALSE(edit.DefaultColors());
}

}  // namespace
}  // namespace velarion::kit

// The name search window: how names are normalised, how typing selects the first entry
// that begins with the text, and what clicking, double clicking, OK and cancel give.
#include "FindForm.h"

#include "Cp1251.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

namespace {

using velarion::catalogues::NormaliseName;
using velarion::catalogues::TFindForm;
using velplatform::Cp1251;
using velplatform::TControlKind;
using veltest::TFakeControls;
using veltest::TFakeDialogs;

constexpr int32_t kEdit = TFindForm::kNameEdit;
constexpr int32_t kList = TFindForm::kNamesList;

TEST(FindFormNames, NormalisingGivesCapitalInitialsAndKeepsInnerSpaces) {
  const struct {
    const char* given;
    const char* expected;
  } cases[] = {
      {"  ЮПИТЕР", "Юпитер"},
      {"  большая   МЕДВЕДИЦА  ", "Большая   Медведица"},
      {"орёл", "Орёл"},
      {"ursa MAJOR", "Ursa Major"},
      {"   ", ""},
      {"", ""},
      {"\tвега", "\tвега"},  // only the space counts as a space
      {"альфа-центавра b", "Альфа-центавра B"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormaliseName(Cp1251(c.given)), Cp1251(c.expected)) << c.given;
  }
}

// Runs the window over `names` (in this order) with one user script; the outcome.
std::optional<std::string> RunWith(std::vector<const char*> names, veltest::TDialogScript script) {
  TFindForm form(Cp1251("Поиск планеты"));
  form.SetSorted(false);
  for (const char* n : names) form.AddName(Cp1251(n));
  TFakeDialogs dialogs({std::move(script)});
  return form.Run(0);
}

TEST(FindForm, TypingSelectsTheFirstEntryInListOrderThatBeginsWithTheText) {
  const struct {
    std::vector<const char*> names;
    const char* typed;
    int32_t selected;
  } cases[] = {
      {{"Андромеда", "Орион", "Орёл"}, "ор", 1},
      {{"Андромеда", "Орёл", "Орион"}, "ор", 1},
      {{"Андромеда", "Орёл", "Орион"}, "ори", 2},
      {{"Большая Медведица", "Малая Медведица"}, "  малая м", 1},
      {{"Андромеда", "Орион"}, "рион", -1},  // inside a name is no match
      {{"Орион"}, "орионы", -1},             // longer than the entry
      {{"Андромеда", "Орион"}, "   ", -1},
  };
  for (const auto& c : cases) {
    int32_t selected = -2;
    RunWith(c.names, [&](TFakeControls& controls, velplatform::TDialogLogic& logic) {
      controls.Type(logic, kEdit, Cp1251("анд"));  // something selected before
      controls.Type(logic, kEdit, Cp1251(c.typed));
      selected = controls.Selected(kList);
      return controls.PressOk(logic);
    });
    EXPECT_EQ(selected, c.selected) << c.typed;
  }
}

TEST(FindForm, OkGivesTheSelectedEntryAndNothingWithoutASelection) {
  const auto found =
      RunWith({"Марс", "Юпитер"}, [](TFakeControls& c, velplatform::TDialogLogic& l) {
        c.Type(l, kEdit, Cp1251("юп"));
        return c.PressOk(l);
      });
  EXPECT_EQ(found, Cp1251("Юпитер"));
  const auto none = RunWith({"Марс", "Юпитер"}, [](TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Type(l, kEdit, Cp1251("плутон"));
    return c.PressOk(l);
  });
  EXPECT_EQ(none, std::nullopt);
  const auto cancelled = RunWith({"Марс"}, [](TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Type(l, kEdit, Cp1251("мар"));
    return false;  // Esc or "&Отмена"
  });
  EXPECT_EQ(cancelled, std::nullopt);
}

TEST(FindForm, ClickCopiesTheEntryAndDoubleClickClosesWithIt) {
  std::string edited;
  int32_t selected = -1;
  const auto found =
      RunWith({"Марс", "Марс II", "Юпитер"}, [&](TFakeControls& c, velplatform::TDialogLogic& l) {
        c.Choose(l, kList, 1);
        edited = c.Text(kEdit);
        selected = c.Selected(kList);
        return l.DoubleClicked(c, kList);
      });
  EXPECT_EQ(edited, Cp1251("Марс Ii"));  // listed normalised
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(found, Cp1251("Марс Ii"));
}

TEST(FindForm, AddedNamesAreListedNormalisedAndEmptyOnesLeftOut) {
  TFindForm form(Cp1251("Поиск созвездия"));
  form.AddName(Cp1251("  ЮПИТЕР"));
  form.AddName("");
  form.AddName(Cp1251("марс"));
  std::vector<std::string> listed;
  TFakeDialogs dialogs({[&](TFakeControls& c, velplatform::TDialogLogic&) {
    for (int32_t i = 0; i < c.ItemCount(kList); ++i) listed.push_back(c.Item(kList, i));
    return false;
  }});
  form.Run(0);
  EXPECT_EQ(listed, (std::vector<std::string>{Cp1251("Марс"), Cp1251("Юпитер")}));  // sorted
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  const velplatform::TDialogLayout& layout = dialogs.Shown()[0];
  EXPECT_EQ(layout.caption, Cp1251("Поиск созвездия"));
  EXPECT_TRUE(layout.centredOnScreen);
  const auto text = [&](TControlKind kind) {
    for (const auto& c : layout.controls) {
      if (c.kind == kind) return c.text;
    }
    return std::string("-");
  };
  EXPECT_EQ(text(TControlKind::kOkButton), Cp1251("&Найти"));
  EXPECT_EQ(text(TControlKind::kCancelButton), Cp1251("&Отмена"));
}

}  // namespace

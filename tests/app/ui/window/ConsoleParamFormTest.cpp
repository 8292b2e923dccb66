// The console's settings dialog: what it shows and what "&Верно" keeps.
#include "ConsoleParamForm.h"

#include "Cp1251.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::ui;

const TConsoleParams kCurrent{{"Courier New", 9}, true, true};
const std::vector<std::string> kFamilies{"DejaVu Sans Mono", "courier new", "Liberation Mono"};

TEST(ConsoleParamForm, ShowsTheCurrentSettingsWithTheFontFoundIgnoringCase) {
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic&) {
    EXPECT_EQ(c.Item(TConsoleParamForm::kFontList, c.Selected(TConsoleParamForm::kFontList)),
              "courier new");
    EXPECT_EQ(c.Text(TConsoleParamForm::kSize), "9");
    EXPECT_TRUE(c.Checked(TConsoleParamForm::kAutoShow));
    return false;
  }});
  EXPECT_EQ(ShowConsoleParamForm(0, kCurrent, kFamilies), std::nullopt);  // Esc: no change
  ASSERT_EQ(dialogs.Shown().size(), 1U);
  EXPECT_EQ(dialogs.Shown()[0].caption, velplatform::Cp1251("Настройка параметров консоли"));
}

TEST(ConsoleParamForm, SizesAreHeldToSixToFortyEightAndTextThatIsNoNumberKeepsTheSize) {
  struct TCase {
    const char* typed;
    int32_t kept;
  };
  for (const TCase c : {TCase{"60", 48}, TCase{"2", 6}, TCase{"12", 12}, TCase{"big", 9}}) {
    veltest::TFakeDialogs dialogs({[&c](veltest::TFakeControls& f, velplatform::TDialogLogic& l) {
      f.Choose(l, TConsoleParamForm::kFontList, 0);
      f.Type(l, TConsoleParamForm::kSize, c.typed);
      f.Click(l, TConsoleParamForm::kAutoSave, false);
      return f.PressOk(l);
    }});
    const auto chosen = ShowConsoleParamForm(0, kCurrent, kFamilies);
    ASSERT_TRUE(chosen) << c.typed;
    EXPECT_EQ(chosen->font.sizePoints, c.kept) << c.typed;
    EXPECT_EQ(chosen->font.name, "DejaVu Sans Mono");  // the sorted list's first
    EXPECT_FALSE(chosen->autoSave);
    EXPECT_TRUE(chosen->autoShow);
  }
}

}  // namespace

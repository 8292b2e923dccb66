// The scheme selection window's rules, without the window.
#include "ColorSchemeSelection.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

namespace {

using namespace velarion::sky;

TColorSchemes ThreeScreenSchemes() {
  TColorSchemes schemes;
  for (const char* name : {"a", "b", "c"}) {
    schemes.screen.push_back(std::make_shared<TColorScheme>(name, false));
  }
  schemes.printer.push_back(std::make_shared<TColorScheme>("p", true));
  return schemes;
}

TEST(ColorSchemeSelection, StartsAtTheCurrentSchemesAndChoosesTheSelectedOnes) {
  TColorSchemes schemes = ThreeScreenSchemes();
  TColorSchemeSelection selection(schemes, schemes.screen[1], schemes.printer[0]);
  EXPECT_EQ(selection.Selected(TSchemePage::kScreen), 1);
  EXPECT_TRUE(selection.IsCurrent(TSchemePage::kScreen, 1));
  selection.Select(TSchemePage::kScreen, 2);
  selection.Select(TSchemePage::kScreen, 7);  // out of range: ignored
  EXPECT_EQ(selection.ChosenScreen()->Name(), "c");
  EXPECT_EQ(selection.ChosenPrinter()->Name(), "p");
  EXPECT_FALSE(schemes.changed);
}

TEST(ColorSchemeSelection, AddedSchemesHaveTheirKindsNameAndDefaults) {
  TColorSchemes schemes = ThreeScreenSchemes();
  TColorSchemeSelection selection(schemes, schemes.screen[0], schemes.printer[0]);
  const TColorSchemePtr added = TColorSchemeSelection::NewScheme(TSchemePage::kPrinter);
  EXPECT_EQ(added->Name(), velplatform::Cp1251("Новая цветовая схема для принтера"));
  EXPECT_EQ(added->Colors(), TColorScheme::DefaultColors(true));
  selection.AddEdited(TSchemePage::kPrinter, added);
  EXPECT_EQ(schemes.printer.size(), 2u);
  EXPECT_TRUE(schemes.changed);
}

TEST(ColorSchemeSelection, ChangingTheCurrentScreenSchemeAsksForARedraw) {
  TColorSchemes schemes = ThreeScreenSchemes();
  TColorSchemeSelection selection(schemes, schemes.screen[0], schemes.printer[0]);
  EXPECT_TRUE(selection.Changed(TSchemePage::kScreen));
  selection.Select(TSchemePage::kScreen, 1);
  EXPECT_FALSE(selection.Changed(TSchemePage::kScreen));
  EXPECT_FALSE(selection.Changed(TSchemePage::kPrinter));
  EXPECT_TRUE(schemes.changed);
}

TEST(ColorSchemeSelection, DeletingKeepsOneSchemeAndACurrentOneForbidsCancel) {
  TColorSchemes schemes = ThreeScreenSchemes();
  const TColorSchemePtr current = schemes.screen[2];
  TColorSchemeSelection selection(schemes, current, schemes.printer[0]);
  EXPECT_FALSE(selection.CanDelete(TSchemePage::kPrinter));
  selection.Select(TSchemePage::kScreen, 0);
  selection.DeleteSelected(TSchemePage::kScreen);
  EXPECT_TRUE(selection.CanCancel());
  selection.Select(TSchemePage::kScreen, 1);
  selection.DeleteSelected(TSchemePage::kScreen);  // the current one
  EXPECT_FALSE(selection.CanCancel());
  EXPECT_FALSE(selection.CanDelete(TSchemePage::kScreen));
  selection.DeleteSelected(TSchemePage::kScreen);  // refused: the last scheme stays
  ASSERT_EQ(schemes.screen.size(), 1u);
  EXPECT_EQ(selection.ChosenScreen()->Name(), "b");
  EXPECT_EQ(current->Name(), "c");  // the deleted current scheme is still alive
}

}  // namespace

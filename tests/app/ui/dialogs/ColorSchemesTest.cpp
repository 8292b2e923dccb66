// The colour scheme dialogs: the editor's working copy, and the selection window's adding,
// changing, deleting and choosing over the scheme lists.
#include "ColorParam.h"
#include "ColorSchemesSelect.h"
#include "Cp1251.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

#include <memory>

namespace velarion::ui {
namespace {

using sky::Rgb;
using velplatform::Cp1251;
using velplatform::TMessageAnswer;
using veltest::TFakeControls;
using veltest::TFakeDialogs;
using TLogic = velplatform::TDialogLogic;
using S = TColorSchemesSelect;

TEST(ColorParamTest, ColoursAreChosenOnACopyAndStoredOnOk) {
  sky::TColorScheme scheme("Night", false);
  const int32_t horizon = TColorParam::kFirstColour + kit::kHorizonColour;
  TFakeDialogs dialogs(
      {[&](TFakeControls& c, TLogic& l) {
         EXPECT_EQ(c.Text(TColorParam::kNameEdit), "Night");
         EXPECT_EQ(c.Text(TColorParam::kFirstSample + kit::kHorizonColour), "255, 0, 0");
         c.Press(l, horizon);
         EXPECT_EQ(c.Text(TColorParam::kFirstSample + kit::kHorizonColour), "10, 20, 30");
         return false;  // cancelled: the scheme keeps its red horizon
       },
       [&](TFakeControls& c, TLogic& l) {
         c.Press(l, horizon);
         c.Type(l, TColorParam::kNameEdit, "  ");
         EXPECT_FALSE(c.PressOk(l));
         c.Type(l, TColorParam::kNameEdit, " Red night ");
         return c.PressOk(l);
       }});
  dialogs.AnswerColour(Rgb(10, 20, 30));
  EXPECT_FALSE(ShowColorParam(0, scheme));
  EXPECT_EQ(scheme.Color(kit::kHorizonColour), Rgb(255, 0, 0));
  EXPECT_TRUE(ShowColorParam(0, scheme));
  EXPECT_EQ(scheme.Color(kit::kHorizonColour), Rgb(10, 20, 30));
  EXPECT_EQ(scheme.Name(), "Red night");
  EXPECT_EQ(scheme.Color(kit::kSunColour), Rgb(255, 255, 0));
  ASSERT_EQ(dialogs.ColourPresets().size(), 2u);
  EXPECT_EQ(dialogs.ColourPresets()[0], Rgb(255, 0, 0)) << "the chooser starts at the colour";
}

class ColorSchemesSelectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    schemes_.screen = {std::make_shared<sky::TColorScheme>("A", false),
                       std::make_shared<sky::TColorScheme>("B", false)};
    schemes_.printer = {std::make_shared<sky::TColorScheme>("P", true)};
    image_ = std::make_unique<sky::TSkyImage>();
    image_->SetColorSchemes(schemes_.screen[0], schemes_.printer[0]);
  }
  sky::TColorSchemes schemes_;
  std::unique_ptr<sky::TSkyImage> image_;
};

TEST_F(ColorSchemesSelectTest, ListsMarkTheCurrentSchemesAndOkTakesTheSelection) {
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
    EXPECT_EQ(c.Item(S::kFirstList, 0), "\x95 A");
    EXPECT_EQ(c.Item(S::kFirstList, 1), "   B");
    EXPECT_EQ(c.Selected(S::kFirstList), 0);
    EXPECT_FALSE(c.Enabled(S::kFirstDelete + 1)) << "the only printer scheme";
    EXPECT_TRUE(c.Enabled(S::kFirstDelete));
    c.Choose(l, S::kFirstList, 1);
    return c.PressOk(l);
  }});
  const TColorSchemesOutcome outcome = ShowColorSchemesSelect(0, schemes_, *image_);
  EXPECT_TRUE(outcome.accepted);
  EXPECT_TRUE(outcome.screenSchemeChanged);
  EXPECT_EQ(&image_->Scheme(false), schemes_.screen[1].get());
  EXPECT_FALSE(schemes_.changed);
}

TEST_F(ColorSchemesSelectTest, AddingKeepsOnlyAConfirmedScheme) {
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          c.Press(l, S::kFirstAdd + 1);  // cancelled in the editor
                          EXPECT_EQ(c.ItemCount(S::kFirstList + 1), 1);
                          c.Press(l, S::kFirstAdd + 1);
                          EXPECT_EQ(c.ItemCount(S::kFirstList + 1), 2);
                          EXPECT_EQ(c.Selected(S::kFirstList + 1), 1);
                          EXPECT_TRUE(c.Enabled(S::kFirstDelete + 1));
                          return false;
                        },
                        [](TFakeControls&, TLogic&) { return false; },
                        [](TFakeControls& c, TLogic& l) {
                          EXPECT_EQ(c.Text(TColorParam::kNameEdit),
                                    Cp1251("Новая цветовая схема для принтера"));
                          return c.PressOk(l);
                        }});
  const TColorSchemesOutcome outcome = ShowColorSchemesSelect(0, schemes_, *image_);
  EXPECT_FALSE(outcome.accepted);
  ASSERT_EQ(schemes_.printer.size(), 2u);
  EXPECT_TRUE(schemes_.printer[1]->Printer());
  EXPECT_EQ(schemes_.printer[1]->Color(kit::kNightBackgroundColour), Rgb(255, 255, 255));
  EXPECT_TRUE(schemes_.changed);
  EXPECT_EQ(&image_->Scheme(true), schemes_.printer[0].get()) << "cancel keeps the current";
}

TEST_F(ColorSchemesSelectTest, EditingTheCurrentScreenSchemeAsksForANewPalette) {
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                          c.Press(l, S::kFirstEdit);
                          return false;
                        },
                        [](TFakeControls& c, TLogic& l) {
                          c.Type(l, TColorParam::kNameEdit, "A2");
                          return c.PressOk(l);
                        }});
  const TColorSchemesOutcome outcome = ShowColorSchemesSelect(0, schemes_, *image_);
  EXPECT_FALSE(outcome.accepted);
  EXPECT_TRUE(outcome.screenSchemeChanged);
  EXPECT_EQ(schemes_.screen[0]->Name(), "A2");
  EXPECT_TRUE(schemes_.changed);
}

TEST_F(ColorSchemesSelectTest, DeletingTheCurrentSchemeLeavesOnlyOk) {
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                         c.Press(l, S::kFirstDelete);
                         EXPECT_EQ(c.ItemCount(S::kFirstList), 1);
                         EXPECT_FALSE(c.Enabled(S::kCancel));
                         EXPECT_FALSE(c.Enabled(S::kFirstDelete));
                         return false;  // Esc all the same
                       }},
                       TMessageAnswer::kYes);
  const TColorSchemesOutcome outcome = ShowColorSchemesSelect(0, schemes_, *image_);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].text, Cp1251("Удалять схему?"));
  EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Предупреждение"));
  EXPECT_TRUE(outcome.accepted);
  ASSERT_EQ(schemes_.screen.size(), 1u);
  EXPECT_EQ(&image_->Scheme(false), schemes_.screen[0].get());
  EXPECT_EQ(image_->Scheme(false).Name(), "B");
}

TEST_F(ColorSchemesSelectTest, ADeletionAnsweredNoChangesNothing) {
  TFakeDialogs dialogs({[](TFakeControls& c, TLogic& l) {
                         c.Press(l, S::kFirstDelete);
                         EXPECT_TRUE(c.Enabled(S::kCancel));
                         return c.Press(l, 0) || l.DoubleClicked(c, S::kFirstList + 1);
                       }},
                       TMessageAnswer::kNo);
  const TColorSchemesOutcome outcome = ShowColorSchemesSelect(0, schemes_, *image_);
  EXPECT_TRUE(outcome.accepted) << "a double click on a scheme closes with OK";
  EXPECT_EQ(schemes_.screen.size(), 2u);
  EXPECT_FALSE(schemes_.changed);
  EXPECT_FALSE(outcome.screenSchemeChanged);
}

}  // namespace
}  // namespace velarion::ui

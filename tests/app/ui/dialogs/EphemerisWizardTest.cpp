#include "EphemerisWizard.h"

#include "Cp1251.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velarion::ui {
namespace {

using ephemeris::TEphemColumn;
using velplatform::Cp1251;
using veltest::TFakeControls;
using W = TEphemerisWizard;

// Objects stand for themselves by their index; no group is ever asked.
TMenuObject Object(int32_t index, const char* name) {
  return {{nullptr, index}, Cp1251(name), true};
}

class TFakeHost final : public TEphemerisHost {
 public:
  std::vector<TMenuObject> selected;
  std::vector<TMenuObject> chosen;
  struct TPeriodCall {
    TMenuObject object;
    ephemeris::TPeriod period;
    ephemeris::TColumnChoice columns;
  };
  std::optional<TPeriodCall> periodTable;
  std::optional<std::vector<TMenuObject>> groupTable;
  ephemeris::TColumnChoice groupColumns;

  std::vector<TMenuObject> SelectedObjects() override { return selected; }
  std::vector<TMenuObject> ChooseSelected() override { return chosen; }
  double ViewLocalMjd() const override { return 51544.75; }  // 2000-01-01 18h
  bool WriteGroupTable(const std::vector<TMenuObject>& objects,
                       const ephemeris::TColumnChoice& columns) override {
    groupTable = objects;
    groupColumns = columns;
    return true;
  }
  bool WritePeriodTable(const TMenuObject& object, const ephemeris::TPeriod& period,
                        const ephemeris::TColumnChoice& columns) override {
    periodTable = TPeriodCall{object, period, columns};
    return true;
  }
};

int32_t Page(const TFakeControls& c) { return c.CurrentPage(W::kPages); }

// Plays the user against the wizard opened on `page`.
void Play(TFakeHost& host, std::vector<TMenuObject>& list, TEphemerisPage page,
          const std::function<void(TFakeControls&, W&)>& user,
          velplatform::TMessageAnswer answer = velplatform::TMessageAnswer::kYes,
          int* beeps = nullptr) {
  W wizard(host, list, page);
  veltest::TFakeDialogs dialogs({[&](TFakeControls& c, velplatform::TDialogLogic&) {
                                  user(c, wizard);
                                  return false;
                                }},
                                answer);
  velplatform::RunDialog(0, W::Layout(), wizard);
  if (beeps != nullptr) *beeps = dialogs.Beeps();
}

TEST(EphemerisWizard, TheButtonsFollowThePagesBothWays) {
  TFakeHost host;
  host.selected = {Object(1, "Марс")};
  std::vector<TMenuObject> list;
  Play(host, list, TEphemerisPage::kKind, [](TFakeControls& c, W& w) {
    EXPECT_EQ(Page(c), 1);
    EXPECT_FALSE(c.Enabled(W::kBack));
    EXPECT_FALSE(c.Enabled(W::kCompute));
    c.Click(w, W::kPeriodKind, true);
    c.Click(w, W::kGroupKind, false);
    c.Press(w, W::kNext);
    EXPECT_EQ(Page(c), static_cast<int32_t>(TEphemerisPage::kPeriod));
    c.Press(w, W::kNext);
    EXPECT_EQ(Page(c), static_cast<int32_t>(TEphemerisPage::kColumns));
    EXPECT_FALSE(c.Enabled(W::kNext));
    EXPECT_TRUE(c.Enabled(W::kCompute));
    EXPECT_TRUE(c.Enabled(W::kFirstColumn + static_cast<int32_t>(TEphemColumn::kJulianDate)));
    c.Press(w, W::kBack);
    EXPECT_EQ(Page(c), static_cast<int32_t>(TEphemerisPage::kPeriod));
    c.Press(w, W::kBack);
    EXPECT_EQ(Page(c), 1);
  });
}

TEST(EphemerisWizard, NextBeepsWithoutAnObjectToTabulate) {
  TFakeHost host;
  std::vector<TMenuObject> list;
  int beeps = 0;
  Play(
      host, list, TEphemerisPage::kGroup,
      [](TFakeControls& c, W& w) {
        c.Press(w, W::kNext);  // the table list is empty
        EXPECT_EQ(Page(c), static_cast<int32_t>(TEphemerisPage::kGroup));
        c.Press(w, W::kBack);
        c.Click(w, W::kPeriodKind, true);
        c.Click(w, W::kGroupKind, false);
        c.Press(w, W::kNext);
        c.Press(w, W::kNext);  // nothing is selected on the sky
        EXPECT_EQ(Page(c), static_cast<int32_t>(TEphemerisPage::kPeriod));
      },
      velplatform::TMessageAnswer::kYes, &beeps);
  EXPECT_EQ(beeps, 2);
}

TEST(EphemerisWizard, TheTableListTakesEachObjectOnceAndAsksBeforeRemoving) {
  TFakeHost host;
  host.chosen = {Object(1, "Марс"), Object(2, "Вега")};
  std::vector<TMenuObject> list{Object(2, "Вега")};
  Play(host, list, TEphemerisPage::kGroup, [](TFakeControls& c, W& w) {
    c.Press(w, W::kAddSelected);
    EXPECT_EQ(c.ItemCount(W::kTableObjects), 2);
    c.Choose(w, W::kTableObjects, 0);
    c.Press(w, W::kRemove);
    EXPECT_EQ(c.Item(W::kTableObjects, 0), Cp1251("Марс"));
  });
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].object.index, 1);

  // "No" keeps the list; clearing an empty list asks nothing.
  Play(
      host, list, TEphemerisPage::kGroup,
      [](TFakeControls& c, W& w) {
        c.Press(w, W::kClear);
        EXPECT_EQ(c.ItemCount(W::kTableObjects), 1);
      },
      velplatform::TMessageAnswer::kNo);
  EXPECT_EQ(list.size(), 1u);
  std::vector<TMenuObject> empty;
  veltest::TFakeDialogs counting;
  W wizard(host, empty, TEphemerisPage::kGroup);
  TFakeControls controls(W::Layout());
  wizard.Init(controls);
  controls.Press(wizard, W::kClear);
  controls.Press(wizard, W::kRemove);
  EXPECT_TRUE(counting.Messages().empty());
}

TEST(EphemerisWizard, ComputesTheGroupTableWithTheNameColumnAndNoDates) {
  TFakeHost host;
  std::vector<TMenuObject> list{Object(1, "Марс"), Object(2, "Вега")};
  Play(host, list, TEphemerisPage::kGroup, [](TFakeControls& c, W& w) {
    c.Press(w, W::kNext);
    c.Click(w, W::kFirstColumn + static_cast<int32_t>(TEphemColumn::kDistance), true);
    c.Choose(w, W::kEquatorialPrecision, 3);
    c.Click(w, W::kRightAscension, true);
    c.Click(w, W::kHourAngle, false);
    c.Press(w, W::kCompute);
  });
  ASSERT_TRUE(host.groupTable);
  EXPECT_EQ(host.groupTable->size(), 2u);
  const ephemeris::TColumnChoice& columns = host.groupColumns;
  EXPECT_TRUE(columns.Shows(TEphemColumn::kName));
  EXPECT_FALSE(columns.Shows(TEphemColumn::kDate));  // checked, but not a group column
  EXPECT_TRUE(columns.Shows(TEphemColumn::kEquatorialOfDate));
  EXPECT_TRUE(columns.Shows(TEphemColumn::kDistance));
  EXPECT_EQ(columns.equatorialPrecision, 3);
  EXPECT_FALSE(columns.hourAngle);
}

TEST(EphemerisWizard, ComputesThePeriodTableFromTheTypedMoments) {
  TFakeHost host;
  host.selected = {Object(1, "Марс"), Object(2, "Вега")};
  std::vector<TMenuObject> list;
  Play(host, list, TEphemerisPage::kPeriod, [](TFakeControls& c, W& w) {
    EXPECT_EQ(c.Text(W::kStart.Hours()), "18.000000");  // the view's local moment
    c.Choose(w, W::kSelectedObjects, 1);
    c.Type(w, W::kStart.Hours(), "0");
    c.Type(w, W::kEnd.day, "3");
    c.Type(w, W::kEnd.Hours(), "0");
    c.Type(w, W::kStepHours, "12");
    c.Press(w, W::kNext);
    c.Press(w, W::kCompute);
  });
  ASSERT_TRUE(host.periodTable);
  EXPECT_EQ(host.periodTable->object.object.index, 2);
  EXPECT_DOUBLE_EQ(host.periodTable->period.startLocalMjd, 51544.0);
  EXPECT_DOUBLE_EQ(host.periodTable->period.endLocalMjd, 51546.0);
  EXPECT_DOUBLE_EQ(host.periodTable->period.stepDays, 1.5);
  EXPECT_TRUE(host.periodTable->columns.Shows(TEphemColumn::kDate));
  EXPECT_FALSE(host.periodTable->columns.Shows(TEphemColumn::kName));
}

}  // namespace
}  // namespace velarion::ui

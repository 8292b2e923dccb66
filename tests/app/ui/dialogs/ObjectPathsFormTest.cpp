#include "ObjectPathsForm.h"

#include "Cp1251.h"
#include "FakeDialogs.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velarion::ui {
namespace {

using velplatform::Cp1251;
using veltest::TFakeControls;
using F = TObjectPathsForm;

TMenuObject Object(int32_t index, const char* name) {
  return {{nullptr, index}, Cp1251(name), true};
}

class TFakeHost final : public TPathsHost {
 public:
  std::vector<TMenuObject> chosen;
  std::vector<TPathEntry> computed;
  std::vector<paths::TTimeSpan> spans;
  int removed = 0;
  bool pathsFirst = false;

  std::vector<TMenuObject> ChooseSelected() override { return chosen; }
  double ViewLocalMjd() const override { return 51544.75; }  // 2000-01-01 18h
  double TimeZoneHours() const override { return 3.0; }
  bool ComputePath(const TPathEntry& entry, const paths::TTimeSpan& span) override {
    computed.push_back(entry);
    spans.push_back(span);
    return true;
  }
  void RemovePath(const TPathEntry&) override { ++removed; }
  bool PathsFirst() const override { return pathsFirst; }
  void SetPathsFirst(bool first) override { pathsFirst = first; }
};

struct TRun {
  std::vector<velplatform::TMessageBoxRequest> messages;
  int beeps = 0;
};

TRun Play(TFakeHost& host, std::vector<TPathEntry>& entries,
          const std::function<void(TFakeControls&, F&)>& user,
          velplatform::TMessageAnswer answer = velplatform::TMessageAnswer::kYes) {
  F form(host, entries);
  veltest::TFakeDialogs dialogs({[&](TFakeControls& c, velplatform::TDialogLogic&) {
                                  user(c, form);
                                  return false;
                                }},
                                answer);
  velplatform::RunDialog(0, F::Layout(), form);
  return {dialogs.Messages(), dialogs.Beeps()};
}

TEST(ObjectPathsForm, AddsTheChosenObjectsAndAppliesOnlyWhatChanged) {
  TFakeHost host;
  host.chosen = {Object(4, "Марс")};
  std::vector<TPathEntry> entries;
  Play(host, entries, [&host](TFakeControls& c, F& f) {
    EXPECT_FALSE(c.Enabled(F::kApply));  // nothing to apply to
    c.Press(f, F::kAdd);
    ASSERT_EQ(c.ItemCount(F::kPaths), 1);
    EXPECT_EQ(c.Text(F::kStart.Hours()), "18.0000");
    EXPECT_FALSE(c.Checked(F::kMarks));
    EXPECT_FALSE(c.Enabled(F::kUnit));
    c.Type(f, F::kEnd.Year(), "2001");
    EXPECT_TRUE(c.Enabled(F::kApply));
    c.Press(f, F::kApply);
    ASSERT_EQ(host.computed.size(), 1u);
    EXPECT_EQ(host.computed[0].fields.end.year, 2001);
    EXPECT_DOUBLE_EQ(host.spans[0].tStart, GetT(51544.75 - 3.0 / 24.0));
    EXPECT_FALSE(c.Enabled(F::kApply));  // the fields are the path's
    c.Click(f, F::kMarks, true);
    EXPECT_TRUE(c.Enabled(F::kApply));
    EXPECT_EQ(c.Text(F::kMultiplier), "1");
    EXPECT_EQ(c.Item(F::kUnit, c.Selected(F::kUnit)), Cp1251("день"));
    EXPECT_EQ(c.Item(F::kLabels, c.Selected(F::kLabels)), Cp1251("подписывать все метки"));
    c.Choose(f, F::kLabels, 3);
    c.Press(f, F::kApply);
    ASSERT_EQ(host.computed.size(), 2u);
    EXPECT_EQ(host.computed[1].fields.marks.unit, paths::TMarkUnit::kDay);
    EXPECT_EQ(host.computed[1].fields.marks.labelInterval, 5);
  });
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].computed);
}

TEST(ObjectPathsForm, RefusesWhatCannotBeDrawn) {
  struct TCase {
    const char* field;
    std::function<void(TFakeControls&, F&)> type;
    const char* message;
    const char* caption;
  };
  const TCase cases[] = {
      {"start year", [](TFakeControls& c, F& f) { c.Type(f, F::kStart.Year(), "0"); },
       "Неверный номер года", "Ошибка в дате начала траектории"},
      {"end hours", [](TFakeControls& c, F& f) { c.Type(f, F::kEnd.Hours(), "25"); },
       "Время должно быть от 0 до 24 ч.", "Ошибка в дате окончания траектории"},
      {"end day",
       [](TFakeControls& c, F& f) {
         c.Type(f, F::kEnd.day, "30");
         c.Choose(f, F::kEnd.Month(), 1);
       },
       "День должен быть от 1 до 29", "Ошибка в дате окончания траектории"},
      {"end before start", [](TFakeControls& c, F& f) { c.Type(f, F::kEnd.Hours(), "17"); },
       "Дата окончания траектории должна быть больше даты начала", "Ошибка"},
      {"multiplier",
       [](TFakeControls& c, F& f) {
         c.Click(f, F::kMarks, true);
         c.Type(f, F::kMultiplier, "0");
       },
       "Неверный множитель шага меток", "Ошибка"},
      {"marks",
       [](TFakeControls& c, F& f) {
         c.Type(f, F::kEnd.Year(), "2050");
         c.Click(f, F::kMarks, true);
       },
       "Максимальное количество меток - 16384", "Ошибка"},
  };
  for (const TCase& test : cases) {
    TFakeHost host;
    host.chosen = {Object(4, "Марс")};
    std::vector<TPathEntry> entries;
    const TRun run = Play(host, entries, [&test](TFakeControls& c, F& f) {
      c.Press(f, F::kAdd);
      test.type(c, f);
      c.Press(f, F::kApply);
    });
    EXPECT_TRUE(host.computed.empty()) << test.field;
    ASSERT_EQ(run.messages.size(), 1u) << test.field;
    EXPECT_EQ(run.messages[0].text, Cp1251(test.message)) << test.field;
    EXPECT_EQ(run.messages[0].title, Cp1251(test.caption)) << test.field;
  }
}

TEST(ObjectPathsForm, DeletesOnYesAndBeepsWithNothingToAdd) {
  TFakeHost host;
  std::vector<TPathEntry> entries;
  const TRun nothing = Play(host, entries, [](TFakeControls& c, F& f) { c.Press(f, F::kAdd); });
  EXPECT_EQ(nothing.beeps, 1);

  host.chosen = {Object(4, "Марс")};
  Play(host, entries, [](TFakeControls& c, F& f) {
    c.Press(f, F::kAdd);
    c.Press(f, F::kApply);
  });
  Play(
      host, entries, [](TFakeControls& c, F& f) { c.Press(f, F::kDelete); },
      velplatform::TMessageAnswer::kNo);
  EXPECT_EQ(entries.size(), 1u);
  const TRun deleted = Play(host, entries, [](TFakeControls& c, F& f) {
    EXPECT_EQ(c.Selected(F::kPaths), 0);
    c.Press(f, F::kDelete);
    EXPECT_EQ(c.ItemCount(F::kPaths), 0);
  });
  EXPECT_TRUE(entries.empty());
  EXPECT_EQ(host.removed, 1);
  ASSERT_EQ(deleted.messages.size(), 1u);
  EXPECT_EQ(deleted.messages[0].text, Cp1251("Удалять объект?"));
}

TEST(ObjectPathsForm, ControlFAndBPutThePathsOverAndUnderTheOtherGroups) {
  TFakeHost host;
  std::vector<TPathEntry> entries;
  Play(host, entries, [&host](TFakeControls& c, F& f) {
    EXPECT_TRUE(c.Checked(F::kFront));
    EXPECT_TRUE(f.KeyPressed(c, {U'b', true}));
    EXPECT_TRUE(host.pathsFirst);
    EXPECT_TRUE(c.Checked(F::kBack));
    EXPECT_TRUE(f.KeyPressed(c, {U'а', true}));  // Ctrl+F on a Cyrillic layout
    EXPECT_FALSE(host.pathsFirst);
    EXPECT_FALSE(f.KeyPressed(c, {U'b', false}));
  });
}

}  // namespace
}  // namespace velarion::ui

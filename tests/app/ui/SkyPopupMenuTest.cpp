#include "SkyPopupMenu.h"

#include "Cp1251.h"
#include "ObjectGroup.h"
#include "StdGroup.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

class TGroupOf : public kit::TObjectGroup {
 public:
  TGroupOf(const char* name, int32_t count) : name_(name), count_(count) {}
  void Init() override {
    Name = name_;
    ObjectCount = count_;
  }

 private:
  const char* name_;
  int32_t count_;
};

struct TFixture {
  groups::TStdGroup comets{kit::MakeGroup<TGroupOf>("Comets", 5)};
  groups::TStdGroup sun{kit::MakeGroup<TGroupOf>("Sun", 1)};
  // Comet 1 is named, comet 2 has only a place, comet 3 nothing; the Sun has a place.
  TCommonRecordOf recordOf =
      [this](const sky::TSelectedObject& s) -> std::optional<kit::TCommonObject> {
    kit::TCommonObject r;
    if (s.group == &comets && s.index == 1) r = {kit::kObjectName, "Halley"};
    if (s.group == &comets && s.index == 2) r.flags = kit::kObjectPositionFixed;
    if (s.group == &sun) r.flags = kit::kObjectPositionSolarSystem | kit::kObjectSize;
    if (s.group == &comets && s.index == 4) r.flags = kit::kObjectVisualMagnitude;
    if (r.flags == 0) return std::nullopt;
    return r;
  };
};

TEST(SkyPopupMenu, EntriesTheLastSelectedFirstCaptionedByNameOrGroup) {
  TFixture f;
  const std::vector<sky::TSelectedObject> selection{
      {&f.sun, 1}, {&f.comets, 1}, {&f.comets, 3}, {&f.comets, 2}, {&f.comets, 4}};
  const std::vector<TMenuObject> objects = MenuObjects(selection, f.recordOf);
  ASSERT_EQ(objects.size(), 4u);  // comet 3, known of nothing, is left out
  EXPECT_EQ(velplatform::Cp1251ToUtf8(objects[0].caption), "Объект группы \"Comets\"");
  EXPECT_FALSE(objects[0].hasPosition);  // a magnitude alone
  EXPECT_EQ(velplatform::Cp1251ToUtf8(objects[1].caption), "Объект группы \"Comets\"");
  EXPECT_EQ(objects[2].caption, "Halley");
  EXPECT_EQ(objects[3].caption, "Sun");  // a group of one object
  EXPECT_TRUE(objects[3].hasPosition);
}

TEST(SkyPopupMenu, WhichSubmenusAreOpen) {
  TFixture f;
  const std::vector<sky::TSelectedObject> withPlace{{&f.comets, 2}};
  const std::vector<sky::TSelectedObject> magnitudeOnly{{&f.comets, 4}};
  const auto states = [&](const std::vector<sky::TSelectedObject>& selection, bool search,
                          bool autoRotation) {
    return SkyMenuStates(MenuObjects(selection, f.recordOf), search, autoRotation);
  };
  EXPECT_EQ(states({}, true, false), (TSkyMenuStates{false, true, false, false, false}));
  EXPECT_EQ(states(withPlace, true, false), (TSkyMenuStates{true, true, true, true, true}));
  // While the time runs by itself only the information stays open.
  EXPECT_EQ(states(withPlace, false, true), (TSkyMenuStates{true, false, false, false, false}));
  EXPECT_EQ(states(magnitudeOnly, true, false), (TSkyMenuStates{true, true, false, true, true}));
}

TEST(SelectedObjectsChoice, AllUntilTheUserChoosesOneOrNone) {
  TFixture f;
  const std::vector<sky::TSelectedObject> selection{{&f.sun, 1}, {&f.comets, 4}, {&f.comets, 2}};
  TSelectedObjectsChoice choice;
  choice.Build(selection, f.recordOf, [](const TMenuObject& o) { return o.hasPosition; });
  ASSERT_EQ(choice.Objects().size(), 2u);  // the one without a place is not offered
  EXPECT_EQ(choice.ChosenCount(), 2);
  EXPECT_EQ(choice.Chosen(1)->group, &f.sun);
  choice.Choose(1);
  EXPECT_EQ(choice.ChosenCount(), 1);
  EXPECT_EQ(choice.Chosen(0)->group, &f.sun);
  EXPECT_FALSE(choice.Chosen(1));
  choice.ChooseNothing();
  EXPECT_FALSE(choice.Chosen(0));
}

}  // namespace
}  // namespace velarion::ui

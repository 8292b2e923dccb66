#include "ObjHints.h"

#include "ObjectGroup.h"
#include "StdGroup.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

// Objects named by a table; an empty name is an object without one.
class TNamedGroup : public kit::TObjectGroup {
 public:
  explicit TNamedGroup(std::vector<std::string> names) : names_(std::move(names)) {}
  void Init() override { ObjectCount = static_cast<int32_t>(names_.size()); }
  std::string GetObjectName(int32_t index) override { return names_.at(index - 1); }

 private:
  std::vector<std::string> names_;
};

std::vector<sky::TSelectedObject> Picked(groups::TSkyObjectGroup& group, int32_t count) {
  std::vector<sky::TSelectedObject> picked;
  for (int32_t n = 1; n <= count; ++n) picked.push_back({&group, n});
  return picked;
}

TEST(HintLines, TenNamesThenAMark) {
  std::vector<std::string> names;
  for (int i = 1; i <= 12; ++i) names.push_back("s" + std::to_string(i));
  groups::TStdGroup group(kit::MakeGroup<TNamedGroup>(names));
  const std::vector<std::string> lines = HintLines(Picked(group, 12));
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(lines.front(), "s12");  // the last picked first
  EXPECT_EQ(lines[9], "s3");
  EXPECT_EQ(lines.back(), " [...]");
}

TEST(HintLines, EmptyNamesAndARepeatedNameAreLeftOut) {
  groups::TStdGroup group(
      kit::MakeGroup<TNamedGroup>(std::vector<std::string>{"Vega", "", "Mars", "Mars", "Vega"}));
  EXPECT_EQ(HintLines(Picked(group, 5)), (std::vector<std::string>{"Vega", "Mars", "Vega"}));
}

TEST(HintRectangle, BelowThePointerWithinTheScreenAboveItAtTheFoot) {
  struct TCase {
    velplatform::TPoint pointer;
    velplatform::TRect expected;
  };
  // 100 px of text on two 15 px lines: 106 × 34; the pointer's picture is 30 px high.
  const TCase cases[] = {
      {{200, 300}, {197, 319, 303, 353}},  // 21 px below the pointer
      {{780, 300}, {694, 319, 800, 353}},  // pulled in from the right edge
      {{1, 300}, {0, 319, 106, 353}},      // not beyond the left edge
      {{200, 590}, {197, 554, 303, 588}},  // above the pointer, 2 px clear of it
  };
  for (const TCase& c : cases) {
    const THintPlace place{c.pointer, 100, 2, 15, 30, 800, 600};
    EXPECT_EQ(HintRectangle(place), c.expected) << c.pointer.x << "," << c.pointer.y;
  }
}

}  // namespace
}  // namespace velarion::ui

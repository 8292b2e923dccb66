// The proper star names "SNAME": a group that is never drawn, its record cut to the
// buffer, and the search that finds the star of "BSC5P" by name, moved by its proper
// motion to the view's moment.
#include "StarNames.h"

#include "ConstellationTestSupport.h"
#include "FakeDialogs.h"
#include "FindForm.h"

#include <gtest/gtest.h>

namespace {

using velarion::catalogues::MakeStarNamesGroup;
using velarion::catalogues::TFindForm;
using veltest::Cp1251;
using veltest::TFakeControls;
using veltest::TFakeDialogs;

// A stand-in for the bright stars: records of 56 bytes with the first 16 filled.
class TBrightStars final : public velarion::kit::TObjectGroup {
 public:
  struct TStar {
    uint16_t hr;
    int32_t ra, dec;      // arc-seconds
    int16_t pmRa, pmDec;  // milli-arc-seconds per year
  };
  explicit TBrightStars(std::vector<TStar> stars) : stars_(std::move(stars)) {}
  void Init() override {
    Code = "BSC5P";
    ObjectCount = static_cast<int32_t>(stars_.size());
  }
  int32_t GetObjectData(int32_t n, std::span<std::byte> buffer) override {
    if (!IsValidIndex(n) || buffer.size() < 56) return 0;
    allFieldsAsked = allFieldsAsked || buffer[16] != std::byte{0};
    const TStar& s = stars_[static_cast<std::size_t>(n - 1)];
    velplatform::PutField(buffer, 0, s.hr);
    velplatform::PutField(buffer, 2, s.ra);
    velplatform::PutField(buffer, 6, s.dec);
    velplatform::PutField(buffer, 10, s.pmRa);
    velplatform::PutField(buffer, 12, s.pmDec);
    return 56;
  }
  bool allFieldsAsked = false;

 private:
  std::vector<TStar> stars_;
};

class StarNames : public testing::Test {
 protected:
  void SetUp() override {
    scratch.Write("StarName.dat", Cp1251("15 Альферац\n424 Полярная [Киносура]\n7001 Вега\n"
                                         "7002 Оченьдлинноеимязвездыдлятестазаписи\n"));
    group = MakeStarNamesGroup(scratch.Folder());
    ASSERT_TRUE(group->InitResources(0));
  }
  int32_t Search(const char* typed) {
    TFakeDialogs dialogs({[typed](TFakeControls& c, velplatform::TDialogLogic& l) {
      c.Type(l, TFindForm::kNameEdit, Cp1251(typed));
      return c.PressOk(l);
    }});
    return group->SelectObjectForSearch(0);
  }

  veltest::TScratchFolder scratch;
  velarion::kit::TGroupPtr group;
};

TEST_F(StarNames, NeverEntersAViewAndReportsItsFindsAsBrightStars) {
  EXPECT_EQ(group->Code, "SNAME");
  EXPECT_EQ(group->Name, Cp1251("Собственные имена звезд"));
  EXPECT_FALSE(group->ShowInQuickView);
  EXPECT_FALSE(group->ShowInDetailedView);
  EXPECT_FALSE(group->Selectable);
  EXPECT_EQ(group->EpochKind, 0);
  EXPECT_EQ(group->SearchCaption, Cp1251("звезду по собственному имени"));
  EXPECT_EQ(group->SearchGroupCode, "BSC5P");
  EXPECT_EQ(group->GetObjectCount(), 4);
  group.reset();
  velarion::kit::TGroupPtr missing = MakeStarNamesGroup(scratch.Folder() + "none/");
  TFakeDialogs dialogs;
  EXPECT_FALSE(missing->InitResources(0));
  EXPECT_EQ(dialogs.Messages().at(0).text, Cp1251("Не могу открыть файл STARNAME.DAT"));
}

TEST_F(StarNames, RecordIsTheNumberAndTheNameCutToTheBuffer) {
  const struct {
    int32_t star;
    std::size_t size;
    int32_t result;
    std::string name;  // as it stands in the record, without its zero
  } cases[] = {
      {3, 40, 9, Cp1251("Вега")},
      {2, 34, 24, Cp1251("Полярная [Киносура]")},
      {4, 34, 34, Cp1251("Оченьдлинноеимязвездыдлятеста")},  // 29 characters and the zero
      {4, 33, 0, ""},
      {5, 40, 0, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::byte> buffer(c.size + 4, std::byte{0xAA});
    EXPECT_EQ(group->GetObjectData(c.star, std::span(buffer).first(c.size)), c.result) << c.star;
    if (c.result == 0) {
      EXPECT_EQ(buffer[0], std::byte{0xAA});
      continue;
    }
    EXPECT_EQ(velplatform::GetField<int32_t>(buffer, 0), c.star == 3   ? 7001
                                                         : c.star == 2 ? 424
                                                                       : 7002);
    EXPECT_EQ(velplatform::GetText(buffer, 4, c.size - 4), c.name);
    EXPECT_EQ(buffer[static_cast<std::size_t>(c.result) - 1], std::byte{0});
    EXPECT_EQ(buffer[c.size], std::byte{0xAA});  // nothing past the buffer
  }
}

TEST_F(StarNames, SearchFindsTheBrightStarWithTheNamesNumberAtTheViewsMoment) {
  veltest::TMainList list;
  auto* stars = static_cast<TBrightStars*>(list.Add(velarion::kit::MakeGroup<TBrightStars>(
      std::vector<TBrightStars::TStar>{{15, 7000, 105000, 0, 0},
                                       {7002, 1000, 2000, 0, 0},
                                       {7001, 1005012, 138780, 500, 1000}})));
  ASSERT_NE(stars, nullptr);
  group->View.mjdUt = 51544.0 + 3652.5;  // ten years: 5" east and 10" north
  EXPECT_EQ(Search("вега"), 3);
  EXPECT_DOUBLE_EQ(group->SearchRa, 1005017 / 3600.0);
  EXPECT_DOUBLE_EQ(group->SearchDec, 138790 / 3600.0);
  EXPECT_FALSE(stars->allFieldsAsked);
  EXPECT_EQ(Search("полярная [к"), -1);  // named, but not among the bright stars
  EXPECT_EQ(Search("сириус"), -1);
}

TEST_F(StarNames, SearchWithoutTheBrightStarsFindsNothing) { EXPECT_EQ(Search("вега"), -1); }

}  // namespace

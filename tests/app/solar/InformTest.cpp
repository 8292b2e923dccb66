// The information window's content and the general information's rows.
#include "Inform.h"

#include "CommInfo.h"
#include "Cp1251.h"
#include "ObjectGroup.h"
#include "StdGroup.h"

#include <gtest/gtest.h>

#include <memory>

namespace velarion::solar {
namespace {

using velplatform::Cp1251;

// A group whose objects have `lineCount` lines each ("n.k") and `commands` extra commands.
class TLinesGroup : public kit::TObjectGroup {
 public:
  TLinesGroup(int32_t lineCount, int32_t commands) : lineCount_(lineCount), commands_(commands) {}
  void Init() override {
    ObjectCount = 3;
    for (int32_t j = 1; j <= commands_; ++j) InfoItems.Add("cmd" + std::to_string(j));
  }
  void GetObjectStrings(int32_t index, kit::TZStrings& lines) override {
    for (int32_t k = 1; k <= lineCount_; ++k) {
      lines.Add(std::to_string(index) + "." + std::to_string(k));
    }
  }

 private:
  int32_t lineCount_;
  int32_t commands_;
};

struct TWrapped {
  explicit TWrapped(int32_t lines, int32_t commands)
      : group(kit::MakeGroup<TLinesGroup>(lines, commands)) {}
  groups::TStdGroup group;
};

TEST(InfoContent, TheLastSelectedComesFirstWithTitlesCommandsAndClosingLines) {
  TWrapped withCommand(3, 1);
  TWrapped plain(2, 0);
  const std::vector<sky::TSelectedObject> selection{{&plain.group, 1}, {&withCommand.group, 2}};
  const TInfoContent c = BuildInfoContent(selection, 16);
  const std::vector<std::string> expected{std::string(kTitleMark) + "2.1", "2.2", "2.3", "", "",
                                          std::string(kTitleMark) + "1.1", "1.2", ""};
  EXPECT_EQ(c.lines, expected);
  EXPECT_EQ(c.titleTops, (std::vector<int32_t>{0, InfoLineTop(5, 16)}));
  ASSERT_EQ(c.commands.size(), 1u);
  EXPECT_EQ(c.commands[0].top, 55);  // the top of line 3 less one
  EXPECT_EQ(InfoButtonHeight(16), 21);
  EXPECT_EQ(c.commands[0].number, 2);
  EXPECT_EQ(c.commands[0].command, 1);
  EXPECT_EQ(c.commands[0].caption, "cmd1");
  // Products first, then the division: 0, 18, 37, 56.
  EXPECT_EQ(InfoLineTop(2, 16), 37);
  EXPECT_EQ(InfoLineTop(3, 16), 56);
}

TEST(InfoContent, TheScrollRangeOfOneObjectWithOneCommand) {
  TWrapped group(3, 1);
  const std::vector<sky::TSelectedObject> selection{{&group.group, 1}};
  const TInfoContent c = BuildInfoContent(selection, 16);
  EXPECT_EQ(c.lines.size(), 5u);
  EXPECT_EQ(InfoScrollRange(c), 94);
}

// Buttons stand taller than lines: six of them must not reach into the next block.
TEST(InfoContent, ManyCommandsKeepTheirButtonsClearOfTheNextBlock) {
  TWrapped many(3, 6);
  TWrapped next(1, 0);
  const std::vector<sky::TSelectedObject> selection{{&next.group, 1}, {&many.group, 1}};
  const TInfoContent c = BuildInfoContent(selection, 16);
  ASSERT_EQ(c.commands.size(), 6u);
  ASSERT_EQ(c.titleTops.size(), 2u);
  const TInfoCommand& last = c.commands.back();
  EXPECT_LE(last.top + InfoButtonHeight(16), c.titleTops[1]);
}

TEST(InfoContent, CopiedLinesArePlainWithTitlesMarked) {
  const std::vector<std::string> lines{std::string(kTitleMark) +
                                           "\x01Star \x02"
                                           "a",
                                       "\x01V: 1.00", std::string(kTitleMark), ""};
  EXPECT_EQ(InfoPlainLines(lines),
            (std::vector<std::string>{"\xBBStar Alp", "V: 1.00", "\xBB", ""}));
  EXPECT_EQ(InfoClipboardText(lines), "\xBBStar Alp\r\nV: 1.00\r\n\xBB\r\n");
  EXPECT_EQ(TitleText(std::string(kTitleMark)), "");  // an empty title shows no raw mark
}

TEST(CommonInformation, RowsAsTheWindowShowsThem) {
  const TCommonInfoView view{51544.5, 3.0, 0.0, 6.5, -37.5, -33.25};
  const std::vector<std::string> lines = CommonInfoLines(CommonInformation(view));
  ASSERT_EQ(lines.size(), 8u);
  const std::vector<std::string> expected{
      "Местное поясное время: 1 янв 2000 н.э. 15ч 0м 0с",
      "Всемирное время (UT): 1 янв 2000 н.э. 12ч 0м 0с",
      "Юлианская дата (JD): 2451545.00000",
      "Модиф. юлианская дата (MJD): 51544.50000",
      "Разница между эфемеридным и всемирным временем (ET-UT): 0.0 с",
      "Местное звездное время: 6ч 30м 0с",
      "Долгота: З 37° 30' 0\" (37.5000°,  2ч 30м 0с,  2.50000ч)",
      "Широта: Ю 33° 15' 0\" (33.2500°)"};
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(velplatform::Cp1251ToUtf8(lines[i]), expected[i]);
  }
  const TCommonInfoView later{51544.5, 0.0, 69.184 / 86400.0, 0.0, 10.0, 50.0};
  EXPECT_EQ(velplatform::Cp1251ToUtf8(CommonInformation(later)[4].value), "+69.2 с");
}

}  // namespace
}  // namespace velarion::solar

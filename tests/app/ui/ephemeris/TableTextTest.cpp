// The framed header block, the units line and rows of cells side by side.
#include "TableText.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velarion::ephemeris {
namespace {

using velplatform::Cp1251;

TColumnLayout Layout(std::vector<std::string> header, std::string units, int32_t width) {
  return {TEphemColumn::kMagnitude, std::move(header), std::move(units), width};
}

TEST(TableText, HeaderBlockCentresFramesAndFillsToThreeLines) {
  const std::vector<TColumnLayout> columns = {Layout({"JD"}, "", 6),
                                              Layout({"ab", "abcde"}, "u", 5)};
  const std::vector<std::string> expected = {
      "-------------",  // 6 + 1, then 5 + 1
      "  JD  | ab  |",  // (6 - 2) div 2 blanks in front; (5 - 2) div 2
      "      |abcde|",
      "      |     |",  // the third line of every block is empty
      "------|-----|",
  };
  EXPECT_EQ(HeaderBlock(columns), expected);
  EXPECT_EQ(UnitsLine(columns), "      |u    |");
}

TEST(TableText, CellsWrapAtTheLastBlankAndStandSideBySide) {
  const std::vector<TColumnLayout> columns = {Layout({}, "", 4), Layout({}, "", 6)};
  const std::vector<std::string> cells = {"ab", "one two three"};
  const std::vector<std::string> expected = {"ab  |one   |", "    |two   |", "    |three |"};
  EXPECT_EQ(RowLines(columns, cells), expected);
}

TEST(TableText, WrapCellCutsAtTheWidthWhenThereIsNoBlank) {
  EXPECT_EQ(WrapCell("abcdefgh", 3), (std::vector<std::string>{"abc", "def", "gh"}));
  EXPECT_EQ(WrapCell(" 12 34.5 +56", 8), (std::vector<std::string>{" 12 34.5", "+56"}));
  EXPECT_EQ(WrapCell("", 3), (std::vector<std::string>{""}));
}

TEST(TableText, PaddingAndTwoDigitRuns) {
  // Blanks in front until the text is longer than the length.
  EXPECT_EQ(PadFront("1.25", 5), "  1.25");
  EXPECT_EQ(PadFront("123456", 5), "123456");
  // Runs after a "." are fractions and stay as they are.
  EXPECT_EQ(TwoDigitRuns("5 3 0.5"), "05 03 00.5");
  EXPECT_EQ(TwoDigitRuns("+7 12.05"), "+07 12.05");
  EXPECT_EQ(TwoDigitRuns(Cp1251("8ч 5м")), Cp1251("08ч 05м"));
}

}  // namespace
}  // namespace velarion::ephemeris

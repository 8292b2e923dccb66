#include "VelarionConsole.h"

#include "Cp1251.h"
#include "Dialogs.h"

#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace velarion::ui {
namespace {

using TLines = std::vector<std::string>;

class ConsoleTest : public testing::Test {
 protected:
  ConsoleTest() : text_(&pane_), console_(text_, pane_, [this] { ++showRequests_; }) {
    pane_.hide();
  }
  ~ConsoleTest() override { velplatform::SetMessageBoxRunner({}); }

  QWidget pane_;
  QPlainTextEdit text_;
  int showRequests_ = 0;
  TVelarionConsole console_;
};

TEST_F(ConsoleTest, StartBeyondTheEndAppendsNewLines) {
  console_.AddLines(TLines{"a", "b", "c"});
  console_.AddLines(TLines{"1", "2", "3", "4"}, 5);
  EXPECT_EQ(console_.Lines(), (TLines{"a", "b", "c", "1", "2", "3", "4"}));
  EXPECT_EQ(console_.LineCount(), 7);
}

TEST_F(ConsoleTest, StartInsideAppendsToExistingLinesAsColumns) {
  console_.AddLines(TLines{"a", "b", "c"});
  console_.AddLines(TLines{"1", "2", "3"}, 1);
  EXPECT_EQ(console_.Lines(), (TLines{"a", "b1", "c2", "3"}));
}

TEST_F(ConsoleTest, ColumnsWhileBuffering) {
  console_.AddLines(TLines{"head"});
  console_.BeginUpdate();
  console_.MarkLine();
  console_.AddLines(TLines{"x", "y"});
  console_.AddLines(TLines{"|1", "|2", "|3"}, console_.MarkedLine());
  EXPECT_EQ(text_.document()->blockCount(), 1);  // nothing shown while buffering
  console_.EndUpdate();
  EXPECT_EQ(console_.Lines(), (TLines{"head", "x|1", "y|2", "|3"}));
}

TEST_F(ConsoleTest, ShowRequestedOnceWhileHidden) {
  console_.AddLines(TLines{"one"});
  console_.AddLines(TLines{"two"});
  EXPECT_EQ(showRequests_, 1);
  console_.ResetShowRequest();
  console_.AutoShowConsole = false;
  console_.AddLines(TLines{"three"});
  EXPECT_EQ(showRequests_, 1);
}

TEST_F(ConsoleTest, SavesAndLoadsCp1251Lines) {
  const std::string file =
      (std::filesystem::temp_directory_path() / "velarion-console-test.def").string();
  const std::string russian = velplatform::Cp1251("Восход Солнца");
  console_.AddLines(TLines{russian, "", "end"});
  ASSERT_TRUE(console_.SaveToFile(file));
  QWidget otherPane;
  QPlainTextEdit other(&otherPane);
  TVelarionConsole loaded(other, otherPane, {});
  loaded.LoadFromFile(file);
  EXPECT_EQ(loaded.Lines(), (TLines{russian, "", "end"}));
  EXPECT_EQ(other.toPlainText().toStdU16String().substr(0, 6), std::u16string(u"Восход"));
  loaded.LoadFromFile(file + ".missing");
  EXPECT_EQ(loaded.LineCount(), 3);
  EXPECT_FALSE(console_.SaveToFile("/nonexistent-folder/x.def"));
  std::filesystem::remove(file);
}

TEST_F(ConsoleTest, ClearingAsksFirst) {
  console_.AddLines(TLines{"keep"});
  std::vector<std::string> asked;
  velplatform::TMessageAnswer answer = velplatform::TMessageAnswer::kNo;
  velplatform::SetMessageBoxRunner(
      [&](velplatform::TWindowHandle, const velplatform::TMessageBoxRequest& r) {
        asked.push_back(r.text);
        return answer;
      });
  console_.ClearConsole(0);
  EXPECT_EQ(console_.LineCount(), 1);
  answer = velplatform::TMessageAnswer::kYes;
  console_.ClearConsole(0);
  EXPECT_EQ(console_.LineCount(), 0);
  EXPECT_EQ(asked, (TLines{velplatform::Cp1251("Удалить содержимое консоли?"),
                           velplatform::Cp1251("Удалить содержимое консоли?")}));
}

TEST(ConsoleSplitter, ShareAcceptedOnlyBetweenTenAndEightyPercent) {
  EXPECT_FALSE(ConsoleShareForSplitter(9, 100).has_value());
  EXPECT_DOUBLE_EQ(*ConsoleShareForSplitter(10, 100), 10.0);
  EXPECT_DOUBLE_EQ(*ConsoleShareForSplitter(160, 200), 80.0);
  EXPECT_FALSE(ConsoleShareForSplitter(161, 200).has_value());
  EXPECT_FALSE(ConsoleShareForSplitter(10, 0).has_value());
}

TEST(ConsoleFont, SizeOutsideTheRangeKeepsTheCurrentOne) {
  QWidget pane;
  QPlainTextEdit text(&pane);
  TVelarionConsole console(text, pane, {});
  console.SetFont({"Courier New", 12});
  EXPECT_EQ(console.Font().sizePoints, 12);
  console.SetFont({"Courier New", 60});
  EXPECT_EQ(console.Font().sizePoints, 12);
}

}  // namespace
}  // namespace velarion::ui

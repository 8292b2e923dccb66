#include "CommInfoForm.h"

#include "Clipboard.h"
#include "Cp1251.h"
#include "FakeDialogs.h"
#include "OutputConsole.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

TEST(CommInfoForm, ShowsTheRowsAndCopiesThemToTheClipboardAndTheConsole) {
  std::string clipboard;
  std::string console;
  velplatform::SetClipboardRunner([&](std::string_view text) { clipboard = text; });
  solar::SetOutputConsole([&](std::string_view lines) { console = lines; });
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    EXPECT_EQ(velplatform::Cp1251ToUtf8(c.Text(TCommInfo::kFirstValue + 3)), "51544.50000");
    EXPECT_EQ(velplatform::Cp1251ToUtf8(c.Text(TCommInfo::kFirstValue + 6)),
              "В 30° 0' 0\" (30.0000°,  2ч 0м 0с,  2.00000ч)");
    c.Press(l, TCommInfo::kCopy);
    c.Press(l, TCommInfo::kCopyToConsole);
    return false;
  }});
  ShowCommInfo(0, {51544.5, 2.0, 0.0, 14.0, 30.0, 60.0});
  velplatform::SetClipboardRunner({});
  solar::SetOutputConsole({});
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  const std::string text = velplatform::Cp1251ToUtf8(clipboard);
  EXPECT_EQ(text.rfind("Местное поясное время: 1 янв 2000 н.э. 14ч 0м 0с\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("\r\nРазница между эфемеридным и всемирным временем (ET-UT): 0.0 с\r\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("Широта: С 60° 0' 0\" (60.0000°)\r\n"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);
  EXPECT_EQ(console, "\r\n" + clipboard);  // an empty line first
}

}  // namespace
}  // namespace velarion::ui

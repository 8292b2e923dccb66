#include "StateFileInbox.h"

#include <gtest/gtest.h>

namespace velarion::ui {
namespace {

using TNames = std::vector<std::string>;

TEST(StateFileInbox, NamesWaitWhileAModalDialogIsOpen) {
  TStateFileInbox inbox;
  inbox.Receive("/home/u/a.vls");
  EXPECT_EQ(inbox.TakeReady(true), TNames{});
  inbox.Receive("/home/u/b.vls");
  EXPECT_EQ(inbox.TakeReady(false), (TNames{"/home/u/a.vls", "/home/u/b.vls"}));
  EXPECT_TRUE(inbox.Empty());
  EXPECT_EQ(inbox.TakeReady(false), TNames{});
}

TEST(StateFileInbox, AnEmptyNameOnlyBringsTheWindowForward) {
  TStateFileInbox inbox;
  inbox.Receive("");
  EXPECT_TRUE(inbox.Empty());
}

TEST(StateFileInbox, ArgumentMadeAbsoluteWithoutQuotes) {
  struct TCase {
    const char* argument;
    const char* expected;
  };
  for (const TCase c : {TCase{"view.vls", "/home/u/maps/view.vls"}, {"\"my view.vls\"", "/home/u/maps/my view.vls"},
                        {"../v.vls", "/home/u/v.vls"}, {"/tmp/x.vls", "/tmp/x.vls"}, {"", ""}, {"\"\"", ""}}) {
    EXPECT_EQ(AbsoluteStateFileName(c.argument, "/home/u/maps"), c.expected) << c.argument;
  }
}

}  // namespace
}  // namespace velarion::ui

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

}  // namespace
}  // namespace velarion::ui

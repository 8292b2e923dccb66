#include "ExchangeServer.h"

#include <QCoreApplication>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <unistd.h>

namespace velarion::ui {
namespace {

QString UniqueName() { return QStringLiteral("VelarionExchangeTest%1").arg(::getpid()); }

TEST(ExchangeServer, ASecondStartHandsItsTextToTheRunningCopy) {
  std::vector<std::string> received;
  TExchangeServer server(UniqueName(), [&](const std::string& text) { received.push_back(text); });
  ASSERT_TRUE(server.Listening());
  // The second start runs in another process; here on another thread, while the first
  // copy's event loop waits for the text.
  std::atomic<bool> handed{false};
  std::thread second([&] { handed = HandOverToRunningCopy(UniqueName(), "/home/u/m 1.vls"); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 1; }));
  second.join();
  EXPECT_TRUE(handed);
  EXPECT_EQ(received[0], "/home/u/m 1.vls");
}

TEST(ExchangeServer, NoRunningCopyMeansNoHandOver) {
  EXPECT_FALSE(HandOverToRunningCopy(UniqueName() + "-nobody", "/x.vls"));
}

}  // namespace
}  // namespace velarion::ui

#include "ExchangeServer.h"

#include "ExchangeName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include <stdlib.h>
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

TEST(ExchangeServer, TheSocketLiesInTheUsersOwnRuntimeFolder) {
  const TExchangeServer server(UniqueName(), [](const std::string&) {});
  ASSERT_TRUE(server.Listening());
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  EXPECT_TRUE(QFileInfo(runtime + "/" + UniqueName()).exists());
  // Not in the temporary folder, where another user's copy would find it.
  EXPECT_FALSE(QFileInfo(QDir::tempPath() + "/" + UniqueName()).exists());
}

TEST(ExchangeServer, CopiesOfTwoFoldersOrDisplaysRunSideBySideAndGetOnlyTheirOwnFiles) {
  char pattern[] = "/tmp/velarion-exchange-XXXXXX";
  const std::filesystem::path folder = ::mkdtemp(pattern);
  std::filesystem::create_directories(folder / "a");
  std::filesystem::create_directories(folder / "b");
  const auto name = [&](const char* program, const char* display) {
    return QString::fromStdString(ExchangeName((folder / program).string(), display));
  };
  std::vector<std::string> toA, toB, toAOnAnotherDisplay;
  TExchangeServer a(name("a", ":0"), [&](const std::string& text) { toA.push_back(text); });
  TExchangeServer b(name("b", ":0"), [&](const std::string& text) { toB.push_back(text); });
  TExchangeServer aElsewhere(name("a", ":1"),
                             [&](const std::string& text) { toAOnAnotherDisplay.push_back(text); });
  EXPECT_TRUE(a.Listening() && b.Listening() && aElsewhere.Listening());

  // A second start of the program in a/ on display :0.
  std::atomic<bool> handed{false};
  std::thread second([&] { handed = HandOverToRunningCopy(name("a/", ":0"), "/home/u/a.vls"); });
  EXPECT_TRUE(QTest::qWaitFor([&] { return !toA.empty(); }));
  second.join();
  QCoreApplication::processEvents();
  EXPECT_TRUE(handed);
  EXPECT_EQ(toA, std::vector<std::string>{"/home/u/a.vls"});
  EXPECT_TRUE(toB.empty());
  EXPECT_TRUE(toAOnAnotherDisplay.empty());
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velarion::ui

// The settings exports the plug-ins use.
#include "IniAccess.h"

#include "AtomicFile.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

namespace {

using namespace velarion::sky;

class IniAccess : public testing::Test {
 protected:
  void SetUp() override {
    path_ = (std::filesystem::temp_directory_path() /
             ("velarion-" + std::to_string(::getpid()) + ".ini"))
                .string();
    SetSettingsFile(path_);
  }
  void TearDown() override { std::filesystem::remove(path_); }
  std::string path_;
};

TEST_F(IniAccess, SavedValuesComeBackAndAbsentKeysGiveTheDefault) {
  SaveIniString("Asteroids&Comets", "Color", "65535");
  char buffer[16] = {};
  EXPECT_EQ(RestoreIniString("asteroids&comets", "COLOR", "0", buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "65535");
  EXPECT_EQ(RestoreIniString("Asteroids&Comets", "Missing", "def", buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "def");
}

TEST_F(IniAccess, TheBufferIsNeverOverrun) {
  SaveIniString("S", "K", "0123456789");
  char buffer[8];
  std::fill(std::begin(buffer), std::end(buffer), '#');
  EXPECT_EQ(RestoreIniString("S", "K", "", buffer, 5), 4);
  EXPECT_STREQ(buffer, "0123");
  EXPECT_EQ(buffer[5], '#');
  for (int32_t size : {0, -3}) {
    buffer[0] = '#';
    EXPECT_EQ(RestoreIniString("S", "K", "", buffer, size), 0);
    EXPECT_EQ(buffer[0], '#');
  }
  EXPECT_EQ(RestoreIniString("S", "K", "", nullptr, 8), 0);
  EXPECT_EQ(RestoreIniString(nullptr, nullptr, nullptr, buffer, 8), 0);
  EXPECT_STREQ(buffer, "");
}

TEST_F(IniAccess, ValuesAreCutAt511Characters) {
  SaveIniString("S", "Long", std::string(600, 'x').c_str());
  EXPECT_EQ(ReadIniValue("S", "Long", "", path_).size(), kMaxIniValueLength);
  SaveIniString(nullptr, "K", "v");  // refused, nothing written
  SaveIniString("S", nullptr, "v");
  EXPECT_EQ(ReadIniValue("S", "K", "none", path_), "none");
}

}  // namespace

// The settings file layer: a file written by another program goes through a read and a
// write of one key with no other byte changed, and the private-profile reading rules.
#include "AtomicFile.h"
#include "Cp1251.h"
#include "IniDocument.h"
#include "IniFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>

namespace {

using namespace velplatform;

// Comments, unknown sections, odd spacing, mixed line ends, CP1251 text, no final line end.
const std::string kForeignFile =
    "; written by hand\r\n"
    "[Sky]\r\n"
    "  MaxStarV = 600 \r\n"
    "Projection=1\r\n"
    "\r\n"
    "; plug-in settings below\n"
    "[NGC 2000]\n"
    "Filter=\"M, NGC\"\n"
    "\xCD\xE0\xE7\xE2\xE0\xED\xE8\xE5=\xCB\xF3\xED\xE0\n"
    "[Unknown Plug-in]\r\n"
    "weird line without equals\r\n"
    "Key=1\r\n"
    "[sky]\r\n"
    "MaxStarV=999";

TEST(IniDocument, ReadsByThePrivateProfileRules) {
  const TIniDocument doc = TIniDocument::Parse(kForeignFile);
  EXPECT_EQ(doc.Get("Sky", "MaxStarV"), "600");
  EXPECT_EQ(doc.Get("SKY", "maxstarv"), "600");  // the first of duplicate sections counts
  EXPECT_EQ(doc.Get("ngc 2000", "filter"), "M, NGC");
  EXPECT_EQ(doc.Get("NGC 2000", Cp1251("НАЗВАНИЕ")), Cp1251("Луна"));
  EXPECT_EQ(doc.Get("Sky", "Missing"), std::nullopt);
  EXPECT_EQ(doc.Get("Missing", "Key"), std::nullopt);
  EXPECT_EQ(doc.Keys("Unknown Plug-in"), std::vector<std::string>{"Key"});
  EXPECT_EQ(doc.Serialize(), kForeignFile);
}

TEST(IniDocument, WritingOneKeyChangesOnlyItsLine) {
  struct TCase {
    const char* section;
    const char* key;
    const char* value;
    std::string expected;
  };
  const std::string head = kForeignFile.substr(0, kForeignFile.find("  MaxStarV"));
  const std::string afterMaxStar = kForeignFile.substr(kForeignFile.find("Projection"));
  const TCase cases[] = {
      {"sky", "maxstarv", "650", head + "MaxStarV=650\r\n" + afterMaxStar},
      // A new key goes after the section's last key, before its closing blank line.
      {"Sky", "Zoom", "300",
       kForeignFile.substr(0, kForeignFile.find("\r\n\r\n") + 2) + "Zoom=300\r\n" +
           kForeignFile.substr(kForeignFile.find("\r\n\r\n") + 2)},
      // A new section at the end; the last line gets its line end first.
      {"Ecliptic", "Color", "255", kForeignFile + "\r\n[Ecliptic]\r\nColor=255\r\n"},
  };
  for (const TCase& c : cases) {
    TIniDocument doc = TIniDocument::Parse(kForeignFile);
    doc.Set(c.section, c.key, c.value);
    EXPECT_EQ(doc.Serialize(), c.expected) << c.key;
  }
}

TEST(IniDocument, NewFileUsesCrLfAndRemovalsAreExact) {
  TIniDocument doc;
  doc.Set("GroupOrder", "1", "SUN");
  doc.Set("GroupOrder", "2", "MOON");
  EXPECT_EQ(doc.Serialize(), "[GroupOrder]\r\n1=SUN\r\n2=MOON\r\n");
  doc.RemoveKey("grouporder", "1");
  EXPECT_EQ(doc.Serialize(), "[GroupOrder]\r\n2=MOON\r\n");
  TIniDocument lf = TIniDocument::Parse("[A]\nx=1\n[B]\ny=2\n");
  lf.RemoveSection("a");
  lf.Set("B", "z", "3");
  EXPECT_EQ(lf.Serialize(), "[B]\ny=2\nz=3\n");
}

class IniFileOnDisk : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("velini-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
    path_ = (folder_ / "Velarion.ini").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
  std::string path_;
};

TEST_F(IniFileOnDisk, KeysWrittenByOthersSurviveALaterWrite) {
  const TIniFile program(path_);
  ASSERT_TRUE(program.Write("Sky", "Zoom", "100"));
  // A plug-in writes its own key in between.
  ASSERT_TRUE(TIniFile(path_).Write("Asteroids&Comets", "Color", "65535"));
  ASSERT_TRUE(program.Update([](TIniDocument& doc) { doc.Set("Sky", "Zoom", "200"); }));
  EXPECT_EQ(program.Read("Asteroids&Comets", "Color"), "65535");
  EXPECT_EQ(program.Read("Sky", "Zoom"), "200");
}

TEST_F(IniFileOnDisk, AForeignFileKeepsEveryByteItWasNotAskedToChange) {
  ASSERT_TRUE(WriteFileAtomically(path_, kForeignFile));
  ASSERT_TRUE(TIniFile(path_).Write("NGC 2000", "Filter", "\"M, NGC\""));
  EXPECT_EQ(ReadWholeFile(path_), kForeignFile.substr(0, kForeignFile.find("Filter=")) +
                                      "Filter=\"M, NGC\"\n" +
                                      kForeignFile.substr(kForeignFile.find("\xCD\xE0")));
}

TEST_F(IniFileOnDisk, ACrashBeforeTheRenameLeavesTheOldFile) {
  ASSERT_TRUE(WriteFileAtomically(path_, kForeignFile));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TIniFile(path_).Update([](TIniDocument& doc) { doc.Set("Sky", "Zoom", "1"); },
                           TAtomicWriteHooks{[] { ::_exit(0); }});
    ::_exit(1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the crash point was not reached";
  EXPECT_EQ(ReadWholeFile(path_), kForeignFile);
}

TEST_F(IniFileOnDisk, AFailedWriteReportsAndKeepsTheOldFile) {
  ASSERT_TRUE(WriteFileAtomically(path_, "[Sky]\r\nZoom=1\r\n"));
  // The temporary file cannot be created where a folder of that name stands.
  std::filesystem::create_directory(path_ + ".~" + std::to_string(::getpid()));
  EXPECT_FALSE(TIniFile(path_).Write("Sky", "Zoom", "2"));
  EXPECT_EQ(TIniFile(path_).Read("Sky", "Zoom"), "1");
}

}  // namespace

// The texts registered with the desktop: quoting of paths in the entry and the removal
// script, and the install folder found again from the entry.
#include "DesktopEntry.h"
#include "InstallManifest.h"
#include "UninstallScript.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace velarion::install;

TEST(DesktopEntry, QuotesTheProgramPathForTheExecKey) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/opt/vel/velarion", R"("/opt/vel/velarion")"},
      {"/home/u/my vel/velarion", R"("/home/u/my vel/velarion")"},
      {"/a$b/100%/velarion", R"("/a\\$b/100%%/velarion")"},
      {R"(/a"b\c/velarion)", R"("/a\\"b\\\\c/velarion")"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(ExecArgument(path), expected) << path;
}

TEST(DesktopEntry, NamesItsInstallFolderBack) {
  for (const std::string folder : {"/home/u/.local/share/velarion", "/x/with\\back slash"}) {
    const std::string entry = DesktopEntryText(folder + "/velarion", folder, {});
    EXPECT_EQ(InstallFolderOfEntry(entry), std::filesystem::path(folder));
  }
  EXPECT_EQ(InstallFolderOfEntry("[Desktop Entry]\nName=x\n"), std::nullopt);
}

TEST(DesktopEntry, DeclaresTheStateFileTypeOnlyWhenAsked) {
  const std::string with = DesktopEntryText("/v/velarion", "/v", {true, true});
  const std::string without = DesktopEntryText("/v/velarion", "/v", {false, false});
  EXPECT_NE(with.find("MimeType=application/x-velarion-state;\n"), std::string::npos);
  EXPECT_EQ(with.find("NoDisplay"), std::string::npos);
  EXPECT_EQ(without.find("MimeType"), std::string::npos);
  EXPECT_NE(without.find("NoDisplay=true\n"), std::string::npos);
  EXPECT_NE(with.find("Exec=\"/v/velarion\" %f\n"), std::string::npos);
}

// The shell itself reads the quoted words back.
TEST(UninstallScript, QuotedPathsReachTheShellUnchanged) {
  for (const std::string path : {"plain", "two words", "it's", "$(touch x)", "a\"b`c`\\"}) {
    const std::string command = "printf %s " + ShellQuoted(path);
    std::FILE* shell = ::popen(command.c_str(), "r");
    ASSERT_NE(shell, nullptr);
    std::string read(256, '\0');
    read.resize(std::fread(read.data(), 1, read.size(), shell));
    ::pclose(shell);
    EXPECT_EQ(read, path);
  }
}

TEST(InstallManifest, KeepsOnlyPathsInsideTheFolder) {
  const auto files = ParseManifest("velarion\nPlugins/zodiac.so\n/etc/passwd\n../x\na/../../y\n\n");
  ASSERT_TRUE(files);
  EXPECT_EQ(*files, (std::vector<std::filesystem::path>{"velarion", "Plugins/zodiac.so"}));
  EXPECT_EQ(ParseManifest("/etc/passwd\n"), std::nullopt);
}

}  // namespace

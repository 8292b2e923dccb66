// Where settings go, and data file names found whatever their case.
#include "ProgramFolder.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

using namespace velplatform;

class Folders : public testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("velfolder-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root_ / "program");
  }
  void TearDown() override {
    std::filesystem::remove_all(root_);
    Restore("HOME", home_);
    Restore("XDG_CONFIG_HOME", xdg_);
  }
  static std::optional<std::string> Saved(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::optional<std::string>(v) : std::nullopt;
  }
  static void Restore(const char* name, const std::optional<std::string>& value) {
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  std::filesystem::path root_;
  std::optional<std::string> home_ = Saved("HOME");
  std::optional<std::string> xdg_ = Saved("XDG_CONFIG_HOME");
};

TEST_F(Folders, ProgramFolderIsTheExecutablesFolder) {
  const std::string folder = ProgramFolder();
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(folder + "platform_tests"));
}

TEST_F(Folders, SettingsStayInAWritableProgramFolderElseGoToTheUserConfig) {
  const std::string program = (root_ / "program").string() + "/";
  EXPECT_EQ(SettingsFolder(program), program);
  ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
  const std::string settings = SettingsFolder(program, false);
  EXPECT_EQ(settings, (root_ / "config" / "velarion").string() + "/");
  EXPECT_TRUE(std::filesystem::is_directory(settings));
  ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);  // not absolute, so it does not count
  ::setenv("HOME", (root_ / "home").c_str(), 1);
  EXPECT_EQ(SettingsFolder(program, false),
            (root_ / "home" / ".config" / "velarion").string() + "/");
}

TEST_F(Folders, DataFilesAreFoundWhateverTheirCase) {
  std::ofstream((root_ / "program" / "bounds.DAT").string()) << "x";
  std::ofstream((root_ / "program" / "CONSTELL.DAT").string()) << "x";
  const std::string folder = (root_ / "program").string();
  EXPECT_EQ(FindFileIgnoringCase(folder, "Bounds.dat"), folder + "/bounds.DAT");
  EXPECT_EQ(FindFileIgnoringCase(folder, "CONSTELL.DAT"), folder + "/CONSTELL.DAT");
  EXPECT_EQ(FindFileIgnoringCase(folder, "stars.dat"), std::nullopt);
  EXPECT_EQ(FindFileIgnoringCase(folder + "/missing", "x"), std::nullopt);
}

}  // namespace

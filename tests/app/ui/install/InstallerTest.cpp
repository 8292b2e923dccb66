// Installing from a small program folder into a scratch data folder, and removing again:
// what is copied, kept, merged, registered, taken back after a failure and left behind.
#include "AtomicFile.h"
#include "CityFile.h"
#include "ColourConversion.h"
#include "Installer.h"
#include "Uninstaller.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace velarion::install;

std::string City(std::string name, double longitude) {
  return velarion::catalogues::TCityFile::Format(
      std::vector{velarion::catalogues::TCityRecord{std::move(name), longitude, 50.0, 3.0}});
}

void Put(const fs::path& path, std::string_view text) {
  fs::create_directories(path.parent_path());
  ASSERT_TRUE(velplatform::WriteFileAtomically(path.string(), text));
}

std::string Text(const fs::path& path) {
  return velplatform::ReadWholeFile(path.string()).value_or("<missing>");
}

// Every file below `folder`, relative to it.
std::set<std::string> FilesBelow(const fs::path& folder) {
  std::set<std::string> files;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(folder, error)) {
    if (!entry.is_directory()) files.insert(fs::relative(entry.path(), folder).string());
  }
  return files;
}

bool HasTool(const char* name) {
  return std::system(("command -v " + std::string(name) + " >/dev/null 2>&1").c_str()) == 0;
}

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("velarion-install-test-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    source_ = root_ / "build";
    places_ = TXdgPlaces{root_ / "share"};
    Put(source_ / "velarion", "program 2");
    Put(source_ / "libvelastro.so", "library");
    for (const char* name : {"Bounds.dat", "CLINES.DAT", "CONSTELL.DAT", "DEEPSKY.DAT",
                             "STARNAME.DAT", "stars.dat", "astrof.ttf"}) {
      Put(source_ / name, name);
    }
    Put(source_ / "Plugins/zodiac.so", "plug-in");
    Put(source_ / "city.dat", City("Abakan", 91.4) + City("Omsk", 73.4));
  }
  void TearDown() override { fs::remove_all(root_); }

  TInstallReport InstallInto(const fs::path& folder) {
    return Install({source_, folder, true, true}, places_, {});
  }

  fs::path root_;
  fs::path source_;
  TXdgPlaces places_;
};

TEST_F(InstallerTest, CopiesTheProgramFolderAndRegistersIt) {
  const fs::path target = root_ / "my programs/velarion";
  std::vector<int> percents;
  const auto report = Install({source_, target, true, true}, places_, [&](int percent) {
    percents.push_back(percent);
    return true;
  });
  ASSERT_FALSE(report.failure) << report.failure->detail;
  EXPECT_EQ(Text(target / "velarion"), "program 2");
  EXPECT_EQ(Text(target / "Plugins/zodiac.so"), "plug-in");
  EXPECT_EQ(Text(target / "city.dat"), Text(source_ / "city.dat"));
  EXPECT_TRUE(fs::is_directory(target / "VLSFiles"));
  EXPECT_TRUE(fs::exists(places_.Icon()));
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_EQ(percents.back(), 100);
  EXPECT_EQ(DefaultInstallFolder(places_), target);
  EXPECT_TRUE(fs::exists(target / "uninstall.sh"));
}

TEST_F(InstallerTest, DesktopEntryPassesTheValidator) {
  if (!HasTool("desktop-file-validate")) {
    GTEST_SKIP() << "desktop-file-validate is missing (Debian package desktop-file-utils)";
  }
  ASSERT_FALSE(InstallInto(root_ / "it's a \"folder\" $HOME").failure);
  const std::string command =
      "desktop-file-validate '" + places_.DesktopEntry().string() + "' 2>&1";
  std::FILE* validator = ::popen(command.c_str(), "r");
  std::string output(4096, '\0');
  output.resize(std::fread(output.data(), 1, output.size(), validator));
  EXPECT_EQ(::pclose(validator), 0) << output;
  EXPECT_EQ(output.find("error"), std::string::npos) << output;
}

TEST_F(InstallerTest, TheMimeDatabaseKnowsStateFiles) {
  if (!HasTool("update-mime-database")) {
    GTEST_SKIP() << "update-mime-database is missing (Debian package shared-mime-info)";
  }
  ASSERT_FALSE(InstallInto(root_ / "velarion").failure);
  const std::string globs = Text(places_.MimeDatabase() / "globs2");
  EXPECT_NE(globs.find("application/x-velarion-state:*.vls"), std::string::npos) << globs;
  EXPECT_NE(Text(places_.MimeDatabase() / "application/x-velarion-state.xml")
                .find("Файл состояния Velarion"),
            std::string::npos);
}

TEST_F(InstallerTest, ASecondInstallationKeepsTheUsersFilesAndMergesNewCities) {
  const fs::path target = root_ / "velarion";
  ASSERT_FALSE(InstallInto(target).failure);
  const std::string userCities = City("Abakan", 91.5) + City("Omsk", 73.4) + City("Zima", 102.0);
  Put(target / "city.dat", userCities);
  Put(target / "colors.dat", "user schemes");
  Put(target / "Velarion.ini", "[Sky]\r\nZoom=250\r\n");
  Put(source_ / "velarion", "program 3");
  Put(source_ / "colors.dat", "shipped schemes");
  Put(source_ / "city.dat", City("Abakan", 91.4) + City("Omsk", 73.4) + City("Tomsk", 85.0));

  ASSERT_FALSE(InstallInto(target).failure);
  EXPECT_EQ(Text(target / "velarion"), "program 3");
  EXPECT_EQ(Text(target / "city.dat"),
            City("Abakan", 91.5) + City("Omsk", 73.4) + City("Tomsk", 85.0) + City("Zima", 102.0));
  EXPECT_EQ(Text(target / "colors.dat"), "user schemes");
  EXPECT_EQ(Text(target / "Velarion.ini"), "[Sky]\r\nZoom=250\r\n");
}

TEST_F(InstallerTest, AllCitiesPresentLeavesTheCityFileAlone) {
  const fs::path target = root_ / "velarion";
  ASSERT_FALSE(InstallInto(target).failure);
  const auto before = fs::last_write_time(target / "city.dat");
  fs::create_hard_link(target / "city.dat", root_ / "watch");  // a rewrite breaks the link
  ASSERT_FALSE(InstallInto(target).failure);
  EXPECT_EQ(fs::hard_link_count(target / "city.dat"), 2u);
  EXPECT_EQ(fs::last_write_time(target / "city.dat"), before);
}

TEST_F(InstallerTest, AFailureMidwayTakesEverythingBack) {
  const fs::path target = root_ / "velarion";
  ASSERT_FALSE(InstallInto(target).failure);
  Put(target / "city.dat", City("Abakan", 91.5));
  const std::set<std::string> before = FilesBelow(root_);
  Put(source_ / "velarion", "program 3");
  Put(source_ / "city.dat", City("Abakan", 91.4) + City("Tomsk", 85.0));
  // The last step, the registration, cannot place its entry.
  fs::remove(places_.DesktopEntry());
  fs::remove(places_.DesktopEntry().parent_path());
  Put(places_.DesktopEntry().parent_path(), "a file where the folder belongs");

  const auto report = InstallInto(target);
  ASSERT_TRUE(report.failure);
  EXPECT_NE(report.failure->detail.find("applications"), std::string::npos);
  EXPECT_EQ(Text(target / "velarion"), "program 2");
  EXPECT_EQ(Text(target / "city.dat"), City("Abakan", 91.5));
  std::set<std::string> after = FilesBelow(root_);
  after.erase("share/applications");
  std::set<std::string> expected = before;
  expected.erase("share/applications/velarion.desktop");
  EXPECT_EQ(after, expected);
}

TEST_F(InstallerTest, AFailedFreshInstallationLeavesNoFolder) {
  Put(places_.DesktopEntry().parent_path(), "a file where the folder belongs");
  ASSERT_TRUE(InstallInto(root_ / "new/velarion").failure);
  EXPECT_FALSE(fs::exists(root_ / "new"));
  EXPECT_FALSE(fs::exists(places_.Icon()));
}

TEST_F(InstallerTest, AMissingProgramFileStopsBeforeAnyChange) {
  fs::remove(source_ / "stars.dat");
  const auto report = InstallInto(root_ / "velarion");
  ASSERT_TRUE(report.failure);
  EXPECT_NE(report.failure->detail.find("stars.dat"), std::string::npos);
  EXPECT_FALSE(fs::exists(root_ / "velarion"));
  EXPECT_FALSE(fs::exists(places_.dataHome));
}

// The folder the installer runs from, spelt through a link: nothing is copied onto itself,
// the city list is still merged and the program registered.
TEST_F(InstallerTest, InstallingWhereItRunsCopiesNothing) {
  fs::create_directory_symlink(source_, root_ / "link");
  ASSERT_FALSE(InstallInto(root_ / "link").failure);
  EXPECT_EQ(Text(source_ / "velarion"), "program 2");
  EXPECT_TRUE(fs::exists(places_.DesktopEntry()));
  Put(source_ / "city.dat", City("Omsk", 73.4));
  // A shipped city missing from the folder's own list cannot come from the same file; the
  // merge with itself adds nothing and the list stays.
  ASSERT_FALSE(InstallInto(root_ / "link/.").failure);
  EXPECT_EQ(Text(source_ / "city.dat"), City("Omsk", 73.4));
  for (const auto& file : FilesBelow(source_)) EXPECT_EQ(file.find(".new-"), std::string::npos);
}

TEST_F(InstallerTest, RemovalLeavesOnlyTheUsersFiles) {
  const fs::path target = root_ / "velarion";
  ASSERT_FALSE(InstallInto(target).failure);
  Put(target / "Velarion.ini", "[Sky]\n");
  Put(target / "VLSFiles/evening.vls", "state");
  Put(target / "colors.dat", "schemes");

  ASSERT_EQ(InstalledFolder(root_ / "elsewhere", places_), target);
  const auto report = Uninstall(target, places_, false);
  ASSERT_FALSE(report.failure);
  EXPECT_EQ(FilesBelow(target), (std::set<std::string>{"Velarion.ini", "VLSFiles/evening.vls",
                                                       "city.dat", "colors.dat"}));
  EXPECT_FALSE(fs::exists(places_.DesktopEntry()));
  EXPECT_FALSE(fs::exists(places_.MimePackage()));
  EXPECT_FALSE(fs::exists(places_.Icon()));
}

TEST_F(InstallerTest, RemovalWithTheUsersFilesLeavesNoFolder) {
  const fs::path target = root_ / "velarion";
  ASSERT_FALSE(InstallInto(target).failure);
  Put(target / "VLSFiles/evening.vls", "state");
  ASSERT_FALSE(Uninstall(target, places_, true).failure);
  EXPECT_FALSE(fs::exists(target));
}

TEST(ColourConversion, AnEarlierColourListBecomesTheUserScheme) {
  auto settings = velplatform::TIniDocument::Parse(
      "[Sky]\nScreenColor=1,2,3\nChangeSpaceColor=0\nAutoR=1\n[Grid]\nScreenColor=77\n");
  velarion::sky::TColorSchemes schemes;
  schemes.screen.push_back(std::make_shared<velarion::sky::TColorScheme>("default", false));
  ASSERT_TRUE(ConvertEarlierColours(settings, schemes));
  ASSERT_EQ(schemes.screen.size(), 2u);
  const auto& user = *schemes.screen[1];
  EXPECT_EQ(user.Name(), "User");
  EXPECT_EQ(user.Color(0), 1u);
  EXPECT_EQ(user.Color(1), 10027008u);
  EXPECT_EQ(user.Color(2), 3u);
  EXPECT_EQ(user.Color(3), 8388608u);
  EXPECT_EQ(user.Color(4), 6684672u);
  EXPECT_EQ(user.Color(9), 77u);
  EXPECT_EQ(settings.Get("Sky", "ScreenColor"), "1");
  EXPECT_EQ(settings.Get("Sky", "ChangeSpaceColor"), "3");
  EXPECT_EQ(settings.Get("Sky", "AutoR"), std::nullopt);
  EXPECT_TRUE(schemes.printer.empty());
}

TEST(ColourConversion, ASchemePositionIsLeftAlone) {
  auto settings = velplatform::TIniDocument::Parse("[Sky]\nScreenColor=2\n");
  velarion::sky::TColorSchemes schemes;
  EXPECT_FALSE(ConvertEarlierColours(settings, schemes));
  EXPECT_EQ(settings.Get("Sky", "ScreenColor"), "2");
}

}  // namespace

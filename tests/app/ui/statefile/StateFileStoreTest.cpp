// State files on disk: a damaged file is refused whole with its name and line and leaves
// the view as it was; the state folder and the names the save dialog proposes.
#include "StateFileStore.h"
#include "StateFolder.h"

#include "AtomicFile.h"
#include "Cp1251.h"
#include "ProjectionExports.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>

namespace {

using namespace velarion::ui;
namespace fs = std::filesystem;

class StateFileStore : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    folder_ = fs::temp_directory_path() / ("velarion-vls-" + std::to_string(::getpid()));
    fs::create_directories(folder_ / "Mixed Case");
    image.SetGroupLists(&groups, nullptr);
  }
  void TearDown() override {
    fs::remove_all(folder_);
    velarion::sky::FreeProjectionTables();
  }
  std::string File(const std::string& name) const { return (folder_ / name).string(); }
  void Write(const std::string& name, const std::string& text) const {
    ASSERT_TRUE(velplatform::WriteFileAtomically(File(name), text));
  }
  TStateView View() { return {image, rotation, groups}; }

  fs::path folder_;
  velarion::groups::TGroupList groups;
  velarion::sky::TSkyImage image{
      velarion::sky::TScreenMetrics{},
      velarion::sky::TClockSource{[] { return 61000.25; }, [] { return 3.0; }}};
  TAutoRotation rotation;
};

TEST_F(StateFileStore, AWrittenFileLoadsIntoTheView) {
  TStateFile state;
  state.mjdUt = 60500.75;
  state.location = TStateLocation{18.42, -33.92, 2.0};
  // A folder whose name has capitals keeps them.
  const std::string path = File("Mixed Case/View.vls");
  ASSERT_TRUE(WriteStateFile(path, state));
  EXPECT_EQ(std::get<TStateFile>(ReadStateFile(path)), state);
  const auto loaded = LoadStateFile(path, View());
  ASSERT_TRUE(std::holds_alternative<TStateFollowUp>(loaded));
  EXPECT_TRUE(std::get<TStateFollowUp>(loaded).anythingApplied);
  EXPECT_EQ(image.Mjd(), 60500.75);
  EXPECT_EQ(image.Latitude(), -33.92);
}

TEST_F(StateFileStore, ADamagedFileIsNamedWithItsLineAndNothingOfItIsApplied) {
  // The first lines are good: a reader that applied as it went would move the view.
  Write("bad.vls", "Velarion state file\nTime=70000\nLocation=10,20,1\nSelObj=PLAN,many\n");
  const double mjd = image.Mjd();
  const double latitude = image.Latitude();
  const auto loaded = LoadStateFile(File("bad.vls"), View());
  ASSERT_TRUE(std::holds_alternative<std::string>(loaded));
  const std::string message = velplatform::Cp1251ToUtf8(std::get<std::string>(loaded));
  EXPECT_NE(message.find("Неверный файл состояния"), std::string::npos) << message;
  EXPECT_NE(message.find(File("bad.vls")), std::string::npos) << message;
  EXPECT_NE(message.find("строка 4"), std::string::npos) << message;
  EXPECT_NE(message.find("SelObj"), std::string::npos) << message;
  EXPECT_EQ(image.Mjd(), mjd);
  EXPECT_EQ(image.Latitude(), latitude);
}

TEST_F(StateFileStore, FilesThatAreNoStateFilesAreRefused) {
  std::ofstream(File("large.vls")) << "Velarion state file\n"
                                   << std::string(kMaxStateFileBytes, '#');
  for (const std::string name : {"missing.vls", "large.vls", ""}) {
    const auto read = ReadStateFile(name.empty() ? folder_.string() : File(name));
    ASSERT_TRUE(std::holds_alternative<std::string>(read)) << name;
    EXPECT_NE(
        velplatform::Cp1251ToUtf8(std::get<std::string>(read)).find("Неверный файл состояния"),
        std::string::npos);
  }
}

TEST_F(StateFileStore, TheStateFolderIsVlsFilesWhenItExists) {
  const std::string settings = folder_.string() + "/";
  EXPECT_EQ(StateFolder(settings), settings);
  fs::create_directory(folder_ / "VLSFiles");
  EXPECT_EQ(StateFolder(settings), settings + "VLSFiles/");
  EXPECT_EQ(DefaultStateFile(settings), settings + "default.vls");
  EXPECT_EQ(ProposedStateFile("/home/Ann/Sky Views/", 3), "/home/Ann/Sky Views/state3.vls");
}

}  // namespace

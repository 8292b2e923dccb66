// Whole-file writes keep the replaced file's permissions and leave no temporary behind.
#include "AtomicFile.h"
#include "IniFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <filesystem>

namespace {

TEST(AtomicFile, ReplacesKeepingPermissionsAndLeavesNoTemporary) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("velatomic-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "colors.dat").string();
  ASSERT_TRUE(velplatform::WriteFileAtomically(path, "old"));
  ::chmod(path.c_str(), 0600);
  ASSERT_TRUE(velplatform::WriteFileAtomically(path, "new text"));
  EXPECT_EQ(velplatform::ReadWholeFile(path), "new text");
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  EXPECT_EQ(velplatform::ReadWholeFile((folder / "missing").string()), std::nullopt);
  std::filesystem::remove_all(folder);
}

// A settings file name that is a folder reads as no file and refuses writes, without
// throwing out of the settings layer.
TEST(AtomicFile, AFolderInPlaceOfTheFileIsNoFile) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("velatomic-dir-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "Velarion.ini");
  const std::string path = (folder / "Velarion.ini").string();
  EXPECT_EQ(velplatform::ReadWholeFile(path), std::nullopt);
  const velplatform::TIniFile file(path);
  EXPECT_EQ(file.Read("Sky", "Projection"), std::nullopt);
  EXPECT_FALSE(file.Write("Sky", "Projection", "1"));
  std::filesystem::remove_all(folder);
}

}  // namespace

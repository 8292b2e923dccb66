#include "ExchangeName.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <stdlib.h>

namespace velarion::ui {
namespace {

namespace fs = std::filesystem;

class ExchangeNames : public testing::Test {
 protected:
  ExchangeNames() {
    char pattern[] = "/tmp/velarion-exchange-XXXXXX";
    folder_ = ::mkdtemp(pattern);
    fs::create_directories(folder_ / "a" / "sub");
    fs::create_directories(folder_ / "b");
    fs::create_directory_symlink(folder_ / "a", folder_ / "link");
  }
  ~ExchangeNames() override { fs::remove_all(folder_); }

  std::string Name(const fs::path& folder, std::string_view display) const {
    return ExchangeName(folder.string(), display);
  }

  fs::path folder_;
};

TEST_F(ExchangeNames, OneNamePerProgramFolderAndDisplay) {
  const std::string name = Name(folder_ / "a", ":0");
  EXPECT_TRUE(name.starts_with("VelarionExchangeWindow-")) << name;
  // The same folder however it is written: a second start finds the running copy.
  for (const fs::path& same :
       {folder_ / "a/", folder_ / "link", folder_ / "link/", folder_ / "a" / "sub" / ".."}) {
    EXPECT_EQ(Name(same, ":0"), name) << same;
  }
  // Another folder or another display: a copy of its own.
  EXPECT_NE(Name(folder_ / "b", ":0"), name);
  EXPECT_NE(Name(folder_ / "a", ":1"), name);
  EXPECT_NE(Name(folder_ / "a", "wayland-0"), name);
}

// Sets an environment variable for the test's life and restores it.
class TScopedVariable {
 public:
  TScopedVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value, 1);
  }
  ~TScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(CurrentDisplay, EitherDisplayVariableTellsDisplaysApart) {
  TScopedVariable x11("DISPLAY", ":0");
  TScopedVariable wayland("WAYLAND_DISPLAY", "wayland-0");
  const std::string display = CurrentDisplay();
  {
    TScopedVariable other("DISPLAY", ":1");
    EXPECT_NE(CurrentDisplay(), display);
  }
  {
    TScopedVariable other("WAYLAND_DISPLAY", "wayland-1");
    EXPECT_NE(CurrentDisplay(), display);
  }
  EXPECT_EQ(CurrentDisplay(), display);
}

}  // namespace
}  // namespace velarion::ui

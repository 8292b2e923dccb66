// The installer window and the removal question, played against a small program folder
// with the user's data folder moved into a scratch folder through XDG_DATA_HOME.
#include "AtomicFile.h"
#include "Cp1251.h"
#include "FakeDialogs.h"
#include "FolderChooser.h"
#include "InstallForm.h"
#include "Installer.h"
#include "Progress.h"
#include "UninstallQuestion.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velarion::ui {
namespace {

namespace fs = std::filesystem;
using velplatform::TDialogLogic;
using velplatform::TMessageAnswer;
using veltest::TFakeControls;

void Put(const fs::path& path, std::string_view text) {
  fs::create_directories(path.parent_path());
  ASSERT_TRUE(velplatform::WriteFileAtomically(path.string(), text));
}

std::string Utf8(std::string_view cp1251) { return velplatform::Cp1251ToUtf8(cp1251); }

// Sets an environment variable for its lifetime, then restores the earlier value.
class TScopedVariable {
 public:
  TScopedVariable(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~TScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  TScopedVariable(const TScopedVariable&) = delete;
  TScopedVariable& operator=(const TScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// Records the folder chooser's calls and answers with `answer`.
class TFolderChooserRecorder {
 public:
  explicit TFolderChooserRecorder(std::optional<std::string> answer) {
    velplatform::SetFolderChooserRunner([this, answer](velplatform::TWindowHandle,
                                                       std::string_view title,
                                                       std::string_view initial) {
      titles.emplace_back(title);
      initials.emplace_back(initial);
      return answer;
    });
  }
  ~TFolderChooserRecorder() { velplatform::SetFolderChooserRunner(nullptr); }
  TFolderChooserRecorder(const TFolderChooserRecorder&) = delete;
  TFolderChooserRecorder& operator=(const TFolderChooserRecorder&) = delete;

  std::vector<std::string> titles;
  std::vector<std::string> initials;
};

class InstallFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("velarion-install-form-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    source_ = root_ / "build";
    Put(source_ / "velarion", "program");
    for (const char* name : {"Bounds.dat", "CLINES.DAT", "CONSTELL.DAT", "DEEPSKY.DAT",
                             "STARNAME.DAT", "stars.dat", "astrof.ttf", "city.dat"}) {
      Put(source_ / name, name);
    }
    dataHome_.emplace("XDG_DATA_HOME", (root_ / "share").string());
  }
  void TearDown() override {
    dataHome_.reset();
    fs::remove_all(root_);
  }

  fs::path DefaultFolder() const { return root_ / "share/velarion"; }

  // The installer window as `velarion /install [FOLDER]` shows it; its exit status.
  int RunWindow(const fs::path& folder = {}) {
    install::TInstallCommand command;
    command.folder = folder;
    return RunInstallWindow(command, source_, install::ProcessEnvironment(),
                            [this](const fs::path& file) { opened_.push_back(file); });
  }

  fs::path root_;
  fs::path source_;
  std::optional<TScopedVariable> dataHome_;
  std::vector<fs::path> opened_;
};

bool PressStart(TFakeControls& c, TDialogLogic& l) { return c.Press(l, TInstallForm::kStart); }

TEST_F(InstallFormTest, OpensWithTheDefaultFolderAndEveryRegistrationChecked) {
  struct TCase {
    bool news;  // the program folder has a whatsnew.txt
  };
  for (const TCase c : {TCase{false}, TCase{true}}) {
    if (c.news) Put(source_ / "whatsnew.txt", "news");
    veltest::TFakeDialogs dialogs({[&](TFakeControls& controls, TDialogLogic&) {
      EXPECT_EQ(Utf8(controls.Text(TInstallForm::kFolder)), DefaultFolder().string());
      EXPECT_TRUE(controls.Checked(TInstallForm::kMenuEntry));
      EXPECT_TRUE(controls.Checked(TInstallForm::kRegisterStateFiles));
      EXPECT_EQ(controls.Enabled(TInstallForm::kOpenNews), c.news);
      EXPECT_EQ(controls.Checked(TInstallForm::kOpenNews), c.news);
      return false;
    }});
    EXPECT_EQ(RunWindow(), 0);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(Utf8(dialogs.Shown()[0].caption), "Установка Velarion 5.72");
  }
}

TEST_F(InstallFormTest, ACommandLineFolderIsShownFirst) {
  veltest::TFakeDialogs dialogs({[&](TFakeControls& c, TDialogLogic&) {
    EXPECT_EQ(Utf8(c.Text(TInstallForm::kFolder)), (root_ / "from command").string());
    return false;
  }});
  RunWindow(root_ / "from command");
  EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST_F(InstallFormTest, TheChosenFolderIsWhereStartInstalls) {
  const fs::path chosen = root_ / "chosen place";
  TFolderChooserRecorder chooser(chosen.string());
  veltest::TFakeDialogs dialogs({[&](TFakeControls& c, TDialogLogic& l) {
    c.Press(l, TInstallForm::kBrowse);
    EXPECT_EQ(Utf8(c.Text(TInstallForm::kFolder)), chosen.string());
    return PressStart(c, l);
  }});
  EXPECT_EQ(RunWindow(), 0);
  ASSERT_EQ(chooser.titles.size(), 1u);
  EXPECT_EQ(Utf8(chooser.titles[0]), "Выберите папку для установки:");
  EXPECT_EQ(chooser.initials[0], DefaultFolder().string());
  EXPECT_TRUE(fs::exists(chosen / "velarion"));
  EXPECT_FALSE(fs::exists(DefaultFolder()));
}

TEST_F(InstallFormTest, ACancelledChooserKeepsTheFolder) {
  TFolderChooserRecorder chooser(std::nullopt);
  veltest::TFakeDialogs dialogs({[&](TFakeControls& c, TDialogLogic& l) {
    c.Type(l, TInstallForm::kFolder, velplatform::Cp1251((root_ / "typed").string()));
    c.Press(l, TInstallForm::kBrowse);
    EXPECT_EQ(Utf8(c.Text(TInstallForm::kFolder)), (root_ / "typed").string());
    return PressStart(c, l);
  }});
  RunWindow();
  EXPECT_EQ(chooser.initials, std::vector<std::string>{(root_ / "typed").string()});
  EXPECT_TRUE(fs::exists(root_ / "typed/velarion"));
}

TEST_F(InstallFormTest, StartInstallsReportsSuccessAndOpensTheNews) {
  Put(source_ / "whatsnew.txt", "news");
  veltest::TFakeDialogs dialogs({PressStart});
  EXPECT_EQ(RunWindow(), 0);
  EXPECT_EQ(velplatform::ReadWholeFile((DefaultFolder() / "velarion").string()), "program");
  EXPECT_TRUE(fs::exists(root_ / "share/applications/velarion.desktop"));
  EXPECT_TRUE(fs::exists(root_ / "share/mime/packages/velarion.xml"));
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(Utf8(dialogs.Messages()[0].text), "Установка успешно завершена");
  EXPECT_EQ(Utf8(dialogs.Messages()[0].title), "Информация");
  EXPECT_EQ(dialogs.Messages()[0].icon, velplatform::TMessageIcon::kInformation);
  EXPECT_EQ(opened_, std::vector<fs::path>{DefaultFolder() / "whatsnew.txt"});
}

TEST_F(InstallFormTest, UncheckedBoxesLeaveTheirPartsOut) {
  Put(source_ / "whatsnew.txt", "news");
  veltest::TFakeDialogs dialogs({[](TFakeControls& c, TDialogLogic& l) {
    c.Click(l, TInstallForm::kMenuEntry, false);
    c.Click(l, TInstallForm::kRegisterStateFiles, false);
    c.Click(l, TInstallForm::kOpenNews, false);
    return PressStart(c, l);
  }});
  EXPECT_EQ(RunWindow(), 0);
  const auto entry =
      velplatform::ReadWholeFile((root_ / "share/applications/velarion.desktop").string());
  ASSERT_TRUE(entry);
  EXPECT_NE(entry->find("NoDisplay=true"), std::string::npos) << *entry;
  EXPECT_FALSE(fs::exists(root_ / "share/mime/packages/velarion.xml"));
  EXPECT_TRUE(opened_.empty());
}

TEST_F(InstallFormTest, AFailingInstallShowsTheInstallersMessageAndLeavesNothing) {
  fs::remove(source_ / "stars.dat");  // a program folder the program cannot run from
  Put(source_ / "whatsnew.txt", "news");
  veltest::TFakeDialogs dialogs({PressStart});
  EXPECT_EQ(RunWindow(), install::kInstallFailed);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  const velplatform::TMessageBoxRequest& box = dialogs.Messages()[0];
  EXPECT_EQ(box.icon, velplatform::TMessageIcon::kError);
  EXPECT_EQ(Utf8(box.title), "Ошибка");
  EXPECT_TRUE(Utf8(box.text).starts_with("Ошибка копирования файла\n")) << Utf8(box.text);
  EXPECT_NE(box.text.find("stars.dat"), std::string::npos) << Utf8(box.text);
  EXPECT_FALSE(fs::exists(DefaultFolder()));
  EXPECT_TRUE(opened_.empty());
}

TEST_F(InstallFormTest, CancellingTheProgressKeepsTheWindowAndLeavesNothing) {
  velplatform::SetProgressRunner(
      [](velplatform::TWindowHandle, std::string_view, const velplatform::TProgressWork& work) {
        return work([](int32_t percent) { return percent < 50; });
      });
  veltest::TFakeDialogs dialogs({[](TFakeControls& c, TDialogLogic& l) {
    EXPECT_FALSE(PressStart(c, l));
    return false;
  }});
  EXPECT_EQ(RunWindow(), 0);
  velplatform::SetProgressRunner(nullptr);
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_FALSE(fs::exists(DefaultFolder()));
  EXPECT_FALSE(fs::exists(root_ / "share/applications/velarion.desktop"));
}

TEST_F(InstallFormTest, ExitAndAnEmptyFolderInstallNothing) {
  veltest::TFakeDialogs exitAtOnce({[](TFakeControls&, TDialogLogic&) { return false; }});
  EXPECT_EQ(RunWindow(), 0);
  veltest::TFakeDialogs emptyFolder({[](TFakeControls& c, TDialogLogic& l) {
    c.Type(l, TInstallForm::kFolder, "");
    EXPECT_FALSE(PressStart(c, l));  // the window stays for a folder to be typed
    EXPECT_EQ(c.focused, TInstallForm::kFolder);
    return false;
  }});
  EXPECT_EQ(RunWindow(), 0);
  EXPECT_EQ(emptyFolder.Beeps(), 1);
  EXPECT_TRUE(exitAtOnce.Messages().empty());
  EXPECT_TRUE(emptyFolder.Messages().empty());
  EXPECT_FALSE(fs::exists(root_ / "share"));
}

class UninstallQuestionTest : public InstallFormTest {
 protected:
  void InstallQuietly() {
    const auto report = install::Install({source_, DefaultFolder(), true, true},
                                         install::TXdgPlaces{root_ / "share"}, {});
    ASSERT_FALSE(report.failure) << report.failure->detail;
  }
  int Run() { return RunUninstallQuestion({}, source_, install::ProcessEnvironment()); }
};

TEST_F(UninstallQuestionTest, NoKeepsTheInstallation) {
  InstallQuietly();
  veltest::TFakeDialogs dialogs({}, TMessageAnswer::kNo);
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(Utf8(dialogs.Messages()[0].text), "Удалять Velarion из системы?");
  EXPECT_EQ(dialogs.Messages()[0].buttons, velplatform::TMessageButtons::kYesNo);
  EXPECT_TRUE(fs::exists(DefaultFolder() / "velarion"));
  EXPECT_TRUE(fs::exists(root_ / "share/applications/velarion.desktop"));
}

TEST_F(UninstallQuestionTest, YesRemovesAndSaysSo) {
  InstallQuietly();
  veltest::TFakeDialogs dialogs({}, TMessageAnswer::kYes);
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(dialogs.Messages().size(), 2u);
  EXPECT_EQ(Utf8(dialogs.Messages()[1].text), "Удаление завершено");
  EXPECT_EQ(Utf8(dialogs.Messages()[1].title), "Информация");
  EXPECT_FALSE(fs::exists(DefaultFolder() / "velarion"));
  EXPECT_FALSE(fs::exists(root_ / "share/applications/velarion.desktop"));
}

TEST_F(UninstallQuestionTest, NothingInstalledIsAnErrorWithoutAQuestion) {
  veltest::TFakeDialogs dialogs({}, TMessageAnswer::kYes);
  EXPECT_EQ(Run(), install::kInstallFailed);
  ASSERT_EQ(dialogs.Messages().size(), 1u);
  EXPECT_EQ(dialogs.Messages()[0].icon, velplatform::TMessageIcon::kError);
}

}  // namespace
}  // namespace velarion::ui

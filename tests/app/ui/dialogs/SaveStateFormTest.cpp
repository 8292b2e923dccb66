// The save-state dialog: the auto-stop date checks, the boxes that depend on each other,
// the start file's name and its removal, the overwrite question and a failed write.
#include "SaveStateForm.h"

#include "Cp1251.h"
#include "DateEntry.h"
#include "FakeDialogs.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace velarion::ui;
using velplatform::Cp1251;
using velplatform::TMessageAnswer;
using veltest::TFakeControls;
using Form = TSaveStateForm;
namespace fs = std::filesystem;

constexpr double kTimeZone = 3.0;
constexpr int32_t kAutoRotationBox = Form::PartBox(TStatePart::kAutoRotation);

class SaveStateFormTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("velarion-savestate-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  TSaveStateSetup Setup() const {
    TSaveStateSetup setup;
    setup.proposedFile = (folder_ / "state0.vls").string();
    setup.defaultFile = (folder_ / "default.vls").string();
    setup.parts = {false, true, true, false, false, false, false};
    setup.localMjdNow = LocalMjdOf({15, 6, 2024, false, 21.5});
    setup.timeZoneHours = kTimeZone;
    return setup;
  }

  // Runs the dialog with `script`; the writer records what it was asked to write.
  bool Run(const veltest::TDialogScript& script, TMessageAnswer answer = TMessageAnswer::kYes,
           bool writes = true) {
    veltest::TFakeDialogs dialogs({script}, answer);
    Form form(0, Setup(), [&](const TSaveStateChoice& choice) {
      written_.push_back(choice);
      return writes;
    });
    const bool ok = velplatform::RunDialog(0, Form::Layout(), form);
    messages_ = dialogs.Messages();
    if (ok) choice_ = form.Choice();
    return ok;
  }

  static void TickAutoStop(TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Click(l, kAutoRotationBox, true);
    c.Click(l, Form::kAutoStart, true);
    c.Click(l, Form::kAutoStop, true);
  }

  static void TypeStop(TFakeControls& c, velplatform::TDialogLogic& l, const TDateEntry& date) {
    c.Type(l, Form::kStopMoment.day, std::to_string(date.day));
    c.Choose(l, Form::kStopMoment.Month(), date.month - 1);
    c.Type(l, Form::kStopMoment.Year(), std::to_string(date.year));
    c.Choose(l, Form::kStopMoment.Era(), date.beforeChrist ? 1 : 0);
    c.Type(l, Form::kStopMoment.Hours(), std::to_string(date.hours));
  }

  fs::path folder_;
  std::vector<TSaveStateChoice> written_;
  std::vector<velplatform::TMessageBoxRequest> messages_;
  TSaveStateChoice choice_;
};

TEST_F(SaveStateFormTest, StartsWithTheProposedNameTheRememberedBoxesAndTheLocalMoment) {
  Run([&](TFakeControls& c, velplatform::TDialogLogic&) {
    EXPECT_EQ(c.Text(Form::kFile), (folder_ / "state0.vls").string());
    const TStateParts expected = Setup().parts;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(c.Checked(Form::kFirstPart + static_cast<int32_t>(i)), expected[i]) << i;
    }
    EXPECT_EQ(c.Text(Form::kStopMoment.day), "15");
    EXPECT_EQ(c.Selected(Form::kStopMoment.Month()), 5);
    EXPECT_EQ(c.Text(Form::kStopMoment.Year()), "2024");
    EXPECT_EQ(c.Text(Form::kStopMoment.Hours()), "21.5000");
    return false;
  });
}

TEST_F(SaveStateFormTest, AutoStartNeedsTheAutoRotationBoxAndAutoStopNeedsBoth) {
  struct TCase {
    bool autoRotation, start;
    bool startEnabled, stopEnabled;
  };
  for (const TCase& t : {TCase{false, true, false, false}, TCase{true, false, true, false},
                         TCase{true, true, true, true}}) {
    Run([&](TFakeControls& c, velplatform::TDialogLogic& l) {
      c.Click(l, Form::kAutoStart, t.start);
      c.Click(l, kAutoRotationBox, t.autoRotation);
      EXPECT_EQ(c.Enabled(Form::kAutoStart), t.startEnabled);
      EXPECT_EQ(c.Enabled(Form::kAutoStop), t.stopEnabled);
      c.Click(l, Form::kAutoStop, true);
      EXPECT_EQ(c.Enabled(Form::kStopMoment.Year()), t.stopEnabled);
      EXPECT_EQ(c.Enabled(Form::kStopMoment.HoursButton()), t.stopEnabled);
      return false;
    });
  }
}

TEST_F(SaveStateFormTest, AWrongStopDateKeepsTheDialogOpenWithItsMessage) {
  struct TCase {
    const char* name;
    TDateEntry date;
    const char* message;
  };
  const TCase cases[] = {
      {"year 0", {1, 1, 0, false, 0.0}, "Неверный номер года"},
      {"year 10000", {1, 1, 10000, false, 0.0}, "Неверный номер года"},
      {"10000 BC is year -9999", {1, 1, 10000, true, 0.0}, "Неверный номер года"},
      {"negative year", {1, 1, -5, false, 0.0}, "Неверный номер года"},
      {"hour 24", {1, 1, 2000, false, 24.0}, "Время должно быть от 0 до 24 ч."},
      {"negative hour", {1, 1, 2000, false, -0.5}, "Время должно быть от 0 до 24 ч."},
      {"30 February 2000", {30, 2, 2000, false, 0.0}, "День должен быть от 1 до 29"},
      {"29 February 1900", {29, 2, 1900, false, 0.0}, "День должен быть от 1 до 28"},
      {"31 April", {31, 4, 2024, false, 0.0}, "День должен быть от 1 до 30"},
      {"day 0", {0, 1, 2024, false, 0.0}, "День должен быть от 1 до 31"},
  };
  for (const TCase& t : cases) {
    written_.clear();
    const bool ok = Run([&](TFakeControls& c, velplatform::TDialogLogic& l) {
      TickAutoStop(c, l);
      TypeStop(c, l, t.date);
      return c.PressOk(l);
    });
    EXPECT_FALSE(ok) << t.name;
    EXPECT_TRUE(written_.empty()) << t.name;
    ASSERT_EQ(messages_.size(), 1u) << t.name;
    EXPECT_EQ(messages_[0].text, Cp1251(t.message)) << t.name;
    EXPECT_EQ(messages_[0].title, Cp1251("Ошибка в дате")) << t.name;
  }
}

TEST_F(SaveStateFormTest, TheStopMomentIsTheLocalDateLessTheTimeZone) {
  const TDateEntry valid{31, 12, 9999, true, 12.0};  // 9999 BC: year -9998, the earliest
  ASSERT_TRUE(Run([&](TFakeControls& c, velplatform::TDialogLogic& l) {
    TickAutoStop(c, l);
    TypeStop(c, l, valid);
    return c.PressOk(l);
  }));
  ASSERT_EQ(written_.size(), 1u);
  ASSERT_TRUE(written_[0].autoRotationStopMjdUt);
  EXPECT_NEAR(*written_[0].autoRotationStopMjdUt, LocalMjdOf(valid) - kTimeZone / 24.0, 1e-9);
  EXPECT_TRUE(written_[0].autoRotationStart);
  EXPECT_TRUE(Has(written_[0].parts, TStatePart::kAutoRotation));
}

TEST_F(SaveStateFormTest, TheStopDateIsNotCheckedWhenAutoRotationDoesNotStop) {
  ASSERT_TRUE(Run([&](TFakeControls& c, velplatform::TDialogLogic& l) {
    TickAutoStop(c, l);
    TypeStop(c, l, {1, 1, 0, false, 0.0});
    c.Click(l, Form::kAutoStop, false);
    return c.PressOk(l);
  }));
  ASSERT_EQ(written_.size(), 1u);
  EXPECT_FALSE(written_[0].autoRotationStopMjdUt);
  EXPECT_TRUE(messages_.empty());
}

TEST_F(SaveStateFormTest, RestoringAtStartFixesTheNameAndUntickingGivesTheUsersBack) {
  Run([&](TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Type(l, Form::kFile, (folder_ / "mine.vls").string());
    c.Click(l, Form::kRestoreAtStart, true);
    EXPECT_EQ(c.Text(Form::kFile), (folder_ / "default.vls").string());
    EXPECT_FALSE(c.Enabled(Form::kFile));
    EXPECT_FALSE(c.Enabled(Form::kBrowse));
    c.Click(l, Form::kRestoreAtStart, false);
    EXPECT_EQ(c.Text(Form::kFile), (folder_ / "mine.vls").string());
    EXPECT_TRUE(c.Enabled(Form::kFile));
    EXPECT_TRUE(c.Enabled(Form::kBrowse));
    return false;
  });
}

TEST_F(SaveStateFormTest, NoBoxTickedForTheStartFileRemovesIt) {
  const fs::path standard = folder_ / "default.vls";
  std::ofstream(standard) << "Velarion state file\n";
  ASSERT_TRUE(Run([&](TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Click(l, Form::kRestoreAtStart, true);
    for (int32_t i = 0; i < 7; ++i) c.Click(l, Form::kFirstPart + i, false);
    return c.PressOk(l);
  }));
  EXPECT_FALSE(fs::exists(standard));
  EXPECT_TRUE(written_.empty());
  EXPECT_TRUE(choice_.deletedDefault);
  EXPECT_TRUE(messages_.empty()) << "no overwrite question for a file that goes";
}

TEST_F(SaveStateFormTest, NoBoxTickedForAnotherFileWritesIt) {
  ASSERT_TRUE(Run([&](TFakeControls& c, velplatform::TDialogLogic& l) {
    for (int32_t i = 0; i < 7; ++i) c.Click(l, Form::kFirstPart + i, false);
    return c.PressOk(l);
  }));
  ASSERT_EQ(written_.size(), 1u);
  EXPECT_FALSE(written_[0].deletedDefault);
}

TEST_F(SaveStateFormTest, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
  std::ofstream(folder_ / "state0.vls") << "old";
  const auto pressOk = [](TFakeControls& c, velplatform::TDialogLogic& l) { return c.PressOk(l); };
  EXPECT_FALSE(Run(pressOk, TMessageAnswer::kNo));
  EXPECT_TRUE(written_.empty());
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, Cp1251("Файл с таким именем уже существует. Перезаписать его?"));
  EXPECT_EQ(messages_[0].title, Cp1251("Предупреждение"));

  EXPECT_TRUE(Run(pressOk, TMessageAnswer::kYes));
  ASSERT_EQ(written_.size(), 1u);
  EXPECT_EQ(written_[0].file, (folder_ / "state0.vls").string());
  EXPECT_EQ(choice_.parts, Setup().parts);
}

TEST_F(SaveStateFormTest, AFileThatCannotBeWrittenIsNamedAndTheDialogStays) {
  const bool ok = Run([](TFakeControls& c, velplatform::TDialogLogic& l) { return c.PressOk(l); },
                      TMessageAnswer::kOk, /*writes=*/false);
  EXPECT_FALSE(ok);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_EQ(messages_[0].text, Cp1251("Не могу открыть файл ") + (folder_ / "state0.vls").string());
  EXPECT_EQ(messages_[0].title, Cp1251("Ошибка"));
}

TEST_F(SaveStateFormTest, TheChooserStartsAtTheNameAndItsChoiceReplacesIt) {
  veltest::TFakeDialogs dialogs;
  dialogs.AnswerSaveFile("/elsewhere/Мой вид.vls");
  Form form(0, Setup(), [](const TSaveStateChoice&) { return true; });
  TFakeControls controls(Form::Layout());
  form.Init(controls);
  controls.Press(form, Form::kBrowse);
  ASSERT_EQ(dialogs.SaveFileRequests().size(), 1u);
  EXPECT_EQ(dialogs.SaveFileRequests()[0].file, (folder_ / "state0.vls").string());
  EXPECT_EQ(dialogs.SaveFileRequests()[0].filterCaption, Cp1251("Файл состояния Velarion"));
  EXPECT_EQ(dialogs.SaveFileRequests()[0].defaultExtension, "vls");
  EXPECT_EQ(controls.Text(Form::kFile), Cp1251("/elsewhere/Мой вид.vls"));

  dialogs.AnswerSaveFile(std::nullopt);
  controls.Press(form, Form::kBrowse);
  EXPECT_EQ(controls.Text(Form::kFile), Cp1251("/elsewhere/Мой вид.vls")) << "cancel keeps it";
}

}  // namespace

// The save-picture dialog: the size keeps the window's shape, the kind chooses the depths
// and the name's extension, and only sizes a picture can have are taken.
#include "SavePictureForm.h"

#include "Cp1251.h"
#include "FakeDialogs.h"
#include "FileNameField.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace velarion::ui;
using velplatform::Cp1251;
using velplatform::TMessageAnswer;
using veltest::TFakeControls;
using Form = TSavePictureForm;
namespace fs = std::filesystem;

const TPictureSetup kSetup{"/pictures/", 3, 800, 600};

// The dialog shown and initialised, without a runner.
struct TShownForm {
  explicit TShownForm(TPictureSetup setup = kSetup)
      : form(0, std::move(setup)), controls(Form::Layout()) {
    form.Init(controls);
  }
  int32_t KindIndex(TPictureKind kind) const {
    const auto kinds = PictureKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      if (kinds[i].kind == kind) return static_cast<int32_t>(i);
    }
    return -1;
  }
  Form form;
  TFakeControls controls;
};

TEST(SavePictureForm, StartsAtTheWindowsSizeWithTheFirstKindItsSecondDepthAndALegend) {
  TShownForm shown;
  const TFakeControls& c = shown.controls;
  EXPECT_EQ(c.Text(Form::kWidth), "800");
  EXPECT_EQ(c.Text(Form::kHeight), "600");
  ASSERT_EQ(c.ItemCount(Form::kKind), static_cast<int32_t>(PictureKinds().size()));
  EXPECT_EQ(c.Item(Form::kKind, 0), Cp1251("(*.bmp) Windows or OS/2 Bitmap"));
  EXPECT_EQ(c.Item(Form::kKind, 1), Cp1251("(*.gif) CompuServe Graphics Interchange"));
  EXPECT_EQ(c.Selected(Form::kKind), 0);
  EXPECT_EQ(c.Selected(Form::kDepth), 1);
  EXPECT_EQ(c.Item(Form::kDepth, 1), Cp1251("8-bit (256 цветов)"));
  EXPECT_TRUE(c.Checked(Form::kLegend));
  EXPECT_EQ(c.Text(Form::kFile), "/pictures/image3.bmp");
}

TEST(SavePictureForm, EitherSideTypedSetsTheOtherToTheWindowsShape) {
  struct TCase {
    const char* name;
    int32_t typed;
    const char* text;
    const char* width;
    const char* height;
  };
  const TCase cases[] = {
      {"width sets height", Form::kWidth, "1000", "1000", "750"},
      {"height sets width", Form::kHeight, "300", "400", "300"},
      {"rounded to nearest", Form::kWidth, "1001", "1001", "751"},
      {"an empty width comes from the height", Form::kWidth, "", "800", "600"},
      {"a zero height comes from the width", Form::kHeight, "0", "800", "600"},
  };
  for (const TCase& t : cases) {
    TShownForm shown;
    shown.controls.Type(shown.form, t.typed, t.text);
    shown.controls.Leave(shown.form, t.typed);
    EXPECT_EQ(shown.controls.Text(Form::kWidth), t.width) << t.name;
    EXPECT_EQ(shown.controls.Text(Form::kHeight), t.height) << t.name;
  }
}

TEST(SavePictureForm, AKindBringsItsDepthsAndItsExtension) {
  struct TCase {
    TPictureKind kind;
    const char* typedName;
    const char* expectedName;
    std::vector<int32_t> depths;
  };
  const TCase cases[] = {
      {TPictureKind::kGif, "/pictures/sky.bmp", "/pictures/sky.gif", {1, 8}},
      {TPictureKind::kWmf, "/a.b/sky", "/a.b/sky.wmf", {1, 24}},
      {TPictureKind::kEmf, "", "/pictures/image3.emf", {1, 24}},
      {TPictureKind::kPng, "/pictures/sky.v2.gif", "/pictures/sky.v2.png", {1, 24}},
  };
  for (const TCase& t : cases) {
    TShownForm shown;
    TFakeControls& c = shown.controls;
    c.Type(shown.form, Form::kFile, t.typedName);
    c.Choose(shown.form, Form::kKind, shown.KindIndex(t.kind));
    EXPECT_EQ(c.Text(Form::kFile), t.expectedName) << t.typedName;
    ASSERT_EQ(c.ItemCount(Form::kDepth), static_cast<int32_t>(t.depths.size())) << t.typedName;
    EXPECT_EQ(c.Selected(Form::kDepth), 1);
    c.Choose(shown.form, Form::kDepth, 0);
    ASSERT_TRUE(c.PressOk(shown.form));
    EXPECT_EQ(shown.form.Choice().kind, t.kind);
    EXPECT_EQ(shown.form.Choice().depth, t.depths[0]) << "the first depth is 1 bit";
  }
}

TEST(SavePictureForm, OnlySidesFromOneTo9999AreTaken) {
  struct TCase {
    const char* width;
    const char* height;
    bool taken;
  };
  for (const TCase& t :
       {TCase{"0", "600", false}, TCase{"800", "10000", false}, TCase{"-5", "600", false},
        TCase{"1", "1", true}, TCase{"9999", "9999", true}, TCase{"abc", "600", false}}) {
    veltest::TFakeDialogs dialogs;
    TShownForm shown;
    shown.controls.SetText(Form::kWidth, t.width);
    shown.controls.SetText(Form::kHeight, t.height);
    EXPECT_EQ(shown.controls.PressOk(shown.form), t.taken) << t.width << " x " << t.height;
    EXPECT_EQ(dialogs.Messages().size(), t.taken ? 0u : 1u) << t.width << " x " << t.height;
    if (t.taken) {
      EXPECT_EQ(shown.form.Choice().width, std::stoi(t.width));
      EXPECT_EQ(shown.form.Choice().height, std::stoi(t.height));
    }
  }
}

TEST(SavePictureForm, AnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
  const fs::path folder =
      fs::temp_directory_path() / ("velarion-savepicture-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  std::ofstream(folder / "image0.bmp") << "old";
  for (const TMessageAnswer answer : {TMessageAnswer::kNo, TMessageAnswer::kYes}) {
    veltest::TFakeDialogs dialogs({}, answer);
    TShownForm shown({folder.string() + "/", 0, 800, 600});
    EXPECT_EQ(shown.controls.PressOk(shown.form), answer == TMessageAnswer::kYes);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].title, Cp1251("Предупреждение"));
  }
  fs::remove_all(folder);
}

TEST(SavePictureForm, TheChooserIsAskedForTheKindsExtension) {
  veltest::TFakeDialogs dialogs;
  dialogs.AnswerSaveFile("/chosen/sky.gif");
  TShownForm shown;
  shown.controls.Choose(shown.form, Form::kKind, shown.KindIndex(TPictureKind::kGif));
  shown.controls.Press(shown.form, Form::kBrowse);
  ASSERT_EQ(dialogs.SaveFileRequests().size(), 1u);
  EXPECT_EQ(dialogs.SaveFileRequests()[0].file, "/pictures/image3.gif");
  EXPECT_EQ(dialogs.SaveFileRequests()[0].filterCaption,
            Cp1251("(*.gif) CompuServe Graphics Interchange"));
  EXPECT_EQ(dialogs.SaveFileRequests()[0].defaultExtension, "gif");
  EXPECT_EQ(shown.controls.Text(Form::kFile), "/chosen/sky.gif");
}

TEST(SavePictureForm, TheNextNameIsProposedInTheFolderOfTheLastSaved) {
  EXPECT_EQ(FolderOf("/home/user/sky.png", "/before/"), "/home/user/");
  EXPECT_EQ(FolderOf("sky.png", "/before/"), "/before/") << "not the root for a bare name";
}

}  // namespace

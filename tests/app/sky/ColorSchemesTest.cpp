// "colors.dat": written and read back unchanged, and the malformed files read as the
// program always read them.
#include "ColorSchemes.h"

#include "AtomicFile.h"
#include "Cp1251.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

namespace {

using namespace velarion::sky;
namespace kit = velarion::kit;
using velplatform::ReadWholeFile;
using velplatform::WriteFileAtomically;

class ColorSchemesFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = (std::filesystem::temp_directory_path() / ("velcolors-" + std::to_string(::getpid())))
                  .string() +
              "/";
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  void Write(const std::string& text) {
    ASSERT_TRUE(WriteFileAtomically(folder_ + "colors.dat", text));
  }
  static std::string Scheme(const char* marker, const char* name, int colours,
                            const char* lineEnd = "\r\n") {
    std::string text = std::string(marker) + name + lineEnd;
    for (int i = 0; i < colours; ++i) text += std::to_string(1000 + i) + lineEnd;
    return text;
  }
  std::string folder_;
};

TEST_F(ColorSchemesFile, WrittenAndReadBackGivesTheSameSchemes) {
  TColorSchemes schemes;
  schemes.screen = {std::make_shared<TColorScheme>(velplatform::Cp1251("Ночь"), false),
                    std::make_shared<TColorScheme>("Red", false)};
  schemes.screen[1]->SetColor(kit::kStarImageColour, Rgb(255, 0, 0));
  schemes.printer = {std::make_shared<TColorScheme>("Paper", true)};
  ASSERT_TRUE(schemes.Save(folder_));

  TColorSchemes read;
  read.Load(folder_);
  EXPECT_FALSE(read.changed);
  ASSERT_EQ(read.screen.size(), 2u);
  ASSERT_EQ(read.printer.size(), 1u);
  EXPECT_EQ(read.screen[0]->Name(), velplatform::Cp1251("Ночь"));
  EXPECT_EQ(read.screen[1]->Colors(), schemes.screen[1]->Colors());
  EXPECT_EQ(read.printer[0]->Colors(), TColorScheme::DefaultColors(true));
  EXPECT_TRUE(read.printer[0]->Printer());
  // The file itself: markers, names, decimal colours, CR LF.
  const std::string text = *ReadWholeFile(folder_ + "colors.dat");
  EXPECT_EQ(text.substr(0, 19), "SCRSCHEME:\xCD\xEE\xF7\xFC\r\n0\r\n");
  EXPECT_NE(text.find("PRNSCHEME:Paper\r\n16777215\r\n"), std::string::npos);
}

TEST_F(ColorSchemesFile, MalformedFilesReadAsTheyAlwaysDid) {
  struct TCase {
    const char* what;
    std::string text;
    std::size_t screens;
    std::size_t printers;
    bool changed;
  };
  const TCase cases[] = {
      {"a scheme of ten colour lines is complete",
       Scheme("SCRSCHEME:", "short", 10) + Scheme("PRNSCHEME:", "p", 14), 1, 1, false},
      {"only screen schemes: a default printer scheme, rewritten at exit",
       Scheme("SCRSCHEME:", "a", 14) + Scheme("SCRSCHEME:", "b", 14), 2, 1, true},
      {"an incomplete last scheme is dropped",
       Scheme("SCRSCHEME:", "a", 14) + Scheme("PRNSCHEME:", "p", 14) +
           Scheme("SCRSCHEME:", "cut", 5),
       1, 1, false},
      {"garbage before a scheme is skipped ten bytes at a time",
       "0123456789" + Scheme("SCRSCHEME:", "a", 14) + Scheme("PRNSCHEME:", "p", 14), 1, 1, false},
      {"LF line ends", Scheme("SCRSCHEME:", "a", 14, "\n") + Scheme("PRNSCHEME:", "p", 14, "\n"), 1,
       1, false},
      {"empty file", "", 1, 1, true},
  };
  for (const TCase& c : cases) {
    Write(c.text);
    TColorSchemes schemes;
    schemes.Load(folder_);
    EXPECT_EQ(schemes.screen.size(), c.screens) << c.what;
    EXPECT_EQ(schemes.printer.size(), c.printers) << c.what;
    EXPECT_EQ(schemes.changed, c.changed) << c.what;
  }
  Write(Scheme("SCRSCHEME:", "short", 10) + Scheme("PRNSCHEME:", "p", 14));
  TColorSchemes schemes;
  schemes.Load(folder_);
  EXPECT_EQ(schemes.screen[0]->Color(9), 1009u);
  EXPECT_EQ(schemes.screen[0]->Color(10), TColorScheme::DefaultColors(false)[10]);
}

TEST_F(ColorSchemesFile, MissingFileGivesDefaultsAndAFailedSaveKeepsTheOldFile) {
  TColorSchemes schemes;
  schemes.Load(folder_);
  EXPECT_TRUE(schemes.changed);
  ASSERT_EQ(schemes.screen.size(), 1u);
  EXPECT_EQ(schemes.screen[0]->Name(), "default");
  EXPECT_EQ(schemes.printer[0]->Colors(), TColorScheme::DefaultColors(true));
  EXPECT_FALSE(schemes.Save(folder_ + "missing-folder/"));
}

TEST(ColorSchemes, SelectionAndSlots) {
  TColorSchemeList list = {std::make_shared<TColorScheme>("a", false),
                           std::make_shared<TColorScheme>("b", false),
                           std::make_shared<TColorScheme>("c", false)};
  EXPECT_EQ(TColorSchemes::Select(list, 99)->Name(), "a");  // "ScreenColor" = 99
  EXPECT_EQ(TColorSchemes::Select(list, -1)->Name(), "a");
  EXPECT_EQ(TColorSchemes::Select(list, 2)->Name(), "c");
  TColorScheme& s = *list[0];
  s.SetColor(14, 5);
  s.SetColor(-1, 5);
  EXPECT_EQ(s.Color(14), 0u);
  EXPECT_EQ(s.Colors(), TColorScheme::DefaultColors(false));
  EXPECT_EQ(s.Color(kit::kDayBackgroundColour), Rgb(0, 0, 160));
}

TEST(ColorSchemes, DeletingTheCurrentSchemeLeavesNoDanglingReference) {
  TColorSchemeList list = {std::make_shared<TColorScheme>("a", false),
                           std::make_shared<TColorScheme>("b", false)};
  const TColorSchemePtr current = TColorSchemes::Select(list, 1);
  list.erase(list.begin() + 1);
  EXPECT_EQ(current->Name(), "b");  // still alive for the sky image until it selects anew
}

}  // namespace

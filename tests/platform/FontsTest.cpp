// Text on the image device: measuring agrees with drawing, glyphs keep to their cell, the
// Greek font shows Greek letters, the symbol font comes from its file.
#include "Fonts.h"

#include "Cp1251.h"
#include "DeviceTestSupport.h"
#include "GuiSession.h"
#include "ImageDevice.h"
#include "QtFonts.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace velplatform;
using namespace veltest;

// Unicode text drawn by Qt alone in the font, as a two-colour image of its advance and the
// given height: what a letter looks like in that font.
TMonoImage QtRendering(std::u16string_view text, const QFont& font, int32_t height) {
  const QString qtText = QString::fromStdU16String(std::u16string(text));
  const QFontMetrics metrics(font);
  TMonoImage result(metrics.horizontalAdvance(qtText), height);
  QImage canvas(result.Width(), height, QImage::Format_RGB32);
  canvas.fill(Qt::black);
  {
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(0, metrics.ascent()), qtText);
  }
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < result.Width(); ++x) result.Set(x, y, canvas.pixel(x, y) != 0xFF000000);
  }
  return result;
}

TEST(DeviceText, DrawnWholeEqualsDrawnPieceByPieceAtMeasuredWidths) {
  const std::string text = Cp1251("AVATAR Вега Ty, 1.5\xB0");
  const TFontSpec fontSpecs[] = {{"Arial", 14},
                                 {"Arial", 15, false, true},
                                 {"Arial", 11, true},
                                 {"Symbol", 14},
                                 {"Arial", 40}};
  for (const TFontSpec& fontSpec : fontSpecs) {
    TImageDevice whole(700, 50);
    TImageDevice pieces(700, 50);
    whole.SetTextColor(kWhite);
    pieces.SetTextColor(kWhite);
    whole.TextOut(3, 2, text, fontSpec);
    int32_t x = 3;
    for (char c : text) {
      pieces.TextOut(x, 2, std::string_view(&c, 1), fontSpec);
      x += pieces.TextWidth(std::string_view(&c, 1), fontSpec);
    }
    EXPECT_EQ(Pixels(whole), Pixels(pieces)) << fontSpec.family << " " << fontSpec.height;
    EXPECT_EQ(x - 3, whole.TextWidth(text, fontSpec)) << fontSpec.family << " " << fontSpec.height;
  }
}

TEST(DeviceText, RenderedTextHasTheMeasuredWidthAndTheCellHeight) {
  TImageDevice device(1, 1);
  for (int32_t height : {6, 12, 13, 30}) {
    const TFontSpec fontSpec{"Arial", height};
    for (std::string_view text : {"A", "Sirius", "Sirius B"}) {
      const TMonoImage image = device.RenderText(text, fontSpec);
      EXPECT_EQ(image.Width(), device.TextWidth(text, fontSpec)) << text << " " << height;
      EXPECT_EQ(image.Height(), height);
      EXPECT_TRUE(HasShape(image)) << text << " " << height;
    }
    EXPECT_LT(device.TextWidth("Sirius", fontSpec), device.TextWidth("Sirius B", fontSpec));
    EXPECT_LT(device.TextWidth("Sirius B", fontSpec), device.TextWidth("Sirius BB", fontSpec));
  }
  EXPECT_EQ(device.TextWidth("", {"Arial", 12}), 0);
  EXPECT_TRUE(device.RenderText("", {"Arial", 12}).Empty());
}

TEST(DeviceText, GlyphsKeepToTheirCellAndFillMostOfIt) {
  const std::string text = Cp1251("Щbg|");  // capital, ascender, descender, full-height bar
  for (int32_t height : {9, 12, 16, 24, 48}) {
    TImageDevice device(120, 80);
    device.SetTextColor(kWhite);
    device.TextOut(5, 10, text, {"Arial", height});
    const TRect box = Bounds(Lit(device));
    EXPECT_GE(box.top, 10) << height;
    EXPECT_LE(box.bottom, 10 + height - 1) << height;
    EXPECT_GE(box.bottom - box.top + 1, height * 3 / 4) << height;
    EXPECT_GE(box.left, 5) << height;
    EXPECT_LT(box.right, 5 + device.TextWidth(text, {"Arial", height})) << height;
  }
}

TEST(GreekFont, LatinLettersShowAsTheGreekLettersOfTheSansSerif) {
  const std::pair<char, char16_t> letters[] = {
      {'a', u'α'}, {'b', u'β'}, {'g', u'γ'}, {'d', u'δ'}, {'q', u'θ'}, {'l', u'λ'}, {'m', u'μ'},
      {'x', u'ξ'}, {'j', u'φ'}, {'f', u'φ'}, {'c', u'χ'}, {'y', u'ψ'}, {'w', u'ω'}, {'v', u'ϖ'},
      {'G', u'Γ'}, {'D', u'Δ'}, {'L', u'Λ'}, {'S', u'Σ'}, {'W', u'Ω'}, {'V', u'ς'}, {'1', u'1'},
  };
  TImageDevice device(1, 1);
  const TFontSpec greek{"Symbol", 16};
  const QFont sans = QtFont({"Arial", 16}, false);
  for (const auto& [latin, letter] : letters) {
    const std::string text(1, latin);
    EXPECT_EQ(device.RenderText(text, greek), QtRendering(std::u16string(1, letter), sans, 16))
        << latin << "\n"
        << Picture(device.RenderText(text, greek));
  }
  EXPECT_NE(device.RenderText("a", greek), device.RenderText("a", {"Arial", 16}));
  EXPECT_NE(device.RenderText("a", greek), QtRendering(u"a", sans, 16));
}

TEST(GreekFont, TheConfiguredGreekFamilyDrawsGreekAndSymbolStaysGreek) {
  TImageDevice device(1, 1);
  const TMonoImage latin = device.RenderText("abg", {"Arial", 14});
  const TMonoImage greek = device.RenderText("abg", {"Symbol", 14});
  ASSERT_NE(latin, greek);
  EXPECT_EQ(device.RenderText("abg", {"Greek Letters", 14}), latin);  // unknown: the sans serif
  device.SetGreekFamily("Greek Letters");
  EXPECT_EQ(device.RenderText("abg", {"greek letters", 14}), greek);
  EXPECT_EQ(device.RenderText("abg", {"SYMBOL", 14}), greek);
  EXPECT_EQ(device.RenderText("abg", {"Arial", 14}), latin);
}

TEST(Fonts, FamiliesResolveToInstalledFonts) {
  const std::string sans = SansSerifFamily();
  EXPECT_TRUE(sans == "DejaVu Sans" || sans == "Liberation Sans") << sans;
  struct TCase {
    const char* family;
    bool greek;
    std::string installed;
  };
  const TCase cases[] = {
      {"Arial", false, sans},
      {"ARIAL", false, sans},
      {"No Such Family", false, sans},
      {"Symbol", true, sans},
      {"DejaVu Sans Mono", false, "DejaVu Sans Mono"},
      {"DejaVu Sans Mono", true, sans},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(InstalledFamily(c.family, c.greek), c.installed) << c.family << " " << c.greek;
  }
}

class SymbolFont : public testing::Test {
 protected:
  void TearDown() override {
    UnregisterSymbolFont();
    std::filesystem::remove(notAFont_);
  }
  std::filesystem::path notAFont_ =
      std::filesystem::temp_directory_path() / ("velfont-" + std::to_string(::getpid()) + ".ttf");
};

TEST_F(SymbolFont, RegisteredFromItsFileItDrawsTheSymbols) {
  TImageDevice device(1, 1);
  const TFontSpec symbol{std::string(kSymbolFontFamily), 24};
  const TMonoImage before = device.RenderText("S", symbol);
  ASSERT_TRUE(RegisterSymbolFont(VELARION_SYMBOL_FONT));
  EXPECT_TRUE(SymbolFontRegistered());
  EXPECT_EQ(InstalledFamily(kSymbolFontFamily, false), "Ravar Oder");
  // The planet symbols and the special symbols, each unlike the letter in the sans serif.
  for (char c : std::string("SnUVWXYZpqrs")) {
    const std::string text(1, c);
    const TMonoImage glyph = device.RenderText(text, symbol);
    EXPECT_TRUE(HasShape(glyph)) << c;
    EXPECT_NE(glyph, device.RenderText(text, {"Arial", 24})) << c << "\n" << Picture(glyph);
  }
  UnregisterSymbolFont();
  EXPECT_FALSE(SymbolFontRegistered());
  EXPECT_EQ(device.RenderText("S", symbol), before);
  EXPECT_EQ(before, device.RenderText("S", {"Arial", 24}));
}

TEST_F(SymbolFont, MissingOrBrokenFileIsRefused) {
  EXPECT_FALSE(RegisterSymbolFont("/nonexistent/astrof.ttf"));
  EXPECT_FALSE(SymbolFontRegistered());
  std::ofstream(notAFont_) << "not a font";
  ASSERT_TRUE(RegisterSymbolFont(VELARION_SYMBOL_FONT));
  EXPECT_FALSE(RegisterSymbolFont(notAFont_.string()));
  EXPECT_FALSE(SymbolFontRegistered());
  EXPECT_EQ(InstalledFamily(kSymbolFontFamily, false), SansSerifFamily());
}

TEST(GuiSession, NestedSessionsAndDevicesLeaveTheApplicationRunning) {
  const QCoreApplication* application = QCoreApplication::instance();
  ASSERT_NE(application, nullptr);
  {
    const TGuiSession inner;
    EXPECT_TRUE(inner.Active());
    const TImageDevice device(2, 2);
    EXPECT_EQ(QCoreApplication::instance(), application);
  }
  EXPECT_EQ(QCoreApplication::instance(), application);
}

}  // namespace

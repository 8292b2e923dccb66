#include "Fonts.h"

#include "Cp1251.h"
#include "QtFonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <array>

namespace velplatform {

namespace {

// The registered symbol font: one for the run, as the program registers it at start.
struct TSymbolFont {
  int id = -1;
  std::string family;  // CP1251, as the program's names are
  uint64_t generation = 0;
};

TSymbolFont& SymbolFont() {
  static TSymbolFont font;
  return font;
}

bool QtRunning() { return QGuiApplication::instance() != nullptr; }

QString ToQString(std::string_view cp1251) {
  const std::u16string text = Cp1251ToUtf16(cp1251);
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

bool Installed(std::string_view family) { return QFontDatabase::hasFamily(ToQString(family)); }

// What the classic Greek font shows for the Latin letters a .. z and A .. Z.
constexpr std::array<char16_t, 26> kGreekSmall = {
    u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'φ', u'κ', u'λ', u'μ',
    u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
constexpr std::array<char16_t, 26> kGreekCapital = {
    u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'Φ', u'Κ', u'Λ', u'Μ',
    u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};

char16_t GreekLetter(char16_t c) {
  if (c >= u'a' && c <= u'z') return kGreekSmall[c - u'a'];
  if (c >= u'A' && c <= u'Z') return kGreekCapital[c - u'A'];
  return c;
}

int CellHeight(QFont font, int pixelSize) {
  font.setPixelSize(pixelSize);
  return QFontMetrics(font).height();
}

// The largest pixel size whose cell fits `cell` pixels (1 when none does), from the
// proportional estimate.
int FittingPixelSize(const QFont& font, int cell) {
  const int64_t estimate = int64_t{cell} * cell / std::max(1, CellHeight(font, cell));
  int size = static_cast<int>(std::clamp<int64_t>(estimate, 1, cell));
  while (size < cell && CellHeight(font, size + 1) <= cell) ++size;
  while (size > 1 && CellHeight(font, size) > cell) --size;
  return size;
}

}  // namespace

bool RegisterSymbolFont(const std::string& path) {
  if (!QtRunning()) return false;
  UnregisterSymbolFont();
  const int id = QFontDatabase::addApplicationFont(QFile::decodeName(path.c_str()));
  if (id < 0) return false;
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    QFontDatabase::removeApplicationFont(id);
    return false;
  }
  const QString& family = families.front();
  TSymbolFont& font = SymbolFont();
  font.id = id;
  font.family = Utf16ToCp1251(std::u16string_view(reinterpret_cast<const char16_t*>(family.utf16()),
                                                  static_cast<std::size_t>(family.size())));
  ++font.generation;
  return true;
}

void UnregisterSymbolFont() {
  TSymbolFont& font = SymbolFont();
  if (font.id < 0) return;
  if (QtRunning()) QFontDatabase::removeApplicationFont(font.id);
  font.id = -1;
  font.family.clear();
  ++font.generation;
}

bool SymbolFontRegistered() { return SymbolFont().id >= 0; }

std::string SansSerifFamily() {
  for (std::string_view family : {"DejaVu Sans", "Liberation Sans"}) {
    if (Installed(family)) return std::string(family);
  }
  return "sans-serif";  // fontconfig's own choice
}

std::string InstalledFamily(std::string_view family, bool greek) {
  const TSymbolFont& symbol = SymbolFont();
  if (!greek && symbol.id >= 0 && EqualsIgnoringCase(family, kSymbolFontFamily)) {
    return symbol.family;
  }
  if (greek || EqualsIgnoringCase(family, "Arial") || !Installed(family)) {
    return SansSerifFamily();
  }
  return std::string(family);
}

std::u16string GreekText(std::u16string_view text) {
  std::u16string greek(text);
  std::transform(greek.begin(), greek.end(), greek.begin(), GreekLetter);
  return greek;
}

QFont QtFont(const TFontSpec& fontSpec, bool greek) {
  QFont font(ToQString(InstalledFamily(fontSpec.family, greek)));
  font.setItalic(fontSpec.italic);
  font.setBold(fontSpec.bold);
  font.setKerning(false);
  font.setStyleStrategy(QFont::NoAntialias);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setPixelSize(FittingPixelSize(font, std::max(1, fontSpec.height)));
  return font;
}

uint64_t FontRegistrationGeneration() { return SymbolFont().generation; }

}  // namespace velplatform

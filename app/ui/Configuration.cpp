#include "Configuration.h"

#include "BoundaryRecords.h"
#include "Concat.h"
#include "Cp1251.h"
#include "ValueFormat.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace velarion::ui {

namespace {

using velarion::sky::ListItemInt;
using velarion::sky::ListItemText;
using velarion::sky::ParseFloatText;
using velarion::sky::ParseIntText;
using velplatform::TIniDocument;
namespace keys = configkeys;

constexpr std::string_view kAuto = "AUTO";
constexpr std::string_view kDefaultPlacement = "def";
constexpr int kFirstBodyItem = 5;

// The four keys of one view mode's display limits.
struct TStarDisplayKeys {
  TConfigKey starLimit;
  TConfigKey labelLimit;
  TConfigKey labelFontSize;
  TConfigKey starSizes;
};

constexpr TStarDisplayKeys kQuickKeys{keys::kMaxStarV, keys::kMaxLabelV, keys::kRFontSize,
                                      keys::kBLevels};
constexpr TStarDisplayKeys kDetailedKeys{keys::kDMaxStarV, keys::kDMaxLabelV, keys::kDRFontSize,
                                         keys::kDBLevels};

// ---- reading ----

std::optional<std::string> Text(const TIniDocument& file, TConfigKey key) {
  return file.Get(key.section, key.key);
}

bool FlagNotZero(const TIniDocument& file, TConfigKey key, bool fallback) {
  const auto text = Text(file, key);
  return text ? *text != "0" : fallback;
}

bool FlagIsOne(const TIniDocument& file, TConfigKey key, bool fallback) {
  const auto text = Text(file, key);
  return text ? *text == "1" : fallback;
}

bool FirstItemFlag(const TIniDocument& file, TConfigKey key, bool fallback) {
  const auto text = Text(file, key);
  return text ? ListItemText(*text, 1) != "0" : fallback;
}

int32_t Integer(const TIniDocument& file, TConfigKey key, int32_t fallback) {
  const auto text = Text(file, key);
  return text ? ParseIntText(*text) : fallback;
}

double Number(const TIniDocument& file, TConfigKey key, double fallback) {
  const auto text = Text(file, key);
  return text ? ParseFloatText(*text) : fallback;
}

// The integer the text begins with, so that "7.5" (or "7,2") still gives 7.
int32_t LeadingInteger(std::string_view text) {
  const std::string trimmed = velarion::sky::TrimSpaces(text);
  std::size_t end = !trimmed.empty() && (trimmed[0] == '-' || trimmed[0] == '+') ? 1 : 0;
  while (end < trimmed.size() && trimmed[end] >= '0' && trimmed[end] <= '9') ++end;
  return ParseIntText(std::string_view(trimmed).substr(0, end));
}

double FirstInteger(const TIniDocument& file, TConfigKey key, double fallback) {
  const auto text = Text(file, key);
  return text ? LeadingInteger(*text) : fallback;
}

template <std::size_t N>
std::array<int32_t, N> IntegerItems(std::string_view text) {
  std::array<int32_t, N> items{};
  for (std::size_t i = 0; i < N; ++i) items[i] = ListItemInt(text, static_cast<int>(i + 1));
  return items;
}

template <std::size_t N>
std::array<bool, N> FlagItems(const TIniDocument& file, TConfigKey key,
                              const std::array<bool, N>& fallback) {
  const auto text = Text(file, key);
  if (!text) return fallback;
  std::array<bool, N> flags{};
  std::ranges::transform(IntegerItems<N>(*text), flags.begin(), [](int32_t v) { return v != 0; });
  return flags;
}

template <std::size_t N>
std::array<int32_t, N> IntegerList(const TIniDocument& file, TConfigKey key,
                                   const std::array<int32_t, N>& fallback) {
  const auto text = Text(file, key);
  return text ? IntegerItems<N>(*text) : fallback;
}

// None for "AUTO" and for a missing key (automatic is the default of both such keys).
std::optional<double> AutoOrNumber(const TIniDocument& file, TConfigKey key) {
  const auto text = Text(file, key);
  if (!text || velplatform::EqualsIgnoringCase(*text, kAuto)) return std::nullopt;
  return ParseFloatText(*text);
}

std::string ShortText(const TIniDocument& file, TConfigKey key, std::string_view fallback) {
  return Text(file, key).value_or(std::string(fallback)).substr(0, kMaxSkyFontNameLength);
}

TWindowPlacement MainPlacement(const TIniDocument& file, const TWindowPlacement& fallback) {
  const auto text = Text(file, keys::kMain);
  if (!text) return fallback;
  const auto items = IntegerItems<5>(*text);
  return {items[0], items[1], items[2], items[3], items[4] != 0};
}

// A remembered placement always starts with a digit 1 … 9; anything else ("def") means the
// window was never placed.
std::optional<std::array<int32_t, 4>> InfoFormPlacement(const TIniDocument& file) {
  const auto text = Text(file, keys::kInfoFormSize);
  if (!text || text->empty() || (*text)[0] < '1' || (*text)[0] > '9') return std::nullopt;
  return IntegerItems<4>(*text);
}

TConsoleFont ConsoleFont(const TIniDocument& file) {
  TConsoleFont font;
  const auto text = Text(file, keys::kFont);
  if (!text) return font;
  if (std::string name = ListItemText(*text, 1); !name.empty()) font.name = std::move(name);
  const int32_t size = ListItemInt(*text, 2);
  if (size >= kMinConsoleFontSize && size <= kMaxConsoleFontSize) font.sizePoints = size;
  return font;
}

TVisibility Visibility(const TIniDocument& file, const TVisibility& fallback) {
  const auto text = Text(file, keys::kObjectsVis);
  if (!text) return fallback;
  const auto item = IntegerItems<16>(*text);
  TVisibility v;
  v.stars = item[0] != 0;
  v.constellationBoundaries = item[1] != 0;
  v.constellationNames = item[2] != 0;
  v.constellationFigures = item[3] != 0;
  // An item counts as its bit whatever non-zero value it holds, so that a stray 2 cannot
  // spill into the next body's bit.
  v.bodyBits = 0;
  for (int bit = 0; bit < kit::kBodySwitchCount; ++bit) {
    if (item[kFirstBodyItem - 1 + bit] != 0) v.bodyBits |= static_cast<uint16_t>(1U << bit);
  }
  v.deepSky = item[14] != 0;
  v.solarSystem = item[15] != 0;
  return v;
}

TStarDisplay StarDisplay(const TIniDocument& file, const TStarDisplayKeys& k,
                         const TStarDisplay& fallback) {
  return {Integer(file, k.starLimit, fallback.starLimit),
          Integer(file, k.labelLimit, fallback.labelLimit),
          FirstInteger(file, k.labelFontSize, fallback.labelFontSize),
          Integer(file, k.starSizes, fallback.starSizes)};
}

TWindowSettings ReadWindow(const TIniDocument& file) {
  TWindowSettings w;
  w.main = MainPlacement(file, w.main);
  w.popToolBar = FlagNotZero(file, keys::kPopToolBar, w.popToolBar);
  w.showConsole = FlagNotZero(file, keys::kShowConsole, w.showConsole);
  w.consoleSizePercent = std::clamp(Number(file, keys::kConsoleSize, w.consoleSizePercent),
                                    double{kMinConsoleSizePercent}, double{kMaxConsoleSizePercent});
  w.infoFormPlacement = InfoFormPlacement(file);
  return w;
}

TConsoleSettings ReadConsole(const TIniDocument& file) {
  TConsoleSettings c;
  c.autoSave = FlagNotZero(file, keys::kAutoSaveConsole, c.autoSave);
  c.autoShow = FlagNotZero(file, keys::kAutoShowConsole, c.autoShow);
  c.font = ConsoleFont(file);
  c.autoFontSize = FlagNotZero(file, keys::kAutoFontSize, c.autoFontSize);
  return c;
}

TAtmosphere ReadAtmosphere(const TIniDocument& file) {
  TAtmosphere a;
  a.refraction = FlagNotZero(file, keys::kRefraction, a.refraction);
  a.pressureMbar = Number(file, keys::kAtPress, a.pressureMbar);
  a.temperatureCelsius = Number(file, keys::kAtTemp, a.temperatureCelsius);
  return a;
}

TAutoRotation ReadAutoRotation(const TIniDocument& file) {
  TAutoRotation r;
  // A step of 0 would freeze auto rotation and a negative one run it against its direction
  // flag; an unreadable step reads as 0.
  const double step = Number(file, keys::kRotTime, r.timeStepDays);
  if (step > 0.0) r.timeStepDays = step;
  r.refreshIntervalCode = std::clamp(Integer(file, keys::kRefInterval, r.refreshIntervalCode),
                                     kMinRefreshIntervalCode, kMaxRefreshIntervalCode);
  r.forward = FlagNotZero(file, keys::kRotDirection, r.forward);
  r.realTime = FlagNotZero(file, keys::kRealTime, r.realTime);
  return r;
}

TSkySettings ReadSky(const TIniDocument& file) {
  TSkySettings s;
  s.stereographic = FlagNotZero(file, keys::kProjection, s.stereographic);
  s.objectHints = FlagNotZero(file, keys::kObjHints, s.objectHints);
  s.deltaTSeconds = AutoOrNumber(file, keys::kEtUt);
  s.atmosphere = ReadAtmosphere(file);
  s.azimuthFromSouth = FlagNotZero(file, keys::kAzZeroPoint, s.azimuthFromSouth);
  s.mirrorView = FlagNotZero(file, keys::kMirrorView, s.mirrorView);
  s.visibility = Visibility(file, s.visibility);
  s.skyColourMode = Integer(file, keys::kChangeSpaceColor, s.skyColourMode);
  s.quick = StarDisplay(file, kQuickKeys, s.quick);
  s.detailed = StarDisplay(file, kDetailedKeys, s.detailed);
  s.normalFont = ShortText(file, keys::kNormalText, s.normalFont);
  s.greekFont = ShortText(file, keys::kGreekText, s.greekFont);
  s.screenSchemePosition = Integer(file, keys::kScreenColor, s.screenSchemePosition);
  s.printSchemePosition = Integer(file, keys::kPrintColor, s.printSchemePosition);
  s.autoRotation = ReadAutoRotation(file);
  s.starProperNames = FlagNotZero(file, keys::kStarPropNames, s.starProperNames);
  s.alwaysHighPrecision = FlagNotZero(file, keys::kAlwaysHighPrecision, s.alwaysHighPrecision);
  s.limitBySkyState = FlagNotZero(file, keys::kVRestrict, s.limitBySkyState);
  s.showAsBitmap = FlagNotZero(file, keys::kShowAsBitmap, s.showAsBitmap);
  s.saveStateFlags = FlagItems(file, keys::kSaveStateFlags, s.saveStateFlags);
  s.hourAngleInStatusBar = FlagIsOne(file, keys::kEqCoordInStatusBar, s.hourAngleInStatusBar);
  s.pathsBeforeGroups = FlagIsOne(file, keys::kPathOrder, s.pathsBeforeGroups);
  return s;
}

TLocation ReadLocation(const TIniDocument& file) {
  TLocation l;
  l.timeZoneHours = AutoOrNumber(file, keys::kTimeZone);
  if (l.timeZoneHours) {
    l.timeZoneHours = std::clamp(*l.timeZoneHours, kMinTimeZoneHours, kMaxTimeZoneHours);
  }
  l.longitudeDeg = Number(file, keys::kLongitude, l.longitudeDeg);
  l.latitudeDeg = Number(file, keys::kLatitude, l.latitudeDeg);
  return l;
}

TPrintSettings ReadPrint(const TIniDocument& file) {
  TPrintSettings p;
  p.asBitmap = FlagNotZero(file, keys::kPrintAsBitmap, p.asBitmap);
  p.legend = FlagNotZero(file, keys::kPrintLegend, p.legend);
  p.preview = FlagNotZero(file, keys::kPrintPreview, p.preview);
  p.toFile = FlagNotZero(file, keys::kPrintToFile, p.toFile);
  p.orientation = Integer(file, keys::kPrintOrientation, p.orientation);
  return p;
}

TGridSettings ReadGrid(const TIniDocument& file) {
  TGridSettings g;
  g.lineVisible = FlagItems(file, keys::kLineVis, g.lineVisible);
  g.lineStep = IntegerList(file, keys::kLineStep, g.lineStep);
  g.azimuthAutoStep = FirstItemFlag(file, keys::kAzAuto, g.azimuthAutoStep);
  g.equatorialAutoStep = FirstItemFlag(file, keys::kEqAuto, g.equatorialAutoStep);
  g.horizontalGridShown = FirstItemFlag(file, keys::kAzGrid, g.horizontalGridShown);
  g.equatorialGridShown = FirstItemFlag(file, keys::kEqGrid, g.equatorialGridShown);
  return g;
}

// ---- writing ----

void Put(TIniDocument& file, TConfigKey key, std::string_view text) {
  if (file.Get(key.section, key.key) != text) file.Set(key.section, key.key, text);
}

std::string Flag(bool on) { return on ? "1" : "0"; }

// Fixed decimals, without the "-" of a value that rounds to zero.
std::string Decimals(double x, int decimals) {
  std::string text = velarion::sky::FixedToText(decimals, x);
  if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}

std::string Whole(int64_t n) { return velarion::sky::IntToText(n); }

template <typename Range>
std::string Joined(const Range& items) {
  std::string text;
  for (const auto& item : items) {
    if (!text.empty()) text += ',';
    text += Whole(static_cast<int64_t>(item));
  }
  return text;
}

std::string AutoOr(const std::optional<double>& value, int decimals) {
  return value ? Decimals(*value, decimals) : std::string(kAuto);
}

std::string VisibilityText(const TVisibility& v) {
  std::array<bool, 16> items{v.stars, v.constellationBoundaries, v.constellationNames,
                             v.constellationFigures};
  for (int bit = 0; bit < kit::kBodySwitchCount; ++bit) {
    items[kFirstBodyItem - 1 + bit] = (v.bodyBits >> bit & 1U) != 0;
  }
  items[14] = v.deepSky;
  items[15] = v.solarSystem;
  return Joined(items);
}

void WriteStarDisplay(TIniDocument& file, const TStarDisplayKeys& k, const TStarDisplay& d) {
  Put(file, k.starLimit, Whole(d.starLimit));
  Put(file, k.labelLimit, Whole(d.labelLimit));
  Put(file, k.labelFontSize, Decimals(d.labelFontSize, 0));
  Put(file, k.starSizes, Whole(d.starSizes));
}

void WriteWindow(TIniDocument& file, const TWindowSettings& w) {
  const TWindowPlacement& m = w.main;
  Put(file, keys::kMain,
      Joined(std::array<int64_t, 5>{m.left, m.top, m.width, m.height, m.maximised}));
  Put(file, keys::kPopToolBar, Flag(w.popToolBar));
  Put(file, keys::kShowConsole, Flag(w.showConsole));
  Put(file, keys::kConsoleSize, Decimals(w.consoleSizePercent, 4));
  Put(file, keys::kInfoFormSize,
      w.infoFormPlacement ? Joined(*w.infoFormPlacement) : std::string(kDefaultPlacement));
}

void WriteConsole(TIniDocument& file, const TConsoleSettings& c) {
  Put(file, keys::kAutoSaveConsole, Flag(c.autoSave));
  Put(file, keys::kAutoShowConsole, Flag(c.autoShow));
  Put(file, keys::kFont,
      velplatform::Concat(
          {c.font.name, ",", Whole(std::abs(static_cast<int64_t>(c.font.sizePoints)))}));
  Put(file, keys::kAutoFontSize, Flag(c.autoFontSize));
}

void WriteSky(TIniDocument& file, const TSkySettings& s) {
  Put(file, keys::kProjection, Flag(s.stereographic));
  Put(file, keys::kObjHints, Flag(s.objectHints));
  Put(file, keys::kEtUt, AutoOr(s.deltaTSeconds, 1));
  Put(file, keys::kRefraction, Flag(s.atmosphere.refraction));
  Put(file, keys::kAtPress, Decimals(s.atmosphere.pressureMbar, 0));
  Put(file, keys::kAtTemp, Decimals(s.atmosphere.temperatureCelsius, 0));
  Put(file, keys::kAzZeroPoint, Flag(s.azimuthFromSouth));
  Put(file, keys::kMirrorView, Flag(s.mirrorView));
  Put(file, keys::kObjectsVis, VisibilityText(s.visibility));
  Put(file, keys::kChangeSpaceColor, Whole(s.skyColourMode));
  WriteStarDisplay(file, kQuickKeys, s.quick);
  WriteStarDisplay(file, kDetailedKeys, s.detailed);
  Put(file, keys::kNormalText, s.normalFont);
  Put(file, keys::kGreekText, s.greekFont);
  Put(file, keys::kRotTime, Decimals(s.autoRotation.timeStepDays, 12));
  Put(file, keys::kScreenColor, Whole(s.screenSchemePosition));
  Put(file, keys::kPrintColor, Whole(s.printSchemePosition));
  Put(file, keys::kRefInterval, Whole(s.autoRotation.refreshIntervalCode));
  Put(file, keys::kRotDirection, Flag(s.autoRotation.forward));
  Put(file, keys::kRealTime, Flag(s.autoRotation.realTime));
  Put(file, keys::kStarPropNames, Flag(s.starProperNames));
  Put(file, keys::kAlwaysHighPrecision, Flag(s.alwaysHighPrecision));
  Put(file, keys::kVRestrict, Flag(s.limitBySkyState));
  Put(file, keys::kShowAsBitmap, Flag(s.showAsBitmap));
  Put(file, keys::kSaveStateFlags, Joined(s.saveStateFlags));
  Put(file, keys::kEqCoordInStatusBar, Flag(s.hourAngleInStatusBar));
  Put(file, keys::kPathOrder, Flag(s.pathsBeforeGroups));
}

void WriteLocation(TIniDocument& file, const TLocation& l) {
  // Two decimals, so that zones such as +5.75 and +8.75 survive a save.
  Put(file, keys::kTimeZone, AutoOr(l.timeZoneHours, 2));
  Put(file, keys::kLongitude, Decimals(l.longitudeDeg, 5));
  Put(file, keys::kLatitude, Decimals(l.latitudeDeg, 5));
}

void WritePrint(TIniDocument& file, const TPrintSettings& p) {
  Put(file, keys::kPrintAsBitmap, Flag(p.asBitmap));
  Put(file, keys::kPrintLegend, Flag(p.legend));
  Put(file, keys::kPrintPreview, Flag(p.preview));
  Put(file, keys::kPrintToFile, Flag(p.toFile));
  Put(file, keys::kPrintOrientation, Whole(p.orientation));
}

void WriteGrid(TIniDocument& file, const TGridSettings& g) {
  Put(file, keys::kLineVis, Joined(g.lineVisible));
  Put(file, keys::kLineStep, Joined(g.lineStep));
  Put(file, keys::kAzAuto, Flag(g.azimuthAutoStep));
  Put(file, keys::kEqAuto, Flag(g.equatorialAutoStep));
  Put(file, keys::kAzGrid, Flag(g.horizontalGridShown));
  Put(file, keys::kEqGrid, Flag(g.equatorialGridShown));
}

}  // namespace

TConfiguration ReadConfiguration(const TIniDocument& file) {
  return {ReadWindow(file),   ReadConsole(file), ReadSky(file),
          ReadLocation(file), ReadPrint(file),   ReadGrid(file)};
}

void WriteConfiguration(const TConfiguration& c, TIniDocument& file) {
  // Sections in the order they first appear in the key table, so that a new file lists the
  // keys in reading order.
  WriteWindow(file, c.window);
  WriteConsole(file, c.console);
  WriteSky(file, c.sky);
  WriteLocation(file, c.location);
  WritePrint(file, c.print);
  WriteGrid(file, c.grid);
}

}  // namespace velarion::ui

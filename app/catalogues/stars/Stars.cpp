#include "Stars.h"

#include "Cp1251.h"
#include "Dialogs.h"
#include "FixedPlaceRiseSet.h"
#include "GroupDataFile.h"
#include "IniAccess.h"
#include "NeighbourGroups.h"
#include "ProjectionExports.h"
#include "ProperNameTable.h"
#include "SkyImageExports.h"
#include "StarColours.h"
#include "StarDataRecord.h"
#include "StarDesignation.h"
#include "StarInformation.h"
#include "StarOptionsDialog.h"
#include "StarSearch.h"
#include "StarSearchDialog.h"
#include "velastro.h"

#include <array>
#include <cmath>

namespace velarion::catalogues {
namespace {

using velplatform::Cp1251;
using velplatform::TPoint;

constexpr const char* kOptionsSection = "BSC Color";
constexpr const char* kColoursKey = "StarColorsEnable";
constexpr uint16_t kTrueEquatorOfDate = 3;
constexpr int32_t kArcminutesPerCircle = 21600;
constexpr double kMasPerDegree = 3600.0 * 1000.0;
constexpr int32_t kMaxCodeNameLength = 127;

// The four sky backgrounds.
constexpr std::array<kit::TColourSlot, 4> kBackgroundColours = {
    kit::kNightBackgroundColour, kit::kDayBackgroundColour, kit::kCivilTwilightBackgroundColour,
    kit::kAstronomicalTwilightBackgroundColour};
// The palette mark does not change which colour is meant.
constexpr velplatform::TColor kRgbMask = 0x00FFFFFF;

int32_t RoundedArcminutes(int32_t arcsec) {
  return static_cast<int32_t>(std::lround(arcsec / 60.0));
}

bool ReadColoursEnabled() {
  std::array<char, 16> value{};
  RestoreIniString(kOptionsSection, kColoursKey, "0", value.data(),
                   static_cast<int32_t>(value.size()));
  return std::string_view(value.data()) != "0" && value[0] != 0;
}

TConstellationName ConstellationOrUnknown(int32_t number) {
  if (std::optional<TConstellationName> name = ConstellationName(number)) return *std::move(name);
  return {std::string(kUnknownConstellation), std::string(kUnknownConstellation),
          std::string(kUnknownConstellation)};
}

}  // namespace

void TStars::Init() {
  Code = "BSC5P";
  Name = Cp1251("Каталог ярких звезд (Цветн.)");
  Version = "2.0";
  EpochKind = 1;
  Epoch = 0.0;
  // The Latin K in the caption is as the menus have always shown it.
  SearchCaption = Cp1251("звезду в 'Kаталоге ярких звезд'");
  HasOptions = true;
  InfoItems.Add(Cp1251("Восход/Заход"));
}

// The one extra command: rise, culmination and set of the object (the number is not asked).
bool TStars::AdvancedInfo(kit::TWindowHandle /*owner*/, int32_t index, int32_t /*command*/) {
  return solar::ShowRiseSetOfObject(*this, index);
}

bool TStars::InitResources(kit::TWindowHandle owner) {
  coloursEnabled_ = ReadColoursEnabled();
  std::optional<TStarFile> read = OpenGroupDataFile<TStarFile>(owner, programFolder_, "stars.dat");
  if (!read) return false;
  file_ = std::move(read);
  stars_.assign(file_->Count(), TStarEntry{});
  for (std::size_t i = 0; i < stars_.size(); ++i) {
    const TStarRecord r = *file_->Record(i);
    TStarEntry& entry = stars_[i];
    entry.hr = r.hr;
    entry.raArcsec = r.raArcsec;
    entry.decArcsec = r.decArcsec;
    entry.pmRa = r.pmRaMasPerYear;
    entry.pmDec = r.pmDecMasPerYear;
    entry.magnitude = r.magnitudeCenti;
    entry.colour = StarColourForIndex(r.colourIndexCenti);
  }
  ObjectCount = static_cast<int32_t>(stars_.size());
  return TObjectGroup::InitResources(owner);
}

void TStars::FreeResources() {
  if (ResourcesReady) SaveIniString(kOptionsSection, kColoursKey, coloursEnabled_ ? "1" : "0");
  file_.reset();
  stars_.clear();
  ObjectCount = 0;
  TObjectGroup::FreeResources();
}

void TStars::RefreshParam() {
  timeArgument_ = static_cast<int32_t>(std::lround(GetT(View.mjdUt) * 10000.0));
}

TStars::TStarEntry* TStars::Entry(int32_t index) {
  return IsValidIndex(index) ? &stars_[static_cast<std::size_t>(index - 1)] : nullptr;
}

void TStars::LowPrecisionPlace(const TStarEntry& star, int32_t& raArcsec,
                               int32_t& decArcsec) const {
  PropMotion_LowPrec(star.raArcsec, star.decArcsec, star.pmRa, star.pmDec, timeArgument_ / 10,
                     &raArcsec, &decArcsec);
}

void TStars::HighPrecisionPlace(const TStarEntry& star, double& raDeg, double& decDeg) const {
  PropMotion_HighPrec(star.raArcsec / 3600.0, star.decArcsec / 3600.0, star.pmRa / kMasPerDegree,
                      star.pmDec / kMasPerDegree, timeArgument_ * 0.01, &raDeg, &decDeg);
}

// The stars run from the faintest to the brightest: those within the limit form the end
// of the file.
std::size_t TStars::FirstWithinLimit() const {
  std::size_t first = stars_.size();
  while (first > 0 && stars_[first - 1].magnitude <= View.magnitudeLimitObjects) --first;
  return first;
}

std::optional<TPoint> TStars::QuickPosition(const TStarEntry& star) const {
  int32_t ra = 0;
  int32_t dec = 0;
  LowPrecisionPlace(star, ra, dec);
  // Nearest arc-minute, as the quick projection expects; 360 degrees is 0.
  TPoint at{};
  if (!QuickRaDecToXY(RoundedArcminutes(ra) % kArcminutesPerCircle, RoundedArcminutes(dec), &at.x,
                      &at.y)) {
    return std::nullopt;
  }
  return at;
}

const std::string& TStars::Label(std::size_t index, std::optional<TProperNameTable>& properNames) {
  TStarEntry& entry = stars_[index];
  if (!entry.label.empty()) return entry.label;
  const TStarRecord star = *file_->Record(index);
  std::string_view properName;
  if (View.starProperNames != 0) {
    if (!properNames) properNames = TProperNameTable::FromStarNames();
    properName = properNames->Find(star.hr);
  }
  entry.label =
      StarLabel(star, ConstellationOrUnknown(star.constellation).abbreviation, properName);
  return entry.label;
}

void TStars::LayOut(std::size_t index, TPoint at, std::optional<TProperNameTable>& properNames) {
  TStarEntry& star = stars_[index];
  star.symbolSize = SymbolSizeForMagnitude(star.magnitude);
  int32_t w = 0;
  int32_t h = 0;
  GetSymbolSize(star.symbolSize, &w, &h);
  star.symbolX = at.x - w / 2;
  star.symbolY = at.y - h / 2;
  star.rect = {star.symbolX, star.symbolY, star.symbolX + w, star.symbolY + h};
  if (star.magnitude <= View.magnitudeLimitLabels) {
    const int32_t labelHeight = View.fontHeight * 5 / 4;
    if (h < labelHeight) star.rect.top -= labelHeight - h;
    star.rect.right += DrawString(Label(index, properNames).c_str(), 0, 0, false) + 1;
  }
  star.visible = true;
}

void TStars::CalculateObjects(const kit::TVisibleObjectReport& report) {
  for (TStarEntry& star : stars_) star.visible = false;
  if (View.objectsVisible1 == 0) return;
  const bool properNamesOn = View.starProperNames != 0;
  if (properNamesOn != lastProperNames_) {
    for (TStarEntry& star : stars_) star.label.clear();
    lastProperNames_ = properNamesOn;
  }
  const bool detailed = ViewMode != 0;
  TApparentPlaceParams apparent{};
  if (detailed) {
    // The detailed view shows the full apparent place, so it projects in the true
    // equator of date rather than the group's catalogue frame. velastro's apparent place,
    // its star-independent part prepared once for all the stars.
    PrepareApparentPlaces(Epoch, GetT(View.mjdDynamical), &apparent);
    SetEpoch(0.0, kTrueEquatorOfDate);
  }
  std::optional<TProperNameTable> properNames;  // only while labels are being built
  for (std::size_t i = FirstWithinLimit(); i < stars_.size(); ++i) {
    std::optional<TPoint> at;
    if (detailed) {
      double ra = 0.0;
      double dec = 0.0;
      HighPrecisionPlace(stars_[i], ra, dec);
      if (IsRaDecInView(ra, dec)) {
        ApparentPlaceQuick(&apparent, &ra, &dec);
        if (TPoint p{}; RaDecToXY(ra, dec, &p.x, &p.y)) at = p;
      }
    } else {
      at = QuickPosition(stars_[i]);
    }
    if (!at) continue;
    LayOut(i, *at, properNames);
    report(static_cast<int32_t>(i + 1));
  }
  if (detailed) SetEpoch(Epoch, static_cast<uint16_t>(EpochKind));
}

void TStars::DrawStar(const TStarEntry& star, int32_t bitDepth) {
  const velplatform::TColor imageColour = View.colours[kit::kStarImageColour];
  int32_t w = 0;
  int32_t h = 0;
  GetSymbolSize(star.symbolSize, &w, &h);
  const auto colour = static_cast<int32_t>(star.colour);
  if (bitDepth > 1 && coloursEnabled_) {
    bool onBackground = false;
    for (kit::TColourSlot c : kBackgroundColours) {
      onBackground = onBackground || (View.colours[c] & kRgbMask) == (star.colour & kRgbMask);
    }
    if (onBackground) {
      // A star of the sky's own colour gets a rim in the star-image colour.
      DrawSymbol(star.symbolSize, star.symbolX, star.symbolY, static_cast<int32_t>(imageColour));
      if (star.symbolSize > 1) {
        int32_t wi = 0;
        int32_t hi = 0;
        GetSymbolSize(star.symbolSize - 1, &wi, &hi);
        DrawSymbol(star.symbolSize - 1, star.symbolX + (w - wi) / 2, star.symbolY + (h - hi) / 2,
                   colour);
      }
    } else {
      DrawSymbol(star.symbolSize, star.symbolX, star.symbolY, colour);
    }
  } else {
    DrawSymbol(star.symbolSize, star.symbolX, star.symbolY, static_cast<int32_t>(imageColour));
  }
  if (star.magnitude <= View.magnitudeLimitLabels && !star.label.empty()) {
    SetDrawColor(kit::kTextColour, static_cast<int32_t>(imageColour));
    DrawString(star.label.c_str(), star.symbolX + w + 1, star.rect.top, true);
  }
}

void TStars::DrawObjects(const kit::TNextObject& next) {
  const int32_t bitDepth = GetDrawDeviceBitDepth();
  // A host gives each number once; the bound keeps a faulty one from looping for ever.
  for (int32_t drawn = 0; drawn < ObjectCount; ++drawn) {
    const int32_t index = next();
    if (index == -1) break;
    const TStarEntry* star = Entry(index);
    if (star != nullptr && star->visible && IsRectInView(star->rect)) DrawStar(*star, bitDepth);
  }
}

bool TStars::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  const TStarEntry* star = Entry(index);
  if (star == nullptr || View.objectsVisible1 == 0 || !star->visible ||
      star->magnitude > View.magnitudeLimitObjects) {
    return false;
  }
  rect = star->rect;
  return true;
}

bool TStars::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  const TStarEntry* star = Entry(index);
  if (star == nullptr) return false;
  int32_t raArcsec = 0;
  int32_t decArcsec = 0;
  LowPrecisionPlace(*star, raArcsec, decArcsec);
  ra = raArcsec / 3600.0;
  dec = decArcsec / 3600.0;
  return true;
}

int32_t TStars::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  if (!IsValidIndex(index)) return 0;
  return WriteStarData(*file_->Record(static_cast<std::size_t>(index - 1)), buffer);
}

bool TStars::GetFObjectData(int32_t index, kit::TCommonObject& record) {
  const TStarEntry* star = Entry(index);
  if (star == nullptr) return false;
  record.flags = kit::kObjectName | kit::kObjectPositionFixed | kit::kObjectCataloguePosition |
                 kit::kObjectVisualMagnitude;
  record.name = GetObjectName(index).substr(0, kMaxCodeNameLength);
  HighPrecisionPlace(*star, record.raOfDate, record.decOfDate);
  record.raCatalogue = star->raArcsec / 3600.0;
  record.decCatalogue = star->decArcsec / 3600.0;
  record.visualMagnitude = static_cast<float>(star->magnitude / 100.0);
  return true;
}

std::string TStars::GetObjectName(int32_t index) {
  if (!IsValidIndex(index)) return {};
  const TStarRecord star = *file_->Record(static_cast<std::size_t>(index - 1));
  const TConstellationName constellation = ConstellationOrUnknown(star.constellation);
  return StarName(star, constellation.abbreviation, constellation.name,
                  FindProperName(star.hr).value_or(""));
}

void TStars::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  const TStarEntry* entry = Entry(index);
  if (entry == nullptr) return;
  const TStarRecord star = *file_->Record(static_cast<std::size_t>(index - 1));
  TConstellationName constellation = ConstellationOrUnknown(star.constellation);
  TStarContext context{std::move(constellation.abbreviation), std::move(constellation.name),
                       FindProperName(star.hr).value_or("")};
  HighPrecisionPlace(*entry, context.apparentRaDeg, context.apparentDecDeg);
  AstrometricToApparent(0.0, GetT(View.mjdDynamical), &context.apparentRaDeg,
                        &context.apparentDecDeg);
  AddStarInformation(star, context, lines);
}

int32_t TStars::SelectObjectForSearch(kit::TWindowHandle owner) {
  if (!file_) return -1;
  const std::optional<TStarQuery> query = AskStarQuery(owner);
  if (!query) return -1;
  if (const std::optional<std::size_t> found = FindStar(*file_, *query)) {
    return static_cast<int32_t>(*found + 1);
  }
  velplatform::ShowError(owner, Cp1251("Такая звезда в каталоге отсутствует"));
  return -1;
}

bool TStars::EditOptions(kit::TWindowHandle owner) {
  const std::optional<bool> choice = AskStarColours(owner, coloursEnabled_);
  if (!choice) return false;
  coloursEnabled_ = *choice;
  return true;
}

kit::TGroupPtr MakeStarsGroup(const std::string& programFolder) {
  return kit::MakeGroup<TStars>(programFolder);
}

}  // namespace velarion::catalogues

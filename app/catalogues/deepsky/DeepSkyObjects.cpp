#include "DeepSkyObjects.h"

#include "AngleUtils.h"
#include "Cp1251.h"
#include "DeepFindForm.h"
#include "DeepSkyObjectRecord.h"
#include "DeepSkyTexts.h"
#include "Dialogs.h"
#include "FixedPlaceRiseSet.h"
#include "GroupDataFile.h"
#include "MarkupText.h"
#include "ProjectionExports.h"
#include "SkyImageExports.h"
#include "ValueFormat.h"

#include <cmath>

namespace velarion::catalogues {

namespace {

using velplatform::Cp1251;

std::string HoursAndMinutes(double degrees) {
  return sky::FormatAngle(sky::TAngleUnit::kHours, sky::TAngleResolution::kMinutes, 1, false,
                          degrees / 15.0);
}

std::string DegreesAndMinutes(double degrees) {
  return sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kMinutes, 0, true,
                          degrees);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Normal(std::string text) { return sky::kMarkupNormal + std::move(text); }

}  // namespace

void TDeepSkyObjects::Init() {
  Code = "DEEPS";
  Name = Cp1251("Галактики,туманн.,зв.скопления");
  Version = "2.0";
  EpochKind = 1;
  Epoch = 0.0;
  SearchCaption = Cp1251("галактику, туманность, зв.скопление");
  InfoItems.Add(Cp1251("Восход/Заход"));
}

// The one extra command: rise, culmination and set of the object (the number is not asked).
bool TDeepSkyObjects::AdvancedInfo(kit::TWindowHandle /*owner*/, int32_t index,
                                   int32_t /*command*/) {
  return solar::ShowRiseSetOfObject(*this, index);
}

bool TDeepSkyObjects::InitResources(kit::TWindowHandle owner) {
  std::optional<TDeepSkyFile> file = OpenGroupDataFile<TDeepSkyFile>(owner, folder_, kFileName);
  if (!file) return false;
  file_ = std::move(file);
  objects_.assign(file_->Count(), {});
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const auto record = file_->Record(i);
    if (!record) continue;
    TObject& o = objects_[i];
    o.raArcsec = sky::RoundToInt(record->RaDeg() * 3600.0);
    o.decArcsec = sky::RoundToInt(record->DecDeg() * 3600.0);
    o.magnitude = record->magnitudeCenti;
    o.symbol = SymbolOf(record->type);
    o.label = LabelText(*record);
  }
  ObjectCount = static_cast<int32_t>(objects_.size());
  return TObjectGroup::InitResources(owner);
}

void TDeepSkyObjects::FreeResources() {
  objects_ = {};
  file_.reset();
  ObjectCount = 0;
  TObjectGroup::FreeResources();
}

std::optional<velplatform::TPoint> TDeepSkyObjects::Place(const TObject& object) const {
  velplatform::TPoint p;
  if (ViewMode == 1) {
    const double ra = object.raArcsec / 3600.0;
    const double dec = object.decArcsec / 3600.0;
    if (!IsRaDecInView(ra, dec) || !RaDecToXY(ra, dec, &p.x, &p.y)) return std::nullopt;
  } else if (!QuickRaDecToXY(object.raArcsec / 60, object.decArcsec / 60, &p.x, &p.y)) {
    return std::nullopt;
  }
  return p;
}

void TDeepSkyObjects::Lay(TObject& object, velplatform::TPoint at) const {
  int32_t w = 0;
  int32_t h = 0;
  GetSymbolSize(object.symbol, &w, &h);
  object.symbolCorner = {at.x - w / 2, at.y - h / 2};
  object.rect = {object.symbolCorner.x, object.symbolCorner.y, object.symbolCorner.x + w,
                 object.symbolCorner.y + h};
  object.labelX = object.rect.left + w + 1;
  // Room above a small symbol for the label's full height.
  const int32_t labelHeight = View.fontHeight * 5 / 4;
  if (h < labelHeight) object.rect.top -= labelHeight - h;
  object.rect.right += DrawString(object.label.c_str(), 0, 0, false) + 1;
}

void TDeepSkyObjects::CalculateObjects(const kit::TVisibleObjectReport& report) {
  const bool shown = View.objectsVisible15 != 0;
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    TObject& o = objects_[i];
    const auto at = shown ? Place(o) : std::nullopt;
    o.visible = at.has_value();
    if (!o.visible) continue;
    Lay(o, *at);
    report(static_cast<int32_t>(i) + 1);
  }
}

void TDeepSkyObjects::DrawObjects(const kit::TNextObject& next) {
  const auto colour = static_cast<int32_t>(View.colours[kit::kDeepSkyColour]);
  SetDrawColor(kit::kTextColour, colour);
  for (int32_t n = next(); n != -1; n = next()) {
    const TObject* o = Object(n);
    if (o == nullptr || !o->visible || !IsRectInView(o->rect)) continue;
    DrawSymbol(o->symbol, o->symbolCorner.x, o->symbolCorner.y, colour);
    DrawString(o->label.c_str(), o->labelX, o->rect.top, true);
  }
}

const TDeepSkyObjects::TObject* TDeepSkyObjects::Object(int32_t index) const {
  if (index < 1 || static_cast<std::size_t>(index) > objects_.size()) return nullptr;
  return &objects_[static_cast<std::size_t>(index - 1)];
}

std::optional<TDeepSkyRecord> TDeepSkyObjects::Record(int32_t index) const {
  if (!file_ || Object(index) == nullptr) return std::nullopt;
  return file_->Record(static_cast<std::size_t>(index - 1));
}

bool TDeepSkyObjects::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  const TObject* o = Object(index);
  if (o == nullptr || View.objectsVisible15 == 0 || !o->visible) return false;
  rect = o->rect;
  return true;
}

bool TDeepSkyObjects::GetObjectRaDec(int32_t index, double& ra, double& dec) {
  const TObject* o = Object(index);
  if (o == nullptr) return false;
  ra = o->raArcsec / 3600.0;
  dec = o->decArcsec / 3600.0;
  return true;
}

int32_t TDeepSkyObjects::GetObjectData(int32_t index, std::span<std::byte> buffer) {
  const auto record = Record(index);
  return record ? WriteDeepSkyObjectRecord(*record, buffer) : 0;
}

bool TDeepSkyObjects::GetFObjectData(int32_t index, kit::TCommonObject& common) {
  const auto record = Record(index);
  double ra = 0.0;
  double dec = 0.0;
  if (!record || !GetObjectRaDec(index, ra, dec)) return false;
  common.flags = kit::kObjectName | kit::kObjectPositionFixed | kit::kObjectCataloguePosition |
                 kit::kObjectSize;
  common.name = GetObjectName(index);
  common.raOfDate = common.raCatalogue = ra;
  common.decOfDate = common.decCatalogue = dec;
  common.sizeDeg = static_cast<float>(record->sizeDeciArcmin / 10.0 / 60.0);
  if (record->magnitudeCenti != 0) {
    common.flags |= kit::kObjectVisualMagnitude;
    common.visualMagnitude = static_cast<float>(record->magnitudeCenti / 100.0);
  }
  return true;
}

std::string TDeepSkyObjects::GetObjectName(int32_t index) {
  const auto record = Record(index);
  if (!record) return {};
  if (CloudOf(*record) != TMagellanicCloud::kNone) return KindName(*record);
  const std::string type = FullTypeName(record->type);
  if (!record->name.empty()) return Quoted(record->name) + ", " + type;
  if (record->messier != 0) return "M " + std::to_string(record->messier) + ", " + type;
  return "NGC " + std::to_string(record->ngc) + ", " + type;
}

void TDeepSkyObjects::GetObjectStrings(int32_t index, kit::TZStrings& lines) {
  const auto record = Record(index);
  if (!record) return;
  const bool cloud = CloudOf(*record) != TMagellanicCloud::kNone;
  lines.Add(Normal(KindName(*record)));
  if (!cloud && !record->name.empty()) lines.Add(Normal(Quoted(record->name)));
  if (record->messier != 0 || record->ngc != 0) {
    std::string numbers;
    if (record->messier != 0) numbers += Normal("M " + std::to_string(record->messier));
    if (record->messier != 0 && record->ngc != 0) numbers += ", ";
    if (record->ngc != 0) numbers += Normal("NGC " + std::to_string(record->ngc));
    lines.Add(numbers);
  }
  lines.Add(Normal(Cp1251("Экват. координаты (J2000):")));
  const std::string greekA{sky::kMarkupGreek, 'a', sky::kMarkupNormal};
  const std::string greekD{sky::kMarkupGreek, 'd', sky::kMarkupNormal};
  lines.Add(greekA + ": " + HoursAndMinutes(record->RaDeg()) + "   " + greekD + ": " +
            DegreesAndMinutes(record->DecDeg()));
  lines.Add(Normal("V: " + sky::FixedToText(1, record->magnitudeCenti / 100.0)) +
            sky::kMarkupSuperscriptOn + "m" + sky::kMarkupSuperscriptOff +
            Normal(Cp1251(";   Угловой размер: ") +
                   sky::FixedToText(1, record->sizeDeciArcmin / 10.0) + "'"));
}

int32_t TDeepSkyObjects::SelectObjectForSearch(kit::TWindowHandle owner) {
  if (!file_) return -1;
  TDeepFindForm form(*file_);
  if (!velplatform::RunDialog(owner, TDeepFindForm::Layout(), form)) return -1;
  return form.Chosen().value_or(-1);
}

}  // namespace velarion::catalogues

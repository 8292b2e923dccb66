#include "GroupViewMover.h"

#include "PluginVer10.h"
#include "ValueFormat.h"
#include "velastro.h"

#include <utility>

namespace velarion::ephemeris {

namespace {

constexpr double kSunVersionComputingAlone = 4.0;

bool NeedsWholeView(const groups::TSkyObjectGroup& group) {
  if (dynamic_cast<const groups::TPluginVer10*>(&group) != nullptr) return true;
  return group.Code == "SUN" && sky::ParseFloatText(group.Version) < kSunVersionComputingAlone;
}

}  // namespace

TGroupViewMover::TGroupViewMover(sky::TSkyImage& image, TRecalculateView recalculateView)
    : image_(image), recalculateView_(std::move(recalculateView)), startMjd_(image.Mjd()) {}

TGroupViewMover::~TGroupViewMover() {
  image_.SetMjd(startMjd_);
  if (recalculateView_) recalculateView_();
}

void TGroupViewMover::MoveTo(double mjdUt, groups::TSkyObjectGroup& group) {
  image_.SetMjd(mjdUt);
  if (NeedsWholeView(group) && recalculateView_) {
    recalculateView_();
  } else {
    group.RefreshParam(image_.RefreshParamRecord());
  }
}

std::optional<kit::TCommonObject> TGroupViewMover::Record(const sky::TSelectedObject& object) {
  if (object.group == nullptr) return std::nullopt;
  return records_.Get(*object.group, object.index, image_.Mjd(), image_.ViewGeneration());
}

std::optional<TPlaceOfDate> TGroupViewMover::PlaceAt(double mjdUt,
                                                     const sky::TSelectedObject& object) {
  if (object.group == nullptr) return std::nullopt;
  MoveTo(mjdUt, *object.group);
  const std::optional<kit::TCommonObject> record = Record(object);
  constexpr int32_t kPlaceOfDate = kit::kObjectPositionFixed | kit::kObjectPositionSolarSystem;
  if (!record || (record->flags & kPlaceOfDate) == 0) return std::nullopt;
  return TPlaceOfDate{record->raOfDate, record->decOfDate, EquinoxT(*object.group)};
}

double TGroupViewMover::EquinoxT(const groups::TSkyObjectGroup& group) const {
  return group.EpochKind == 1 ? group.Epoch : GetT(image_.MjdDynamical());
}

}  // namespace velarion::ephemeris

#include "StateOfView.h"

#include <algorithm>
#include <cmath>

namespace velarion::ui {

namespace {

namespace vis = sky::visibility;

// The file's switch order; the two grids are not visibility positions.
constexpr std::array<int, 6> kSwitchPositions = {
    vis::kStars, vis::kBoundaries, vis::kNames, vis::kSolarSystem, vis::kFigures, vis::kDeepSky};
constexpr auto kEquatorialGrid = static_cast<std::size_t>(TStateSwitch::kEquatorialGrid);
constexpr auto kHorizontalGrid = static_cast<std::size_t>(TStateSwitch::kHorizontalGrid);
// Zones are written with one decimal.
constexpr double kSameZoneHours = 0.01;

TStateGroupVisibility CaptureGroupVisibility(const TStateView& view) {
  TStateGroupVisibility visibility;
  for (std::size_t i = 0; i < kSwitchPositions.size(); ++i) {
    visibility.switches[i] = view.image.ObjectVisible(kSwitchPositions[i]);
  }
  visibility.switches[kEquatorialGrid] = view.image.GridSettings().equatorialGrid != 0;
  visibility.switches[kHorizontalGrid] = view.image.GridSettings().azimuthGrid != 0;
  for (int32_t i = 0; i < view.groups.Count(); ++i) {
    const groups::TGroupListElement& element = view.groups.Element(i);
    if (element.Group() == nullptr) continue;
    visibility.groups.push_back(
        {element.Group()->Code, element.VisibleInQuickView(), element.VisibleInDetailedView()});
  }
  return visibility;
}

TStarDisplay StarDisplayOf(const sky::TSkyImage& image, bool detailed) {
  return {image.StarLimit(detailed), image.LabelLimit(detailed), image.LabelFontSize(detailed),
          image.StarSizes(detailed)};
}

void ApplyGroupVisibility(const TStateGroupVisibility& visibility, const TStateView& view) {
  for (std::size_t i = 0; i < kSwitchPositions.size(); ++i) {
    view.image.SetObjectVisible(kSwitchPositions[i], visibility.switches[i]);
  }
  sky::TGridSettings grid = view.image.GridSettings();
  grid.equatorialGrid = visibility.switches[kEquatorialGrid] ? 1 : 0;
  grid.azimuthGrid = visibility.switches[kHorizontalGrid] ? 1 : 0;
  view.image.SetGridSettings(grid);
  for (const TStateGroupModes& modes : visibility.groups) {
    for (int32_t i = 0; i < view.groups.Count(); ++i) {
      groups::TGroupListElement& element = view.groups.Element(i);
      if (element.Group() == nullptr || element.Group()->Code != modes.code) continue;
      element.SetVisibleInQuickView(modes.quick);
      element.SetVisibleInDetailedView(modes.detailed);
    }
  }
  view.image.MarkViewChanged();
}

void ApplyImageParams(const TStateImageParams& params, sky::TSkyImage& image) {
  image.SetStarLimit(params.quick.starLimit);
  image.SetLabelLimit(params.quick.labelLimit);
  image.SetLabelFontSize(params.quick.labelFontSize);
  image.SetStarSizes(params.quick.starSizes);
  image.SetDetailedStarLimit(params.detailed.starLimit);
  image.SetDetailedLabelLimit(params.detailed.labelLimit);
  image.SetDetailedLabelFontSize(params.detailed.labelFontSize);
  image.SetDetailedStarSizes(params.detailed.starSizes);
}

void ApplySelection(const std::vector<TStateObject>& selection, const TStateView& view) {
  view.image.ClearSelection();
  for (const TStateObject& object : selection) {
    groups::TSkyObjectGroup* group = view.groups.FindGroup(object.groupCode);
    if (group == nullptr || object.index < 1 || object.index > group->GetObjectCount()) continue;
    view.image.AddSelectedObject(group, object.index);
  }
}

void ApplyLocation(const TStateLocation& location, sky::TSkyImage& image) {
  image.SetLongitude(location.longitudeDeg);
  image.SetLatitude(location.latitudeDeg);
  if (std::abs(location.timeZoneHours - image.TimeZone()) > kSameZoneHours) {
    image.SetTimeZoneAutomatic(false);
    image.SetTimeZone(location.timeZoneHours);
  }
}

}  // namespace

TStateSkyPoint SkyPointAt(const sky::TSkyImage& image, double x, double y) {
  const double radius = std::max(image.Radius(), 1);
  return {image.Zoom(), image.ViewRotation(), image.Mirror(), (x - image.CentreX()) / radius,
          (y - image.CentreY()) / radius / image.YScale()};
}

void LayOutPictureAt(sky::TSkyImage& image, int32_t width, int32_t height,
                     const TStateSkyPoint& point) {
  image.SetPictureView(width, height, point.zoom);
  if (!image.DetailedView()) return;
  const auto offset = [&](double fraction, double scale) {
    return static_cast<int32_t>(std::lround(image.Radius() * fraction * scale));
  };
  image.SetViewRect(width, height, offset(point.x, 1.0) - width / 2,
                    offset(point.y, image.YScale()) - height / 2, false, false);
  image.UpdateLayout(image.Zoom());
}

TStateFile CaptureState(const TStateView& view, const TStateCapture& capture) {
  const sky::TSkyImage& image = view.image;
  TStateFile state;
  const auto has = [&](TStatePart part) { return Has(capture.parts, part); };
  if (has(TStatePart::kLocation)) {
    state.location = TStateLocation{image.Longitude(), image.Latitude(), image.TimeZone()};
  }
  if (has(TStatePart::kTime)) state.mjdUt = image.Mjd();
  if (has(TStatePart::kSkyPoint))
    state.skyPoint = SkyPointAt(image, capture.middleX, capture.middleY);
  if (has(TStatePart::kGroupVisibility)) state.groupVisibility = CaptureGroupVisibility(view);
  if (has(TStatePart::kImageParams)) {
    state.imageParams = TStateImageParams{StarDisplayOf(image, false), StarDisplayOf(image, true)};
  }
  if (has(TStatePart::kSelection)) {
    state.selection.emplace();
    for (const sky::TSelectedObject& object : image.Selection()) {
      if (object.group != nullptr) state.selection->push_back({object.group->Code, object.index});
    }
    state.tracking = capture.tracking;
  }
  if (has(TStatePart::kAutoRotation)) {
    state.autoRotation = view.autoRotation;
    state.autoRotationStart = capture.autoRotationStart;
    state.autoRotationStopMjdUt = capture.autoRotationStopMjdUt;
  }
  return state;
}

TStateFollowUp ApplyState(const TStateFile& state, const TStateView& view) {
  sky::TSkyImage& image = view.image;
  TStateFollowUp followUp;
  if (state.mjdUt) image.SetMjd(*state.mjdUt);
  if (state.location) ApplyLocation(*state.location, image);
  if (state.skyPoint) {
    image.SetViewRotation(state.skyPoint->rotationDeg);
    image.SetMirror(state.skyPoint->mirror);
    followUp.skyPoint = state.skyPoint;
  }
  if (state.groupVisibility) ApplyGroupVisibility(*state.groupVisibility, view);
  if (state.imageParams) ApplyImageParams(*state.imageParams, image);
  if (state.selection) ApplySelection(*state.selection, view);
  if (state.autoRotation) view.autoRotation = *state.autoRotation;
  followUp.anythingApplied = state != TStateFile{};
  followUp.startAutoRotation = state.autoRotationStart.value_or(false);
  followUp.showSelection = state.selection.has_value();
  followUp.tracking = state.tracking;
  followUp.autoRotationStopMjdUt = state.autoRotationStopMjdUt;
  return followUp;
}

}  // namespace velarion::ui

#include "SkyInput.h"

#include "StatusReadOut.h"
#include "ZoomSteps.h"

namespace velarion::ui {

namespace {

TPixel PictureOf(const TInputView& view, TPixel area) {
  return {area.x + view.scroll.x, area.y + view.scroll.y};
}

TPixel AreaCentre(const TInputView& view) { return {view.areaWidth / 2, view.areaHeight / 2}; }

bool OnArea(const TInputView& view, TPixel area) {
  return area.x >= 0 && area.y >= 0 && area.x < view.areaWidth && area.y < view.areaHeight;
}

TZoomAbout ZoomAtCentre(const TInputView& view, int32_t zoom, bool keepScroll) {
  return {zoom, PictureOf(view, AreaCentre(view)), AreaCentre(view), keepScroll};
}

std::optional<double> AngleBetweenAreaPoints(const TInputView& view, TPixel a, TPixel b) {
  const TPixel p = PictureOf(view, a);
  const TPixel q = PictureOf(view, b);
  return PixelAngle(view.disc, p.x, p.y, q.x, q.y);
}

double RotationDraggedTo(const TInputView& view, const TSkyInput::TDrag& drag, TPixel area) {
  const TPixel from = PictureOf(view, drag.pressArea);
  const TPixel to = PictureOf(view, area);
  return DraggedRotation(view.disc, drag.startRotationDeg, from.x, from.y, to.x, to.y);
}

}  // namespace

std::optional<TInputAction> TSkyInput::Key(const TInputView& view, const TKeyPress& key) {
  const int32_t zoom = view.zoom;
  switch (key.key) {
    case TSkyKey::kEscape:
      return Cancel();
    case TSkyKey::kPageUp:
      return ZoomAtCentre(view, ZoomInStep(zoom), false);
    case TSkyKey::kPageDown:
      return ZoomAtCentre(view, ZoomOutStep(zoom), false);
    case TSkyKey::kHome:
      return ZoomAtCentre(view, 100, true);
    case TSkyKey::kDigit: {
      // With Ctrl or on the numeric pad a digit is not the sky's.
      const std::optional<int32_t> digitZoom = DigitZoom(key.digit);
      if (key.ctrl || key.keypad || !digitZoom) return std::nullopt;
      return ZoomAtCentre(view, *digitZoom, false);
    }
    case TSkyKey::kLeft:
      return key.ctrl ? TInputAction{TRotateBy{kRotationStep}} : TPan{-kPanStep, 0};
    case TSkyKey::kRight:
      return key.ctrl ? TInputAction{TRotateBy{-kRotationStep}} : TPan{kPanStep, 0};
    case TSkyKey::kUp:
      return TPan{0, -kPanStep};
    case TSkyKey::kDown:
      return TPan{0, kPanStep};
    case TSkyKey::kPlus:
      return TStepTime{true};
    case TSkyKey::kMinus:
      return TStepTime{false};
    case TSkyKey::kF8:
      return TOpenGroupOptions{};
    case TSkyKey::kOther:
      break;
  }
  return std::nullopt;
}

TInputAction TSkyInput::Wheel(const TInputView& view, TPixel area, int delta, bool ctrl) const {
  if (drag_ || delta == 0) return std::monostate{};  // a drag keeps the view it started on
  if (ctrl) return TRotateBy{delta > 0 ? kRotationStep : -kRotationStep};
  const int32_t zoom = delta > 0 ? ZoomInStep(view.zoom) : ZoomOutStep(view.zoom);
  return TZoomAbout{zoom, PictureOf(view, area), area, false};
}

TInputAction TSkyInput::Press(const TInputView& view, TSkyTool tool, TMouseButton button,
                              TPixel area) {
  if (tool == TSkyTool::kZoom) {
    // The clicked point comes to the middle of the window.
    const int32_t zoom =
        button == TMouseButton::kRight ? ZoomOutStep(view.zoom) : ZoomInStep(view.zoom);
    return TZoomAbout{zoom, PictureOf(view, area), AreaCentre(view), false};
  }
  if (button == TMouseButton::kLeft && tool != TSkyTool::kNone) {
    drag_ = TDrag{tool, area, area, view.disc.rotationDeg, false};
  }
  return std::monostate{};
}

TInputAction TSkyInput::Move(const TInputView& view, TPixel area) {
  if (!drag_) return std::monostate{};
  const TPixel last = drag_->currentArea;
  drag_->currentArea = area;
  drag_->moved = drag_->moved || area != drag_->pressArea;
  switch (drag_->tool) {
    case TSkyTool::kSelection:
      // The sky follows the pointer.
      return TPan{last.x - area.x, last.y - area.y};
    case TSkyTool::kAngle:
      if (const auto angle = AngleBetweenAreaPoints(view, drag_->pressArea, area)) {
        return TShowDraggedAngle{*angle};
      }
      return TRepaintOverlay{};
    default:
      return TRepaintOverlay{};
  }
}

TInputAction TSkyInput::Release(const TInputView& view, TMouseButton button, TPixel area,
                                bool keepSelection) {
  if (!drag_ || button != TMouseButton::kLeft) return std::monostate{};
  const TDrag drag = *drag_;
  drag_.reset();
  const bool onSky = OnArea(view, area);
  switch (drag.tool) {
    case TSkyTool::kSelection:
      if (drag.moved) return TRedraw{};
      return TPick{PictureOf(view, area), keepSelection};
    case TSkyTool::kRegionZoom: {
      const TRegionZoom region = RegionZoom(view.zoom, drag.pressArea.x, drag.pressArea.y, area.x,
                                            area.y, view.areaWidth, view.areaHeight);
      return TZoomAbout{region.zoom, PictureOf(view, {region.centreX, region.centreY}),
                        AreaCentre(view), false};
    }
    case TSkyTool::kRotation:
      // Dropped elsewhere, the drag counts as cancelled.
      return TSetRotation{onSky && drag.moved ? RotationDraggedTo(view, drag, area)
                                              : drag.startRotationDeg};
    case TSkyTool::kAngle:
      if (const auto angle = AngleBetweenAreaPoints(view, drag.pressArea, area); angle && onSky) {
        return TShowAngle{*angle};
      }
      return TRedraw{};
    default:
      return TRedraw{};
  }
}

TInputAction TSkyInput::Cancel() {
  if (!drag_) return std::monostate{};
  const double start = drag_->startRotationDeg;
  drag_.reset();
  return TSetRotation{start};
}

TReadOut TSkyInput::ReadOut(const TInputView& view, TPixel area, const TApparentPlaceAt& placeAt,
                            double siderealHours, bool hourAngle) const {
  // While a tool drags, the message panel keeps the drag's own text.
  const std::optional<std::string> cleared =
      drag_ ? std::nullopt : std::optional<std::string>(std::string());
  const TPixel picture = PictureOf(view, area);
  const TDiscPoint h = PixelToHorizontal(view.disc, picture.x, picture.y);
  if (!h.insideDisc || !OnArea(view, area)) return {std::string(), cleared};
  TReadOut readOut{HorizontalReadOut(h.azimuthDeg, h.altitudeDeg), cleared};
  if (drag_) return readOut;
  if (const std::optional<TApparentPlace> place = placeAt(picture)) {
    readOut.message = EquatorialReadOut(place->raDeg, place->decDeg, siderealHours, hourAngle);
  }
  return readOut;
}

std::optional<double> TSkyInput::PreviewRotation(const TInputView& view) const {
  if (!drag_ || drag_->tool != TSkyTool::kRotation || !drag_->moved) return std::nullopt;
  return RotationDraggedTo(view, *drag_, drag_->currentArea);
}

}  // namespace velarion::ui

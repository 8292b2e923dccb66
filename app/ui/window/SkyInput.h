// TSkyInput: what the keys, the mouse tools, the wheel and the pointer mean on the sky area,
// decided without Qt. Given what the window shows, it answers what to do: zoom about a
// point, pan, turn the view, step the time, pick objects, show a measured angle. It keeps
// the drag in progress; the window forwards its input events and carries the answers out.
#ifndef VELARION_APP_UI_WINDOW_SKYINPUT_H
#define VELARION_APP_UI_WINDOW_SKYINPUT_H

#include "SkyGeometry.h"
#include "SkyTools.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

namespace velarion::ui {

inline constexpr int32_t kPanStep = 20;        // pixels: arrow keys and arrow buttons
inline constexpr double kRotationStep = 10.0;  // degrees: Ctrl with an arrow key or the wheel

// What the window shows, as far as input depends on it. Points of the sky area are the
// area's own; points of the picture are the area's plus the scroll position.
struct TInputView {
  int32_t zoom = 100;
  TPixel scroll{0, 0};  // the picture point at the area's top-left corner
  int32_t areaWidth = 0;
  int32_t areaHeight = 0;
  TDiscView disc;  // in picture points
};

// ---- The answers ----
// Zoom so that the picture point comes to stand under the area point.
struct TZoomAbout {
  int32_t zoom;
  TPixel picture;
  TPixel area;
  bool keepScroll;
  bool operator==(const TZoomAbout&) const = default;
};
struct TPan {
  int32_t dx;
  int32_t dy;
  bool operator==(const TPan&) const = default;
};
struct TRotateBy {
  double degrees;
  bool operator==(const TRotateBy&) const = default;
};
struct TSetRotation {
  double degrees;
  bool operator==(const TSetRotation&) const = default;
};
struct TStepTime {
  bool forward;
  bool operator==(const TStepTime&) const = default;
};
struct TOpenGroupOptions {
  bool operator==(const TOpenGroupOptions&) const = default;
};
// Pick the objects at the point; the selection so far is cleared unless kept.
struct TPick {
  TPixel picture;
  bool keepSelection;
  bool operator==(const TPick&) const = default;
};
// The angle tool released on the sky: the angle in a message.
struct TShowAngle {
  double degrees;
  bool operator==(const TShowAngle&) const = default;
};
// The angle tool dragging: the angle so far in the message panel, and the line moved.
struct TShowDraggedAngle {
  double degrees;
  bool operator==(const TShowDraggedAngle&) const = default;
};
// The rubber band or line of a drag moved.
struct TRepaintOverlay {
  bool operator==(const TRepaintOverlay&) const = default;
};
// A drag ended without changing the view: the sky shown as it now is.
struct TRedraw {
  bool operator==(const TRedraw&) const = default;
};
// std::monostate: nothing to do.
using TInputAction =
    std::variant<std::monostate, TZoomAbout, TPan, TRotateBy, TSetRotation, TStepTime,
                 TOpenGroupOptions, TPick, TShowAngle, TShowDraggedAngle, TRepaintOverlay, TRedraw>;

// ---- The input ----
enum class TSkyKey : uint8_t {
  kOther,
  kEscape,
  kPageUp,
  kPageDown,
  kHome,
  kDigit,
  kLeft,
  kRight,
  kUp,
  kDown,
  kPlus,  // the numeric pad's "+" or the "=" key
  kMinus,
  kF8,
};
struct TKeyPress {
  TSkyKey key = TSkyKey::kOther;
  int digit = 0;  // with kDigit
  bool ctrl = false;
  bool keypad = false;
};

enum class TMouseButton : uint8_t { kLeft, kRight, kOther };

// The status bar's read-out of the point under the pointer (CP1251).
struct TReadOut {
  std::string horizontal;              // empty: the panel is cleared
  std::optional<std::string> message;  // none: the message panel keeps a drag's own text
};

// The apparent place (right ascension, declination; degrees) at a picture point; none where
// the point shows no sky.
struct TApparentPlace {
  double raDeg;
  double decDeg;
};
using TApparentPlaceAt = std::function<std::optional<TApparentPlace>(TPixel picture)>;

class TSkyInput {
 public:
  struct TDrag {
    TSkyTool tool = TSkyTool::kNone;
    TPixel pressArea{0, 0};
    TPixel currentArea{0, 0};
    double startRotationDeg = 0.0;
    bool moved = false;
  };

  // None when the key is not one of the sky's, for the window to pass on.
  std::optional<TInputAction> Key(const TInputView& view, const TKeyPress& key);
  // `delta` is positive away from the user.
  TInputAction Wheel(const TInputView& view, TPixel area, int delta, bool ctrl) const;

  // A button pressed with the current tool: the zoom tool zooms at once, the left button
  // starts a drag with the others.
  TInputAction Press(const TInputView& view, TSkyTool tool, TMouseButton button, TPixel area);
  TInputAction Move(const TInputView& view, TPixel area);
  // `keepSelection`: Shift was held.
  TInputAction Release(const TInputView& view, TMouseButton button, TPixel area,
                       bool keepSelection);
  // Esc, or the program losing the user: the drag ends and its starting rotation returns.
  TInputAction Cancel();

  TReadOut ReadOut(const TInputView& view, TPixel area, const TApparentPlaceAt& placeAt,
                   double siderealHours, bool hourAngle) const;

  const std::optional<TDrag>& Drag() const { return drag_; }
  // The rotation the rotation tool's drag shows; none unless such a drag has moved.
  std::optional<double> PreviewRotation(const TInputView& view) const;

 private:
  std::optional<TDrag> drag_;
};

}  // namespace velarion::ui

#endif

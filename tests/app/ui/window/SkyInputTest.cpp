// What keys, the wheel, the mouse tools and the pointer mean on the sky area, decided
// without a display: a window of 800 × 600 scrolled by (30, 40) over a quick-view picture
// whose disc (radius 250) stands in the middle of the window.
#include "SkyInput.h"

#include "Cp1251.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace velarion::ui {

// Readable answers in failure messages.
void PrintTo(const TInputAction& action, std::ostream* out) {
  std::visit(
      [out](const auto& a) {
        using T = std::decay_t<decltype(a)>;
        if constexpr (std::is_same_v<T, TZoomAbout>) {
          *out << "zoom " << a.zoom << " picture (" << a.picture.x << ", " << a.picture.y
               << ") to area (" << a.area.x << ", " << a.area.y << ")"
               << (a.keepScroll ? " keeping the scroll" : "");
        } else if constexpr (std::is_same_v<T, TPan>) {
          *out << "pan " << a.dx << ", " << a.dy;
        } else if constexpr (std::is_same_v<T, TRotateBy>) {
          *out << "rotate by " << a.degrees;
        } else if constexpr (std::is_same_v<T, TSetRotation>) {
          *out << "rotation " << a.degrees;
        } else if constexpr (std::is_same_v<T, TStepTime>) {
          *out << (a.forward ? "step forward" : "step backward");
        } else if constexpr (std::is_same_v<T, TPick>) {
          *out << "pick at (" << a.picture.x << ", " << a.picture.y << ")"
               << (a.keepSelection ? " keeping the selection" : "");
        } else if constexpr (std::is_same_v<T, TShowAngle>) {
          *out << "angle message " << a.degrees;
        } else if constexpr (std::is_same_v<T, TShowDraggedAngle>) {
          *out << "angle so far " << a.degrees;
        } else {
          *out << "action #" << TInputAction(a).index();
        }
      },
      action);
}

namespace {

constexpr TPixel kScroll{30, 40};
constexpr TPixel kAreaCentre{400, 300};
constexpr TPixel kPictureCentre{430, 340};  // the window's middle in the picture

TInputView View(int32_t zoom = 100, double rotationDeg = 0.0, int32_t radius = 250) {
  TDiscView disc;
  disc.centreX = kPictureCentre.x;
  disc.centreY = kPictureCentre.y;
  disc.radius = radius;
  disc.rotationDeg = rotationDeg;
  return {zoom, kScroll, 800, 600, disc};
}

// Equal, angles to a billionth of a degree.
bool Same(const TInputAction& actual, const TInputAction& expected) {
  if (actual.index() != expected.index()) return false;
  return std::visit(
      [&expected](const auto& a) {
        const auto& e = std::get<std::decay_t<decltype(a)>>(expected);
        if constexpr (requires { a.degrees; }) {
          return std::abs(a.degrees - e.degrees) < 1e-9;
        } else {
          return a == e;
        }
      },
      actual);
}

TEST(SkyInput, KeysZoomPanTurnAndStepAsTheCommandsSay) {
  struct TCase {
    TKeyPress key;
    std::optional<TInputAction> expected;  // none: not the sky's key
  };
  const TCase cases[] = {
      {{TSkyKey::kPageUp}, TZoomAbout{150, kPictureCentre, kAreaCentre, false}},
      {{TSkyKey::kPageDown}, TZoomAbout{66, kPictureCentre, kAreaCentre, false}},
      {{TSkyKey::kHome}, TZoomAbout{100, kPictureCentre, kAreaCentre, true}},
      {{TSkyKey::kDigit, 0}, TZoomAbout{50000, kPictureCentre, kAreaCentre, false}},
      {{TSkyKey::kDigit, 5}, TZoomAbout{350, kPictureCentre, kAreaCentre, false}},
      {{TSkyKey::kDigit, 5, true}, std::nullopt},         // Ctrl+5
      {{TSkyKey::kDigit, 5, false, true}, std::nullopt},  // 5 on the numeric pad
      {{TSkyKey::kLeft}, TPan{-20, 0}},
      {{TSkyKey::kRight}, TPan{20, 0}},
      {{TSkyKey::kUp}, TPan{0, -20}},
      {{TSkyKey::kDown}, TPan{0, 20}},
      {{TSkyKey::kLeft, 0, true}, TRotateBy{10.0}},
      {{TSkyKey::kRight, 0, true}, TRotateBy{-10.0}},
      {{TSkyKey::kPlus}, TStepTime{true}},
      {{TSkyKey::kMinus}, TStepTime{false}},
      {{TSkyKey::kF8}, TOpenGroupOptions{}},
      {{TSkyKey::kEscape}, std::monostate{}},  // taken even with no drag to end
      {{TSkyKey::kOther}, std::nullopt},
  };
  for (const TCase& c : cases) {
    TSkyInput input;
    EXPECT_EQ(input.Key(View(), c.key), c.expected)
        << static_cast<int>(c.key.key) << " digit " << c.key.digit;
  }
  TSkyInput input;
  EXPECT_EQ(input.Key(View(200000), {TSkyKey::kPageUp}),
            TInputAction(TZoomAbout{300000, kPictureCentre, kAreaCentre, false}))
      << "the sky image clamps the zoom, not the key";
}

TEST(SkyInput, TheWheelZoomsAboutThePointerOrWithCtrlTurnsTheView) {
  struct TCase {
    int delta;
    bool ctrl;
    TInputAction expected;
  };
  const TPixel pointer{100, 50};
  const TPixel underPointer{130, 90};
  const TCase cases[] = {
      {120, false, TZoomAbout{150, underPointer, pointer, false}},
      {-120, false, TZoomAbout{66, underPointer, pointer, false}},
      {120, true, TRotateBy{10.0}},
      {-120, true, TRotateBy{-10.0}},
      {0, false, std::monostate{}},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(TSkyInput().Wheel(View(), pointer, c.delta, c.ctrl), c.expected) << c.delta;
  }
  TSkyInput dragging;
  dragging.Press(View(), TSkyTool::kRegionZoom, TMouseButton::kLeft, {10, 10});
  EXPECT_EQ(dragging.Wheel(View(), pointer, 120, false), TInputAction(std::monostate{}));
}

TEST(SkyInput, TheZoomToolBringsTheClickedPointToTheMiddle) {
  const struct {
    TMouseButton button;
    int32_t zoom;
  } cases[] = {{TMouseButton::kLeft, 150}, {TMouseButton::kRight, 66}, {TMouseButton::kOther, 150}};
  for (const auto& c : cases) {
    TSkyInput input;
    EXPECT_EQ(input.Press(View(), TSkyTool::kZoom, c.button, {100, 50}),
              TInputAction(TZoomAbout{c.zoom, {130, 90}, kAreaCentre, false}));
    EXPECT_FALSE(input.Drag().has_value());
  }
}

// A press, moves and a release with one tool; what each step answered.
struct TDragCase {
  const char* name;
  TSkyTool tool;
  TPixel press;
  std::vector<TPixel> moves;
  std::vector<TInputAction> moved;
  TPixel release;
  bool shift;
  TInputAction released;
};

TEST(SkyInput, EachToolsDragEndsInItsOwnAnswer) {
  const TPixel top{400, 100};   // straight above the zenith, on the disc
  const TPixel left{200, 300};  // a quarter turn counter-clockwise from there
  const TDragCase cases[] = {
      {"a selection click picks at the point",
       TSkyTool::kSelection,
       {120, 80},
       {},
       {},
       {120, 80},
       false,
       TPick{{150, 120}, false}},
      {"with Shift the selection is kept",
       TSkyTool::kSelection,
       {120, 80},
       {},
       {},
       {120, 80},
       true,
       TPick{{150, 120}, true}},
      {"dragging the selection tool pans with the pointer",
       TSkyTool::kSelection,
       {120, 80},
       {{110, 85}, {100, 85}},
       {TPan{10, -5}, TPan{10, 0}},
       {100, 85},
       false,
       TRedraw{}},
      // A 200 × 100 band: 800 / 200 = 4 fits the height (400 < 600); centre (199, 149).
      {"a region zooms to fill the window",
       TSkyTool::kRegionZoom,
       {100, 100},
       {{299, 199}},
       {TRepaintOverlay{}},
       {299, 199},
       false,
       TZoomAbout{400, {229, 189}, kAreaCentre, false}},
      {"the rotation tool turns the view by the angle dragged about the zenith",
       TSkyTool::kRotation,
       top,
       {left},
       {TRepaintOverlay{}},
       left,
       false,
       TSetRotation{90.0}},
      {"dropped off the sky the rotation returns",
       TSkyTool::kRotation,
       top,
       {left},
       {TRepaintOverlay{}},
       {900, 300},
       false,
       TSetRotation{0.0}},
      {"from the zenith to the horizon is a right angle",
       TSkyTool::kAngle,
       kAreaCentre,
       {{400, 50}},
       {TShowDraggedAngle{90.0}},
       {400, 50},
       false,
       TShowAngle{90.0}},
      {"off the disc there is no angle",
       TSkyTool::kAngle,
       kAreaCentre,
       {{400, 20}},
       {TRepaintOverlay{}},
       {400, 20},
       false,
       TRedraw{}},
  };
  for (const TDragCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSkyInput input;
    EXPECT_EQ(input.Press(View(), c.tool, TMouseButton::kLeft, c.press),
              TInputAction(std::monostate{}));
    ASSERT_TRUE(input.Drag().has_value());
    for (std::size_t i = 0; i < c.moves.size(); ++i) {
      EXPECT_PRED2(Same, input.Move(View(), c.moves[i]), c.moved[i]) << i;
    }
    EXPECT_EQ(input.Release(View(), TMouseButton::kRight, c.release, c.shift),
              TInputAction(std::monostate{}))
        << "only the left button ends a drag";
    EXPECT_PRED2(Same, input.Release(View(), TMouseButton::kLeft, c.release, c.shift), c.released);
    EXPECT_FALSE(input.Drag().has_value());
  }
}

TEST(SkyInput, TheRotationToolShowsTheTurnWhileItDragsAndEscRestoresTheStart) {
  TSkyInput input;
  EXPECT_EQ(input.Press(View(100, 30.0), TSkyTool::kRotation, TMouseButton::kLeft, {400, 100}),
            TInputAction(std::monostate{}));
  EXPECT_EQ(input.PreviewRotation(View(100, 30.0)), std::nullopt) << "not moved yet";
  input.Move(View(100, 30.0), {600, 300});  // a quarter turn clockwise
  ASSERT_TRUE(input.PreviewRotation(View(100, 30.0)).has_value());
  EXPECT_NEAR(*input.PreviewRotation(View(100, 30.0)), 300.0, 1e-9);
  EXPECT_EQ(input.Key(View(100, 30.0), {TSkyKey::kEscape}), TInputAction(TSetRotation{30.0}));
  EXPECT_FALSE(input.Drag().has_value());
  EXPECT_EQ(input.Cancel(), TInputAction(std::monostate{}));
}

TEST(SkyInput, OnlyTheLeftButtonStartsADragAndNotWithoutATool) {
  TSkyInput input;
  input.Press(View(), TSkyTool::kSelection, TMouseButton::kRight, {10, 10});
  EXPECT_FALSE(input.Drag().has_value());
  input.Press(View(), TSkyTool::kNone, TMouseButton::kLeft, {10, 10});
  EXPECT_FALSE(input.Drag().has_value());
  EXPECT_EQ(input.Move(View(), {20, 20}), TInputAction(std::monostate{}));
  EXPECT_EQ(input.Release(View(), TMouseButton::kLeft, {20, 20}, false),
            TInputAction(std::monostate{}));
}

TEST(SkyInput, TheReadOutShowsThePointUnderThePointerOnlyOnTheSky) {
  const TApparentPlaceAt place = [](TPixel) { return TApparentPlace{150.0, 20.0}; };
  const TApparentPlaceAt noPlace = [](TPixel) { return std::nullopt; };
  struct TCase {
    const char* name;
    int32_t radius;
    TPixel area;
    const TApparentPlaceAt* placeAt;
    const char* horizontal;
    const char* message;
  };
  const TCase cases[] = {
      {"the zenith", 250, kAreaCentre, &place, "Аз.:180.00° Выс.:90.00°",
       "Ra:10ч 0м 0.0с Dec:+20° 0' 0\""},
      {"off the disc", 250, {5, 5}, &place, "", ""},
      {"on the disc but outside the window", 1000, {-1, 300}, &place, "", ""},
      {"no sky behind the point", 250, kAreaCentre, &noPlace, "Аз.:180.00° Выс.:90.00°", ""},
  };
  for (const TCase& c : cases) {
    const TReadOut readOut =
        TSkyInput().ReadOut(View(100, 0.0, c.radius), c.area, *c.placeAt, 0.0, false);
    EXPECT_EQ(velplatform::Cp1251ToUtf8(readOut.horizontal), c.horizontal) << c.name;
    ASSERT_TRUE(readOut.message.has_value()) << c.name;
    EXPECT_EQ(velplatform::Cp1251ToUtf8(*readOut.message), c.message) << c.name;
  }
  // While a tool drags the message panel is the drag's.
  TSkyInput dragging;
  dragging.Press(View(), TSkyTool::kAngle, TMouseButton::kLeft, kAreaCentre);
  const TReadOut readOut = dragging.ReadOut(View(), kAreaCentre, place, 0.0, false);
  EXPECT_EQ(velplatform::Cp1251ToUtf8(readOut.horizontal), "Аз.:180.00° Выс.:90.00°");
  EXPECT_FALSE(readOut.message.has_value());
  EXPECT_FALSE(dragging.ReadOut(View(), {5, 5}, place, 0.0, false).message.has_value());
}

}  // namespace
}  // namespace velarion::ui

// The main window's input: the sky area's keys, mouse and wheel, and the main window's own
// keys, handed to TSkyInput; what it answers is carried out here.
#include "MainUnit.h"

#include "Cp1251.h"
#include "Overloaded.h"
#include "ProjectionExports.h"
#include "SkyInputEvents.h"
#include "StatusReadOut.h"
#include "WindowTexts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <optional>

namespace velarion::ui {

TDiscView TVelarionMainForm::DiscView() const {
  const sky::TSkyImage& image = session_->Image();
  return {image.CentreX(),          image.CentreY(),        std::max(1, image.Radius()),
          image.YScale(),           image.ViewRotation(),   image.Mirror(),
          image.AzimuthFromSouth(), image.Projection() == 1};
}

TInputView TVelarionMainForm::InputView() const {
  const QPoint scroll = ScrollPosition();
  const QSize size = skyArea_->viewport()->size();
  return {
      session_->Image().Zoom(), {scroll.x(), scroll.y()}, size.width(), size.height(), DiscView()};
}

void TVelarionMainForm::Perform(const TInputAction& action) {
  sky::TSkyImage& image = Image();
  std::visit(
      TOverloaded{
          [](std::monostate) {},
          [&](const TZoomAbout& a) {
            ZoomKeeping(a.zoom, a.keepScroll, {a.picture.x, a.picture.y}, {a.area.x, a.area.y});
            Redraw(false);
          },
          [&](const TPan& a) { Pan(a.dx, a.dy); },
          [&](const TRotateBy& a) { Rotate(a.degrees); },
          [&](const TSetRotation& a) {
            image.SetViewRotation(a.degrees);
            Redraw(false);
          },
          [&](const TStepTime& a) {
            if (a.forward) {
              RotateFClick();
            } else {
              RotateBClick();
            }
          },
          [&](const TOpenGroupOptions&) {
            groupOptionsMenu_->popup(skyArea_->mapToGlobal(QPoint(0, 0)));
          },
          [&](const TPick& a) {
            if (!a.keepSelection) image.ClearSelection();
            image.PickObjects(a.picture.x, a.picture.y, true);
            Redraw(false);
          },
          [&](const TShowAngle& a) {
            velplatform::ShowMessageBox(
                Handle(),
                {AngleMessage(a.degrees), velplatform::Cp1251("Информация"),
                 velplatform::TMessageButtons::kOk, velplatform::TMessageIcon::kInformation});
            Redraw(false);
          },
          [&](const TShowDraggedAngle& a) {
            panels_[4]->setText(Q(DraggedAngleReadOut(a.degrees)));
            skyArea_->viewport()->update();
          },
          [&](const TRepaintOverlay&) { skyArea_->viewport()->update(); },
          [&](const TRedraw&) { Redraw(false); },
      },
      action);
}

void TVelarionMainForm::Pan(int32_t dx, int32_t dy) {
  sky::TSkyImage& image = Image();
  const QSize size = skyArea_->viewport()->size();
  if (image.DetailedView()) {
    const TViewOffset offset =
        PannedOffset({-image.CentreX(), -image.CentreY()}, dx, dy, image.Radius(), image.YScale(),
                     size.width(), size.height());
    image.SetViewRect(size.width(), size.height(), offset.x, offset.y, false, false);
  } else {
    ScrollTo(ScrollPosition() + QPoint(dx, dy));
  }
  Redraw(false);
}

void TVelarionMainForm::Rotate(double degrees) {
  Image().SetViewRotation(Image().ViewRotation() + degrees);
  Redraw(false);
}

void TVelarionMainForm::ShowReadOut(QPoint areaPoint) {
  if (!started_) return;
  const auto placeAt = [](TPixel picture) -> std::optional<TApparentPlace> {
    SetEpoch(0.0, 3);
    TApparentPlace place{};
    if (!XYToRaDec(picture.x, picture.y, &place.raDeg, &place.decDeg)) return std::nullopt;
    return place;
  };
  // The place is apparent (true equator of date), so its hour angle is from the apparent
  // sidereal time.
  const TReadOut readOut = input_.ReadOut(InputView(), {areaPoint.x(), areaPoint.y()}, placeAt,
                                          Image().ApparentSiderealTime(),
                                          session_->Configuration().sky.hourAngleInStatusBar);
  panels_[3]->setText(Q(readOut.horizontal));
  if (readOut.message) panels_[4]->setText(Q(*readOut.message));
}

void TVelarionMainForm::SkyMouseDown(QMouseEvent& event) {
  if (!started_) return;
  // Without the zoom tool, whose right button zooms out, the right button asks about objects.
  if (event.button() == Qt::RightButton && tools_.Current() != TSkyTool::kZoom) {
    ShowSkyPopupMenu(event.globalPosition().toPoint());
    return;
  }
  Perform(input_.Press(InputView(), tools_.Current(), ButtonOf(event), PointOf(event)));
  // The rotation tool turns the picture as it was when the drag began.
  const auto& drag = input_.Drag();
  if (drag && drag->tool == TSkyTool::kRotation && skyArea_->Picture() != nullptr) {
    previewPicture_ = *skyArea_->Picture();
  }
}

void TVelarionMainForm::SkyMouseMove(QMouseEvent& event) {
  HintPointerMoved(event);
  ShowReadOut(event.position().toPoint());
  Perform(input_.Move(InputView(), PointOf(event)));
}

void TVelarionMainForm::SkyMouseUp(QMouseEvent& event) {
  const bool keepSelection = event.modifiers().testFlag(Qt::ShiftModifier);
  Perform(input_.Release(InputView(), ButtonOf(event), PointOf(event), keepSelection));
}

void TVelarionMainForm::SkyDoubleClick(QMouseEvent& /*event*/) {
  if (started_) UpdateInfoWindow(true, true, true, true);
}

void TVelarionMainForm::SkyWheel(QWheelEvent& event) {
  event.accept();
  if (!started_) return;
  Perform(input_.Wheel(InputView(), PointOf(event), event.angleDelta().y(),
                       event.modifiers().testFlag(Qt::ControlModifier)));
}

bool TVelarionMainForm::SkyKey(QKeyEvent& event) {
  if (!started_) return false;
  const std::optional<TInputAction> action = input_.Key(InputView(), KeyPressOf(event));
  if (!action) return false;
  Perform(*action);
  return true;
}

void TVelarionMainForm::keyPressEvent(QKeyEvent* event) {
  if (!SkyKey(*event)) QMainWindow::keyPressEvent(event);
}

}  // namespace velarion::ui

// The scrollable sky area of the main window: it hands its paint, mouse, wheel, key and
// size events to the window's controller and holds the device the sky is composed on
// (the sky image's off-screen canvas seen through the quick view's scroll position).
#ifndef VELARION_APP_UI_WINDOW_SKYAREA_H
#define VELARION_APP_UI_WINDOW_SKYAREA_H

#include "ScrolledDevice.h"

#include <QAbstractScrollArea>

#include <memory>

class QPainter;

namespace velarion::sky {
class TSkyImage;
}

namespace velarion::ui {

// What the sky area reports; coordinates are the sky area's own (not the picture's).
class TSkyAreaEvents {
 public:
  virtual ~TSkyAreaEvents() = default;
  virtual void SkyPaint(QPainter& painter) = 0;
  virtual void SkyMouseDown(QMouseEvent& event) = 0;
  virtual void SkyMouseMove(QMouseEvent& event) = 0;
  virtual void SkyMouseUp(QMouseEvent& event) = 0;
  virtual void SkyDoubleClick(QMouseEvent& event) = 0;
  virtual void SkyWheel(QWheelEvent& event) = 0;
  virtual bool SkyKey(QKeyEvent& event) = 0;
  virtual void SkyResized() = 0;
  virtual void SkyScrolled() = 0;
};

class TSkyArea final : public QAbstractScrollArea {
 public:
  TSkyArea(QWidget* parent, sky::TSkyImage& image, TSkyAreaEvents& events);
  ~TSkyArea() override;

  // The device to compose on: the picture's point (scrollX, scrollY) at the area's
  // top-left corner.
  velplatform::TDrawDevice& Canvas(int32_t scrollX, int32_t scrollY);
  // The picture last composed, as shown.
  const QImage* Picture() const;
  // Gives back the memory of the composed picture; the next paint composes it anew.
  void ReleasePicture();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  sky::TSkyImage& image_;
  TSkyAreaEvents& events_;
  // Drawn on when the picture is not composed off screen ("ShowAsBitmap" off).
  std::unique_ptr<velplatform::TDrawDevice> windowPicture_;
  velplatform::TScrolledDevice scrolled_;
};

}  // namespace velarion::ui

#endif

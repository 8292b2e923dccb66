#include "SkyArea.h"

#include "Devices.h"
#include "ImageDevice.h"
#include "SkyImage.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace velarion::ui {

TSkyArea::TSkyArea(QWidget* parent, sky::TSkyImage& image, TSkyAreaEvents& events)
    : QAbstractScrollArea(parent), image_(image), events_(events) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

TSkyArea::~TSkyArea() = default;

velplatform::TDrawDevice& TSkyArea::Canvas(int32_t scrollX, int32_t scrollY) {
  velplatform::TDrawDevice* canvas = image_.OffscreenCanvas();
  if (canvas == nullptr) {
    const int w = std::max(1, viewport()->width());
    const int h = std::max(1, viewport()->height());
    if (!windowPicture_ || windowPicture_->Width() != w || windowPicture_->Height() != h) {
      windowPicture_ = velplatform::CreateImageDevice(w, h);
    }
    canvas = windowPicture_.get();
  } else {
    windowPicture_.reset();
  }
  scrolled_.Show(*canvas, scrollX, scrollY);
  return scrolled_;
}

const QImage* TSkyArea::Picture() const {
  const auto* device = dynamic_cast<const velplatform::TImageDevice*>(scrolled_.Target());
  return device != nullptr ? &device->Image() : nullptr;
}

void TSkyArea::ReleasePicture() {
  scrolled_.Hide();
  windowPicture_.reset();
  image_.ReleaseOffscreenCanvas();
}

void TSkyArea::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(viewport());
  events_.SkyPaint(painter);
}

void TSkyArea::mousePressEvent(QMouseEvent* event) { events_.SkyMouseDown(*event); }
void TSkyArea::mouseMoveEvent(QMouseEvent* event) { events_.SkyMouseMove(*event); }
void TSkyArea::mouseReleaseEvent(QMouseEvent* event) { events_.SkyMouseUp(*event); }
void TSkyArea::mouseDoubleClickEvent(QMouseEvent* event) { events_.SkyDoubleClick(*event); }
void TSkyArea::wheelEvent(QWheelEvent* event) { events_.SkyWheel(*event); }

void TSkyArea::keyPressEvent(QKeyEvent* event) {
  if (!events_.SkyKey(*event)) QAbstractScrollArea::keyPressEvent(event);
}

void TSkyArea::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  events_.SkyResized();
}

void TSkyArea::scrollContentsBy(int /*dx*/, int /*dy*/) { events_.SkyScrolled(); }

}  // namespace velarion::ui

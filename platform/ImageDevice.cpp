#include "ImageDevice.h"

#include "Cp1251.h"
#include "Fonts.h"
#include "QtFonts.h"

#include <QFile>
#include <QPolygon>
#include <QString>

#include <algorithm>
#include <limits>

namespace velplatform {

namespace {

constexpr double kMetresPerInch = 0.0254;
// Fonts kept resolved per device; a sky picture uses a handful.
constexpr std::size_t kFontCacheSize = 32;

QColor ToQt(TColor color) {
  return {static_cast<int>(RedOf(color)), static_cast<int>(GreenOf(color)),
          static_cast<int>(BlueOf(color))};
}

QPolygon ToQt(std::span<const TPoint> points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const TPoint& p : points) polygon.append(QPoint(p.x, p.y));
  return polygon;
}

QPainter::CompositionMode ModeOf(TRasterOp op) {
  switch (op) {
    case TRasterOp::kXor:
      return QPainter::RasterOp_SourceXorDestination;
    case TRasterOp::kNotXor:
      return QPainter::RasterOp_NotSourceXorDestination;
    case TRasterOp::kCopy:
      break;
  }
  return QPainter::CompositionMode_SourceOver;
}

// Right and bottom exclusive, as boxes are given.
bool IsEmpty(const TRect& box) { return box.right <= box.left || box.bottom <= box.top; }

// Of two rectangles with inclusive bounds; right < left or bottom < top when they miss.
TRect Intersection(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

int DotsPerMetre(double dpi) { return qRound(dpi / kMetresPerInch); }

}  // namespace

struct TImageDevice::TQtText {
  QString text;
  const TCachedFont& font;
};

TImageDevice::TImageDevice(int32_t width, int32_t height, double dpiX, double dpiY)
    : image_(std::max(1, width), std::max(1, height), QImage::Format_RGB32) {
  image_.fill(Qt::black);
  SetDpi(dpiX, dpiY);
  BeginPainting();
}

TImageDevice::~TImageDevice() = default;

void TImageDevice::BeginPainting() {
  painter_.begin(&image_);
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setCompositionMode(ModeOf(rasterOp_));
  ApplyClip();
}

void TImageDevice::Resize(int32_t width, int32_t height) {
  painter_.end();
  image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
  image_.fill(Qt::black);
  SetDpi(dpiX_, dpiY_);
  BeginPainting();
}

void TImageDevice::SetDpi(double dpiX, double dpiY) {
  dpiX_ = dpiX;
  dpiY_ = dpiY;
  image_.setDotsPerMeterX(DotsPerMetre(dpiX));
  image_.setDotsPerMeterY(DotsPerMetre(dpiY));
}

TPixelView TImageDevice::Pixels() const {
  // RGB32 rows are whole 32-bit words, so the rows follow one another without padding.
  const auto count = static_cast<std::size_t>(image_.width()) * image_.height();
  return {image_.width(), image_.height(),
          std::span(reinterpret_cast<const uint32_t*>(image_.constBits()), count)};
}

bool TImageDevice::SavePng(const std::string& path) const {
  return image_.save(QFile::decodeName(path.c_str()), "PNG");
}

void TImageDevice::SetPen(TColor color, int32_t width, TPenStyle style) {
  penColor_ = color;
  penWidth_ = std::max(1, width);
  penStyle_ = style;
  lineDash_ = TDashPhase(DashPattern(style));
}

void TImageDevice::SetBrush(TColor color, TBrushStyle style) {
  brushColor_ = color;
  brushStyle_ = style;
}

void TImageDevice::SetRasterOp(TRasterOp op) {
  rasterOp_ = op;
  painter_.setCompositionMode(ModeOf(op));
}

void TImageDevice::SetClipRect(const TRect& rect) {
  clip_ = rect;
  ApplyClip();
}

void TImageDevice::ClearClip() {
  clip_.reset();
  ApplyClip();
}

void TImageDevice::ApplyClip() {
  if (!clip_) {
    painter_.setClipping(false);
    return;
  }
  // Qt would turn an inverted rectangle the right way round; here it clips everything.
  const TRect visible = Visible();
  const bool empty = visible.right < visible.left || visible.bottom < visible.top;
  painter_.setClipRect(
      empty ? QRect(0, 0, 0, 0)
            : QRect(QPoint(visible.left, visible.top), QPoint(visible.right, visible.bottom)));
}

TRect TImageDevice::Visible() const {
  const TRect picture{0, 0, Width() - 1, Height() - 1};
  return clip_ ? Intersection(picture, *clip_) : picture;
}

QPen TImageDevice::WidePen() const {
  if (!PenDraws()) return {Qt::NoPen};
  const std::span<const int32_t> pattern = DashPattern(penStyle_);
  QPen pen(ToQt(penColor_), penWidth_, Qt::SolidLine, pattern.empty() ? Qt::RoundCap : Qt::FlatCap,
           Qt::RoundJoin);
  if (!pattern.empty()) pen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
  return pen;
}

QBrush TImageDevice::Brush() const {
  return BrushFills() ? QBrush(ToQt(brushColor_)) : QBrush(Qt::NoBrush);
}

void TImageDevice::ThinLine(TPoint from, TPoint to, TDashPhase& dash) {
  RasterizeLine(from, to, Visible(), dash,
                [this](int32_t x, int32_t y) { pixels_.emplace_back(x, y); });
}

void TImageDevice::ThinOutline(std::span<const TPoint> points, bool closed) {
  TDashPhase dash(DashPattern(penStyle_));
  for (std::size_t i = 1; i < points.size(); ++i) ThinLine(points[i - 1], points[i], dash);
  if (closed && points.size() >= 2) ThinLine(points.back(), points.front(), dash);
  FlushPixels();
}

void TImageDevice::FlushPixels() {
  if (pixels_.empty()) return;
  painter_.setPen(QPen(ToQt(penColor_), 1));
  painter_.drawPoints(pixels_.data(), static_cast<int>(pixels_.size()));
  pixels_.clear();
}

void TImageDevice::FillBox(const TRect& box, const QColor& color) {
  if (IsEmpty(box)) return;
  const TRect area = Intersection(Visible(), {box.left, box.top, box.right - 1, box.bottom - 1});
  if (area.right < area.left || area.bottom < area.top) return;
  painter_.fillRect(QRect(QPoint(area.left, area.top), QPoint(area.right, area.bottom)), color);
}

void TImageDevice::MoveTo(int32_t x, int32_t y) {
  position_ = {x, y};
  lineDash_ = TDashPhase(DashPattern(penStyle_));
}

void TImageDevice::LineTo(int32_t x, int32_t y) {
  const TPoint to{x, y};
  if (PenDraws() && ThinPen()) {
    ThinLine(position_, to, lineDash_);
    FlushPixels();
  } else if (PenDraws()) {
    painter_.setPen(WidePen());
    painter_.drawLine(QPoint(position_.x, position_.y), QPoint(x, y));
  }
  position_ = to;
}

void TImageDevice::Polyline(std::span<const TPoint> points) {
  if (!PenDraws() || points.size() < 2) return;
  if (ThinPen()) {
    ThinOutline(points, false);
    return;
  }
  painter_.setPen(WidePen());
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPolyline(ToQt(points));
}

void TImageDevice::PolyPolyline(std::span<const TPoint> points, std::span<const int32_t> counts) {
  std::size_t first = 0;
  for (int32_t count : counts) {
    if (count < 0 || static_cast<std::size_t>(count) > points.size() - first) return;
    Polyline(points.subspan(first, static_cast<std::size_t>(count)));
    first += static_cast<std::size_t>(count);
  }
}

void TImageDevice::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  if (BrushFills() && points.size() >= 3) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Brush());
    painter_.drawPolygon(ToQt(points), Qt::OddEvenFill);
  }
  if (!PenDraws()) return;
  if (ThinPen()) {
    ThinOutline(points, true);
    return;
  }
  painter_.setPen(WidePen());
  painter_.setBrush(Qt::NoBrush);
  painter_.drawPolygon(ToQt(points), Qt::OddEvenFill);
}

void TImageDevice::Ellipse(const TRect& box) {
  if (IsEmpty(box)) return;
  if (PenDraws() && !ThinPen()) {
    painter_.setPen(WidePen());
    painter_.setBrush(Brush());
    painter_.drawEllipse(QRectF(box.left, box.top, static_cast<double>(box.right) - box.left - 1,
                                static_cast<double>(box.bottom) - box.top - 1));
    return;
  }
  const TRect visible = Visible();
  const QColor pen = ToQt(penColor_);
  const QColor brush = ToQt(brushColor_);
  // The outline and the inside apart, so that XOR lights each pixel once.
  ForEachEllipseRow(box, visible.top, visible.bottom, [&](const TEllipseRow& row) {
    if (!PenDraws()) {
      if (BrushFills()) FillRow(row.y, row.left, row.right + 1, brush);
      return;
    }
    if (row.innerLeft > row.innerRight) {
      FillRow(row.y, row.left, row.right + 1, pen);
      return;
    }
    FillRow(row.y, row.left, row.innerLeft, pen);
    FillRow(row.y, row.innerRight + 1, row.right + 1, pen);
    if (BrushFills()) FillRow(row.y, row.innerLeft, row.innerRight + 1, brush);
  });
}

void TImageDevice::Rectangle(const TRect& box) {
  if (IsEmpty(box)) return;
  if (!PenDraws()) {
    if (BrushFills()) FillBox(box, ToQt(brushColor_));
    return;
  }
  if (!ThinPen()) {
    painter_.setPen(WidePen());
    painter_.setBrush(Brush());
    painter_.drawRect(QRectF(box.left, box.top, static_cast<double>(box.right) - box.left - 1,
                             static_cast<double>(box.bottom) - box.top - 1));
    return;
  }
  const bool column = int64_t{box.right} - box.left == 1;
  if (column || int64_t{box.bottom} - box.top == 1) {
    // One pixel thin: the frame is a single line, each pixel lit once.
    TDashPhase dash(DashPattern(penStyle_));
    ThinLine({box.left, box.top},
             column ? TPoint{box.left, box.bottom} : TPoint{box.right, box.top}, dash);
    FlushPixels();
    return;
  }
  // The inside and the frame apart, so that XOR lights each pixel once.
  if (BrushFills()) {
    FillBox({box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, ToQt(brushColor_));
  }
  const TPoint corners[] = {{box.left, box.top},
                            {box.right - 1, box.top},
                            {box.right - 1, box.bottom - 1},
                            {box.left, box.bottom - 1}};
  ThinOutline(corners, true);
}

void TImageDevice::FillRect(const TRect& box, TColor color) { FillBox(box, ToQt(color)); }

void TImageDevice::SetPixel(int32_t x, int32_t y, TColor color) {
  if (Visible().Contains(TPoint{x, y})) painter_.fillRect(QRect(x, y, 1, 1), ToQt(color));
}

TColor TImageDevice::GetPixel(int32_t x, int32_t y) const {
  if (!image_.valid(x, y)) return 0;
  const QRgb pixel = image_.pixel(x, y);
  return RgbColor(static_cast<uint32_t>(qRed(pixel)), static_cast<uint32_t>(qGreen(pixel)),
                  static_cast<uint32_t>(qBlue(pixel)));
}

bool TImageDevice::IsGreek(std::string_view family) const {
  return EqualsIgnoringCase(family, kGreekFontFamily) ||
         (!greekFamily_.empty() && EqualsIgnoringCase(family, greekFamily_));
}

void TImageDevice::SetGreekFamily(std::string_view family) {
  greekFamily_ = family;
  fonts_.clear();
}

const TImageDevice::TCachedFont& TImageDevice::Font(const TFontSpec& fontSpec) const {
  if (fontsGeneration_ != FontRegistrationGeneration()) {
    fonts_.clear();
    fontsGeneration_ = FontRegistrationGeneration();
  }
  for (const TCachedFont& cached : fonts_) {
    if (cached.fontSpec == fontSpec) return cached;
  }
  if (fonts_.size() >= kFontCacheSize) fonts_.clear();
  const QFont font = QtFont(fontSpec, IsGreek(fontSpec.family));
  return fonts_.emplace_back(TCachedFont{fontSpec, font, QFontMetrics(font)});
}

TImageDevice::TQtText TImageDevice::Text(std::string_view text, const TFontSpec& fontSpec) const {
  std::u16string unicode = Cp1251ToUtf16(text);
  if (IsGreek(fontSpec.family)) unicode = GreekText(unicode);
  return {QString::fromStdU16String(unicode), Font(fontSpec)};
}

void TImageDevice::TextOut(int32_t x, int32_t y, std::string_view text, const TFontSpec& font) {
  if (text.empty()) return;
  const TQtText qt = Text(text, font);
  painter_.setPen(QPen(ToQt(textColor_)));
  painter_.setFont(qt.font.font);
  painter_.drawText(QPoint(x, y + qt.font.metrics.ascent()), qt.text);
}

int32_t TImageDevice::TextWidth(std::string_view text, const TFontSpec& font) const {
  if (text.empty()) return 0;
  const TQtText qt = Text(text, font);
  return qt.font.metrics.horizontalAdvance(qt.text);
}

void TImageDevice::FillRow(int64_t y, int64_t left, int64_t right, const QColor& color) {
  constexpr int64_t kLow = std::numeric_limits<int32_t>::min();
  constexpr int64_t kHigh = std::numeric_limits<int32_t>::max();
  if (y < kLow || y >= kHigh || right < kLow || left >= kHigh) return;
  FillBox({static_cast<int32_t>(std::max(left, kLow)), static_cast<int32_t>(y),
           static_cast<int32_t>(std::min(right, kHigh)), static_cast<int32_t>(y + 1)},
          color);
}

void TImageDevice::DrawMonoImage(const TMonoImage& image, int32_t x, int32_t y, TColor shape,
                                 TColor background, bool transparentBackground) {
  const QColor colors[] = {ToQt(background), ToQt(shape)};
  for (int32_t row = 0; row < image.Height(); ++row) {
    // Runs of equal pixels, one fill each.
    for (int32_t start = 0; start < image.Width();) {
      const bool isShape = image.Get(start, row);
      int32_t end = start + 1;
      while (end < image.Width() && image.Get(end, row) == isShape) ++end;
      if (isShape || !transparentBackground) {
        FillRow(int64_t{y} + row, int64_t{x} + start, int64_t{x} + end, colors[isShape ? 1 : 0]);
      }
      start = end;
    }
  }
}

TMonoImage TImageDevice::RenderText(std::string_view text, const TFontSpec& font) const {
  const TQtText qt = Text(text, font);
  TMonoImage result(qt.font.metrics.horizontalAdvance(qt.text), std::max(1, font.height));
  if (result.Empty()) return result;
  QImage canvas(result.Width(), result.Height(), QImage::Format_RGB32);
  canvas.fill(Qt::black);
  {
    QPainter painter(&canvas);
    painter.setFont(qt.font.font);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(0, qt.font.metrics.ascent()), qt.text);
  }
  for (int32_t y = 0; y < result.Height(); ++y) {
    for (int32_t x = 0; x < result.Width(); ++x) {
      result.Set(x, y, (canvas.pixel(x, y) & 0xFFFFFF) != 0);
    }
  }
  return result;
}

}  // namespace velplatform

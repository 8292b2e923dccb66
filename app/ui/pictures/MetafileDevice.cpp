#include "MetafileDevice.h"

#include "Devices.h"
#include "MetafileClipping.h"

#include <algorithm>

namespace velarion::ui {

namespace {

using velplatform::TBrushStyle;
using velplatform::TColor;
using velplatform::TPenStyle;
using velplatform::TRect;

// Longer polylines are written as several records, each within a WMF record's reach.
constexpr std::size_t kMaxRecordPoints = 8000;

TColor Rgb(TColor color) { return color & 0xFFFFFF; }

TRect Intersection(const TRect& a, const TRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

}  // namespace

TMetafileDevice::TMetafileDevice(int32_t width, int32_t height, int32_t bitDepth)
    : drawing_{std::max(1, width), std::max(1, height), {}},
      bitDepth_(bitDepth),
      measure_(velplatform::CreateImageDevice(1, 1)) {}

void TMetafileDevice::SetPen(TColor color, int32_t width, TPenStyle style) {
  pen_ = {Rgb(color), std::max(1, width), style};
}

void TMetafileDevice::SetBrush(TColor color, TBrushStyle style) { brush_ = {Rgb(color), style}; }

void TMetafileDevice::SetTextColor(TColor color) { textColor_ = Rgb(color); }

void TMetafileDevice::SetRasterOp(velplatform::TRasterOp op) {
  if (drawnRasterOp_ == op) return;
  drawnRasterOp_ = op;
  drawing_.records.emplace_back(meta::TRasterOp{op});
}

TRect TMetafileDevice::Reach() const {
  const TRect picture{0, 0, drawing_.width - 1, drawing_.height - 1};
  return clip_ ? Intersection(picture, *clip_) : picture;
}

bool TMetafileDevice::Inside(std::span<const TPoint> points) const {
  const TRect reach = Reach();
  return std::ranges::all_of(points, [&](TPoint p) { return reach.Contains(p); });
}

void TMetafileDevice::UsePen(const meta::TPen& pen) {
  if (drawnPen_ == pen) return;
  drawnPen_ = pen;
  drawing_.records.emplace_back(pen);
}

void TMetafileDevice::UseBrush(const meta::TBrush& brush) {
  if (drawnBrush_ == brush) return;
  drawnBrush_ = brush;
  drawing_.records.emplace_back(brush);
}

void TMetafileDevice::AddPolylines(std::span<const TPoint> points, bool closed) {
  if (pen_.style == TPenStyle::kNull) return;
  for (const std::vector<TPoint>& piece : ClipPolyline(points, Reach(), closed)) {
    UsePen(pen_);
    for (std::size_t first = 0; first + 1 < piece.size(); first += kMaxRecordPoints - 1) {
      const std::size_t end = std::min(piece.size(), first + kMaxRecordPoints);
      drawing_.records.emplace_back(meta::TPolyline{{piece.begin() + first, piece.begin() + end}});
    }
  }
}

void TMetafileDevice::AddPolygon(std::span<const TPoint> points) {
  if (points.size() < 3) return;
  const bool fills = brush_.style != TBrushStyle::kNull;
  if (Inside(points) && points.size() <= kMaxRecordPoints) {
    UsePen(pen_);
    UseBrush(brush_);
    drawing_.records.emplace_back(meta::TPolygon{{points.begin(), points.end()}});
    return;
  }
  // Cut: the area filled without outline, then the outline's visible pieces.
  if (fills) {
    std::vector<TPoint> area = ClipPolygonArea(points, Reach());
    if (!area.empty() && area.size() <= kMaxRecordPoints) {
      UsePen({0, 1, TPenStyle::kNull});
      UseBrush(brush_);
      drawing_.records.emplace_back(meta::TPolygon{std::move(area)});
    }
  }
  AddPolylines(points, true);
}

void TMetafileDevice::AddBox(const TRect& box, TColor color) {
  const TRect inclusive = Intersection(Reach(), {box.left, box.top, box.right - 1, box.bottom - 1});
  if (inclusive.right < inclusive.left || inclusive.bottom < inclusive.top) return;
  // An outline of the fill's colour covers the box exactly, right and bottom exclusive.
  UsePen({Rgb(color), 1, TPenStyle::kSolid});
  UseBrush({Rgb(color), TBrushStyle::kSolid});
  drawing_.records.emplace_back(
      meta::TRectangle{{inclusive.left, inclusive.top, inclusive.right + 1, inclusive.bottom + 1}});
}

void TMetafileDevice::LineTo(int32_t x, int32_t y) {
  const TPoint line[2] = {position_, {x, y}};
  AddPolylines(line, false);
  position_ = {x, y};
}

void TMetafileDevice::Polyline(std::span<const TPoint> points) { AddPolylines(points, false); }

void TMetafileDevice::PolyPolyline(std::span<const TPoint> points,
                                   std::span<const int32_t> counts) {
  std::size_t first = 0;
  for (const int32_t count : counts) {
    if (count < 0 || first + static_cast<std::size_t>(count) > points.size()) return;
    AddPolylines(points.subspan(first, static_cast<std::size_t>(count)), false);
    first += static_cast<std::size_t>(count);
  }
}

void TMetafileDevice::Polygon(std::span<const TPoint> points) { AddPolygon(points); }

void TMetafileDevice::Ellipse(const TRect& box) {
  if (box.right <= box.left || box.bottom <= box.top) return;
  const TPoint corners[2] = {{box.left, box.top}, {box.right - 1, box.bottom - 1}};
  if (Inside(corners)) {
    UsePen(pen_);
    UseBrush(brush_);
    drawing_.records.emplace_back(meta::TEllipse{box});
    return;
  }
  const TRect reach = Reach();
  if (!reach.Intersects({box.left, box.top, box.right - 1, box.bottom - 1})) return;
  AddPolygon(EllipsePolygon(box));
}

void TMetafileDevice::Rectangle(const TRect& box) {
  if (box.right <= box.left || box.bottom <= box.top) return;
  const TPoint corners[4] = {{box.left, box.top},
                             {box.right - 1, box.top},
                             {box.right - 1, box.bottom - 1},
                             {box.left, box.bottom - 1}};
  if (Inside(corners)) {
    UsePen(pen_);
    UseBrush(brush_);
    drawing_.records.emplace_back(meta::TRectangle{box});
    return;
  }
  AddPolygon(corners);
}

void TMetafileDevice::FillRect(const TRect& box, TColor color) { AddBox(box, color); }

void TMetafileDevice::SetPixel(int32_t x, int32_t y, TColor color) {
  AddBox({x, y, x + 1, y + 1}, color);
}

bool TMetafileDevice::IsGreek(std::string_view family) const {
  return family == "Symbol" || (!greekFamily_.empty() && family == greekFamily_);
}

void TMetafileDevice::TextOut(int32_t x, int32_t y, std::string_view text,
                              const velplatform::TFontSpec& font) {
  // Players take the extent of a metafile from what it draws: a text is kept only when its
  // cell lies within the picture.
  const TRect cell{x, y, x + TextWidth(text, font) - 1, y + font.height - 1};
  if (text.empty() || !Reach().Contains(cell)) return;
  const bool greek = IsGreek(font.family);
  const meta::TFont wanted{greek ? "Symbol" : font.family, font.height, font.bold, font.italic,
                           greek};
  if (drawnFont_ != wanted) {
    drawnFont_ = wanted;
    drawing_.records.emplace_back(wanted);
  }
  if (drawnTextColor_ != textColor_) {
    drawnTextColor_ = textColor_;
    drawing_.records.emplace_back(meta::TTextColor{textColor_});
  }
  meta::TText record{{x, y}, std::string(text), {}};
  int32_t before = 0;
  for (std::size_t n = 1; n <= text.size(); ++n) {
    const int32_t width = measure_->TextWidth(text.substr(0, n), font);
    record.advances.push_back(width - before);
    before = width;
  }
  drawing_.records.emplace_back(std::move(record));
}

int32_t TMetafileDevice::TextWidth(std::string_view text,
                                   const velplatform::TFontSpec& font) const {
  return measure_->TextWidth(text, font);
}

void TMetafileDevice::SetGreekFamily(std::string_view family) {
  greekFamily_ = family;
  measure_->SetGreekFamily(family);
}

void TMetafileDevice::DrawMonoImage(const velplatform::TMonoImage& image, int32_t x, int32_t y,
                                    TColor shape, TColor background, bool transparentBackground) {
  if (!transparentBackground) AddBox({x, y, x + image.Width(), y + image.Height()}, background);
  for (int32_t row = 0; row < image.Height(); ++row) {
    for (int32_t column = 0; column < image.Width();) {
      if (!image.Get(column, row)) {
        ++column;
        continue;
      }
      const int32_t start = column;
      while (column < image.Width() && image.Get(column, row)) ++column;
      AddBox({x + start, y + row, x + column, y + row + 1}, shape);
    }
  }
}

velplatform::TMonoImage TMetafileDevice::RenderText(std::string_view text,
                                                    const velplatform::TFontSpec& font) const {
  return measure_->RenderText(text, font);
}

}  // namespace velarion::ui

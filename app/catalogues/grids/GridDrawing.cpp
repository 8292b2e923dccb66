#include "GridDrawing.h"

#include "ClippedPolyline.h"
#include "GridLabels.h"
#include "SkyImageExports.h"

namespace velarion::catalogues {

TRect EnlargedView(const kit::TViewRect& view) {
  return {view.left - 1, view.top - 1, view.right + 1, view.bottom + 1};
}

void DrawClippedPolyline(velplatform::TDrawDevice& device, std::span<const TPoint> points,
                         const TRect& box, const TRect& clip) {
  if (points.size() < 2) return;
  const sky::TPolyPolyline& pieces = sky::SharedPolylineClipper().Clip(points, box, clip);
  if (!pieces.counts.empty()) device.PolyPolyline(pieces.points, pieces.counts);
}

void DrawGridLine(velplatform::TDrawDevice& device, const TGridLine& line,
                  const kit::TViewRect& view, int32_t fontHeight) {
  const TRect clip = EnlargedView(view);
  const std::vector<TPoint>& points = line.points.Points();
  std::size_t start = 0;
  for (int32_t count : line.points.Counts()) {
    const auto n = static_cast<std::size_t>(count);
    DrawClippedPolyline(device, std::span(points).subspan(start, n), line.pointBox.Rect(), clip);
    start += n;
  }
  if (line.label.empty()) return;
  const int32_t width = LabelWidth(line.label);
  for (TPoint p : line.labels) {
    if (p == kNoLabel) continue;
    if (TRect{p.x, p.y, p.x + width, p.y + fontHeight}.Intersects(clip)) {
      DrawString(line.label.c_str(), p.x, p.y, true);
    }
  }
}

void DrawRequestedGridLines(const kit::TObjectGroup& group, const kit::TNextObject& next,
                            const TGridLineLookup& line) {
  velplatform::TDrawDevice* device = velplatform::DeviceOf(group.DrawDevice);
  if (device == nullptr) return;
  SetDrawColor(kit::kPenColour, static_cast<int32_t>(group.View.colours[kit::kGridLineColour]));
  SetDrawColor(kit::kTextColour, static_cast<int32_t>(group.View.colours[kit::kStarImageColour]));
  for (int32_t n = next(); n != -1; n = next()) {
    const TGridLine* shown = line(n);
    if (shown == nullptr || !shown->visible ||
        !group.IsRectInView(ToObjectRect(shown->rect.Rect()))) {
      continue;
    }
    DrawGridLine(*device, *shown, group.ViewRect, group.View.fontHeight);
  }
}

}  // namespace velarion::catalogues

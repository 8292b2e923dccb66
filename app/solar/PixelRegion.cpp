#include "PixelRegion.h"

#include <algorithm>
#include <cmath>

namespace velarion::solar {

namespace {

using TSpans = TPixelRegion::TSpans;

TSpans Intersect(const TSpans& a, const TSpans& b) {
  TSpans out;
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const int32_t lo = std::max(a[i].first, b[j].first);
    const int32_t hi = std::min(a[i].second, b[j].second);
    if (lo < hi) out.emplace_back(lo, hi);
    if (a[i].second < b[j].second) {
      ++i;
    } else {
      ++j;
    }
  }
  return out;
}

TSpans Difference(const TSpans& a, const TSpans& b) {
  TSpans out;
  std::size_t j = 0;
  for (auto [lo, hi] : a) {
    while (j < b.size() && b[j].second <= lo) ++j;
    for (std::size_t k = j; k < b.size() && b[k].first < hi; ++k) {
      if (b[k].first > lo) out.emplace_back(lo, b[k].first);
      lo = std::max(lo, b[k].second);
    }
    if (lo < hi) out.emplace_back(lo, hi);
  }
  return out;
}

TSpans Eroded(const TSpans& a) {
  TSpans out;
  for (const auto& [lo, hi] : a) {
    if (hi - lo > 2) out.emplace_back(lo + 1, hi - 1);
  }
  return out;
}

// Pixel spans of one row whose centres lie inside the polygon, even-odd.
TSpans RowSpans(std::span<const velplatform::TPoint> polygon, int32_t y, int32_t left,
                int32_t right) {
  const double yc = y + 0.5;
  std::vector<double> crossings;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const velplatform::TPoint a = polygon[i];
    const velplatform::TPoint b = polygon[(i + 1) % polygon.size()];
    if ((a.y <= yc) == (b.y <= yc)) continue;
    crossings.push_back(a.x + (yc - a.y) * (b.x - a.x) / static_cast<double>(b.y - a.y));
  }
  std::sort(crossings.begin(), crossings.end());
  TSpans spans;
  for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
    const auto x0 = static_cast<int32_t>(std::max<double>(std::ceil(crossings[i] - 0.5), left));
    const auto x1 =
        static_cast<int32_t>(std::min<double>(std::ceil(crossings[i + 1] - 0.5), right + 1.0));
    if (x0 >= x1) continue;
    if (!spans.empty() && spans.back().second >= x0) {
      spans.back().second = std::max(spans.back().second, x1);
    } else {
      spans.emplace_back(x0, x1);
    }
  }
  return spans;
}

}  // namespace

TPixelRegion TPixelRegion::FromPolygon(std::span<const velplatform::TPoint> polygon,
                                       const velplatform::TRect& clip) {
  TPixelRegion region;
  if (polygon.size() < 3) return region;
  const auto [lowest, highest] = std::minmax_element(polygon.begin(), polygon.end(),
                                                     [](auto& a, auto& b) { return a.y < b.y; });
  const int32_t top = std::max(lowest->y, clip.top);
  const int32_t bottom = std::min(highest->y, clip.bottom);
  for (int32_t y = top; y <= bottom; ++y) {
    TSpans spans = RowSpans(polygon, y, clip.left, clip.right);
    if (!spans.empty()) region.rows_.emplace(y, std::move(spans));
  }
  return region;
}

void TPixelRegion::Subtract(const TPixelRegion& other) {
  for (auto it = rows_.begin(); it != rows_.end();) {
    const auto o = other.rows_.find(it->first);
    if (o != other.rows_.end()) it->second = Difference(it->second, o->second);
    it = it->second.empty() ? rows_.erase(it) : std::next(it);
  }
}

bool TPixelRegion::Contains(velplatform::TPoint p) const {
  const auto row = rows_.find(p.y);
  if (row == rows_.end()) return false;
  return std::any_of(row->second.begin(), row->second.end(),
                     [&](const auto& s) { return p.x >= s.first && p.x < s.second; });
}

velplatform::TRect TPixelRegion::Bounds() const {
  if (rows_.empty()) return {0, 0, -1, -1};
  velplatform::TRect r{rows_.begin()->second.front().first, rows_.begin()->first,
                       rows_.begin()->second.back().second - 1, rows_.rbegin()->first};
  for (const auto& [y, spans] : rows_) {
    r.left = std::min(r.left, spans.front().first);
    r.right = std::max(r.right, spans.back().second - 1);
  }
  return r;
}

TPixelRegion TPixelRegion::Border() const {
  TPixelRegion border;
  static const TSpans kNone;
  auto rowAt = [this](int32_t y) -> const TSpans& {
    const auto it = rows_.find(y);
    return it == rows_.end() ? kNone : it->second;
  };
  for (const auto& [y, spans] : rows_) {
    const TSpans interior = Intersect(Intersect(Eroded(spans), rowAt(y - 1)), rowAt(y + 1));
    TSpans edge = Difference(spans, interior);
    if (!edge.empty()) border.rows_.emplace(y, std::move(edge));
  }
  return border;
}

}  // namespace velarion::solar

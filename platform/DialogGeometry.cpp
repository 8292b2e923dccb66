#include "DialogGeometry.h"

#include <algorithm>
#include <map>

namespace velplatform {

namespace {

// Edge `to` lies at least `gap` after edge `from`; edges are named by their table coordinate.
struct TEdgeGap {
  int32_t from = 0;
  int32_t to = 0;
  int32_t gap = 0;
};

// One axis of the grid: its edges and what must lie between them.
struct TAxis {
  std::vector<int32_t> edges;
  std::vector<TEdgeGap> gaps;

  void Add(int32_t from, int32_t to, int32_t gap) {
    edges.push_back(from);
    edges.push_back(to);
    gaps.push_back({from, to, gap});
  }
};

// The new place of every edge: the longest path through the edges in table order, where
// each interval weighs its table length and each gap its need. Every gap that can be met
// points forward, so one pass over the sorted edges finds it.
std::map<int32_t, int32_t> Stretch(TAxis axis) {
  std::sort(axis.edges.begin(), axis.edges.end());
  axis.edges.erase(std::unique(axis.edges.begin(), axis.edges.end()), axis.edges.end());
  std::sort(axis.gaps.begin(), axis.gaps.end(),
            [](const TEdgeGap& a, const TEdgeGap& b) { return a.to < b.to; });
  std::map<int32_t, int32_t> placed;
  auto gap = axis.gaps.begin();
  for (std::size_t i = 0; i < axis.edges.size(); ++i) {
    const int32_t edge = axis.edges[i];
    int32_t place = edge;
    if (i > 0) place = placed.at(axis.edges[i - 1]) + (edge - axis.edges[i - 1]);
    for (; gap != axis.gaps.end() && gap->to == edge; ++gap) {
      if (gap->from < edge) place = std::max(place, placed.at(gap->from) + gap->gap);
    }
    placed[edge] = place;
  }
  return placed;
}

int32_t Right(const TDialogRect& r) { return r.x + r.width; }
int32_t Bottom(const TDialogRect& r) { return r.y + r.height; }

bool Inside(const TDialogRect& inner, const TDialogRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && Right(inner) <= Right(outer) &&
         Bottom(inner) <= Bottom(outer);
}

// A frame keeps its insets around each control the table put inside it.
void AddFrameGaps(const TControlRoom& frame, std::span<const TControlRoom> controls, TAxis& x,
                  TAxis& y) {
  const TDialogRect& outer = frame.rect;
  for (const TControlRoom& control : controls) {
    const TDialogRect& inner = control.rect;
    if (&control == &frame || !Inside(inner, outer)) continue;
    x.Add(outer.x, inner.x, frame.frame->left);
    x.Add(Right(inner), Right(outer), frame.frame->right);
    y.Add(outer.y, inner.y, frame.frame->top);
    y.Add(Bottom(inner), Bottom(outer), frame.frame->bottom);
  }
}

}  // namespace

TStretchedLayout StretchToNeeds(std::span<const TControlRoom> controls, int32_t width,
                                int32_t height) {
  TAxis x{{0, width}, {}};
  TAxis y{{0, height}, {}};
  for (const TControlRoom& control : controls) {
    x.Add(control.rect.x, Right(control.rect), control.minWidth);
    y.Add(control.rect.y, Bottom(control.rect), control.minHeight);
    if (control.frame) AddFrameGaps(control, controls, x, y);
  }
  const std::map<int32_t, int32_t> newX = Stretch(std::move(x));
  const std::map<int32_t, int32_t> newY = Stretch(std::move(y));
  TStretchedLayout layout{{}, newX.at(width), newY.at(height)};
  for (const TControlRoom& control : controls) {
    const TDialogRect& r = control.rect;
    const int32_t left = newX.at(r.x);
    const int32_t top = newY.at(r.y);
    layout.rects.push_back({left, top, newX.at(Right(r)) - left, newY.at(Bottom(r)) - top});
  }
  return layout;
}

}  // namespace velplatform

#include "EquatorialLines.h"

#include "AngleUtils.h"
#include "GridSteps.h"
#include "ProjectionExports.h"

#include <algorithm>
#include <cmath>

namespace velarion::catalogues {

namespace {

// Far more samples than any view needs; beyond it the step is widened.
constexpr double kMaxSamples = 100000.0;

bool InView(TPoint p, const kit::TViewRect& v) {
  return p.x >= v.left && p.x <= v.right && p.y >= v.top && p.y <= v.bottom;
}

// Collects the samples of one line: every projecting one into the runs, the ones inside
// the view into the bounding rectangle and the two label positions.
class TDetailedSampler {
 public:
  TDetailedSampler(TGridLine& line, const kit::TViewRect& view) : line_(line), view_(view) {}

  void Sample(double raDeg, double decDeg) {
    TPoint p;
    if (!RaDecToXY(raDeg, decDeg, &p.x, &p.y)) {
      line_.points.Break();
      return;
    }
    line_.points.Add(p);
    line_.pointBox.Include(p);
    if (!InView(p, view_)) return;
    line_.rect.Include(p);
    if (!inView_) line_.labels[0] = p;
    line_.labels[1] = p;
    inView_ = true;
  }

  // Samples from `from` to `to` (increasing) every `step`, and `to` itself.
  template <typename TSampleAt>
  void Run(double from, double to, double step, TSampleAt sampleAt) {
    if (from > to || !(step > 0.0)) return;
    step = std::max(step, (to - from) / kMaxSamples);
    const auto n = static_cast<int64_t>((to - from) / step);
    for (int64_t i = 0; i <= n; ++i) sampleAt(from + static_cast<double>(i) * step);
    sampleAt(to);
  }

  bool AnyInView() const { return inView_; }

 private:
  TGridLine& line_;
  const kit::TViewRect& view_;
  bool inView_ = false;
};

// Labels kept inside the view, their boxes added to the line's rectangle.
void PlaceLabels(TGridLine& line, int32_t labelWidth, const TEquatorialView& v) {
  for (TPoint& p : line.labels) {
    if (p == kNoLabel) continue;
    if (p.x + labelWidth > v.view.right) p.x -= labelWidth;
    if (p.y + v.fontHeight > v.view.bottom) p.y -= v.fontHeight;
    line.rect.Include(TRect{p.x, p.y, p.x + labelWidth, p.y + v.fontHeight});
  }
}

void Finish(TGridLine& line, const TDetailedSampler& sampler, int32_t labelWidth,
            const TEquatorialView& v) {
  line.visible = sampler.AnyInView();
  if (!line.visible) {
    line.labels = {kNoLabel, kNoLabel};
    return;
  }
  PlaceLabels(line, labelWidth, v);
}

double SamplingStepDeg(int32_t radius) { return 720.0 / radius; }

}  // namespace

void BuildDetailedHourCircle(TGridLine& line, int32_t raArcmin, int32_t labelWidth,
                             const TEquatorialView& v) {
  line.Reset();
  if (v.radius <= 0) return;
  const kit::TRaDecWindow& w = v.window;
  double ra = raArcmin / 60.0;
  if (w.raMax > 360.0 && ra < 180.0) ra += 360.0;
  if (ra < w.raMin || ra > w.raMax) return;
  const double d0 = OutermostDeclination(v.decStep) / 60.0;
  TDetailedSampler sampler(line, v.view);
  sampler.Run(std::max(-d0, w.decMin), std::min(d0, w.decMax), SamplingStepDeg(v.radius),
              [&](double dec) { sampler.Sample(ra, dec); });
  // At a pole every hour circle ends in the same point: no label there.
  if (w.decMin <= -90.0) line.labels[0] = kNoLabel;
  if (w.decMax >= 90.0) line.labels[1] = kNoLabel;
  Finish(line, sampler, labelWidth, v);
}

void BuildDetailedDeclinationCircle(TGridLine& line, int32_t decArcmin, int32_t labelWidth,
                                    const TEquatorialView& v) {
  line.Reset();
  if (v.radius <= 0) return;
  const kit::TRaDecWindow& w = v.window;
  const double dec = decArcmin / 60.0;
  if (dec < w.decMin || dec > w.decMax) return;
  const double cosDec = sky::SinCosDeg(dec).cos;
  if (!(cosDec > 0.0)) return;
  TDetailedSampler sampler(line, v.view);
  sampler.Run(w.raMin, w.raMax, SamplingStepDeg(v.radius) / cosDec,
              [&](double ra) { sampler.Sample(ra, dec); });
  if (w.decMin <= -90.0 || w.decMax >= 90.0) line.labels[1] = kNoLabel;
  Finish(line, sampler, labelWidth, v);
}

}  // namespace velarion::catalogues

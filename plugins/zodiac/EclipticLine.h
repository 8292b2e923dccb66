// TEclipticLine: the ecliptic as a dotted line across the map, the current obliquity in its
// name and as its one datum. The quick view sweeps the whole circle in integer arc-minutes;
// the detailed view sweeps only the right-ascension window of the view.
#ifndef VELARION_PLUGINS_ZODIAC_ECLIPTICLINE_H
#define VELARION_PLUGINS_ZODIAC_ECLIPTICLINE_H

#include "DrawDevice.h"
#include "EclipticTable.h"
#include "ObjectGroup.h"

#include <array>
#include <cstdint>
#include <vector>

namespace velarion::zodiac {

inline constexpr uint32_t kDefaultLineColour = 16711935;  // magenta
inline constexpr int kMaxRuns = 50;

struct TPixel {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const TPixel&) const = default;
};

// The host's projections, replaceable so that the sweep can be tested on its own.
struct TProjections {
  bool (*quick)(int32_t ra, int32_t dec, int32_t* x, int32_t* y) = nullptr;
  bool (*detailed)(double ra, double dec, int32_t* x, int32_t* y) = nullptr;
};

class TEclipticLine final : public kit::TObjectGroup17 {
 public:
  explicit TEclipticLine(TProjections projections = {});

  void Init() override;
  bool InitResources(kit::TWindowHandle owner) override;
  void FreeResources() override;
  void CalculateObjects(const kit::TVisibleObjectReport& report) override;
  void DrawObjects(const kit::TNextObject& next) override;
  bool GetObjectRect(int32_t index, kit::TObjectRect& rect) override;
  int32_t GetObjectData(int32_t index, std::span<std::byte> buffer) override;
  std::string GetObjectName(int32_t index) override;
  bool EditOptions(kit::TWindowHandle owner) override;

  uint32_t LineColour() const { return lineColour_; }
  const TEclipticTable& Table() const { return table_; }
  int RunCount() const { return runCount_; }
  int RunLength(int run) const { return runLengths_[static_cast<std::size_t>(run)]; }
  std::span<const TPixel> Points() const { return {points_.data(), storedPoints_}; }
  std::size_t PointCapacity() const { return points_.size(); }
  bool Visible() const { return visible_; }

  // Room for n points: a fifth more than asked, kept while it suffices.
  void ReservePoints(std::size_t n);

 private:
  enum class TMode { kQuick, kDetailed };
  double CurrentObliquity() const;
  void QuickModeCalculate(const kit::TVisibleObjectReport& report);
  void DetailedModeCalculate(const kit::TVisibleObjectReport& report);
  void StartSweep();
  void Accept(TPixel p, TMode mode);
  void BeginRun(TMode mode);
  void Store(TPixel p);
  void DrawRuns(velplatform::TDrawDevice& device) const;

  TProjections projections_;
  uint32_t lineColour_ = kDefaultLineColour;
  bool resources_ = false;
  TEclipticTable table_;
  std::array<int32_t, kMaxRuns> runLengths_{};
  int runCount_ = 0;
  kit::TObjectRect bounds_;
  bool visible_ = false;
  std::vector<TPixel> points_;
  std::size_t storedPoints_ = 0;
  int gap_ = 0;
};

}  // namespace velarion::zodiac

#endif

#include "EclipticLine.h"

#include "Cp1251.h"
#include "Dialogs.h"
#include "DrawDevice.h"
#include "Edition.h"
#include "HostInterface.h"
#include "velastro.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace velarion::zodiac {

namespace {

constexpr const char* kSection = "Zodiac";
constexpr const char* kColourKey = "LineColor";
constexpr int kBridgedGap = 10;  // rejected samples in a row still joined by a straight line
constexpr int kNoPointYet = 1000;

// The decimal number at the start of the text (after blanks); 0 when there is none.
uint32_t LeadingNumber(const char* text) {
  return static_cast<uint32_t>(std::strtoll(text, nullptr, 10));
}

// Whole degrees, minutes and seconds, as the program writes angles: 23° 26' 21".
std::string DegreesMinutesSeconds(double degrees) {
  const long long total = std::llround(std::fabs(degrees) * 3600.0);
  return std::string(degrees < 0 ? "-" : "") + std::to_string(total / 3600) +
         velplatform::Cp1251("° ") + std::to_string(total / 60 % 60) + "' " +
         std::to_string(total % 60) + "\"";
}

}  // namespace

TEclipticLine::TEclipticLine(TProjections projections) : projections_(projections) {
  if (projections_.quick == nullptr) projections_.quick = QuickRaDecToXY;
  if (projections_.detailed == nullptr) projections_.detailed = RaDecToXY;
}

void TEclipticLine::Init() {
  Code = "ELINE";
  Name = kit::RussianEdition() ? velplatform::Cp1251("Эклиптика") : "Ecliptic line";
  Version = "2.2";
  EpochKind = 2;
  ObjectCount = 1;
  Selectable = false;
  HasOptions = true;
}

bool TEclipticLine::InitResources(kit::TWindowHandle /*owner*/) {
  char text[32] = {};
  const std::string fallback = std::to_string(kDefaultLineColour);
  if (RestoreIniString != nullptr) {
    RestoreIniString(kSection, kColourKey, fallback.c_str(), text, sizeof text);
  } else {
    std::strncpy(text, fallback.c_str(), sizeof text - 1);
  }
  lineColour_ = LeadingNumber(text);
  table_.Invalidate();
  resources_ = true;
  ResourcesReady = true;
  return true;
}

void TEclipticLine::FreeResources() {
  ReservePoints(0);
  resources_ = false;
  ResourcesReady = false;
}

void TEclipticLine::ReservePoints(std::size_t n) {
  const std::size_t wanted = n * 6 / 5;
  if (n > 0 && points_.size() >= wanted) return;
  points_.assign(wanted, TPixel{});
  points_.shrink_to_fit();
  storedPoints_ = std::min(storedPoints_, points_.size());
}

double TEclipticLine::CurrentObliquity() const { return GetEps(GetT(View.mjdUt)); }

void TEclipticLine::CalculateObjects(const kit::TVisibleObjectReport& report) {
  if (ViewMode == 1) {
    DetailedModeCalculate(report);
  } else {
    QuickModeCalculate(report);
  }
}

void TEclipticLine::StartSweep() {
  runLengths_.fill(0);
  runCount_ = 0;
  gap_ = kNoPointYet;
  storedPoints_ = 0;
}

void TEclipticLine::QuickModeCalculate(const kit::TVisibleObjectReport& report) {
  table_.Update(CurrentObliquity());
  StartSweep();
  visible_ = View.radius > 0;  // a disc of no size shows no line
  if (!visible_) return;
  report(1);
  const int32_t step =
      std::max<int32_t>(static_cast<int32_t>(std::lround(30000.0 / View.radius)), 1);
  const int32_t samples = 21600 / step + 1;
  ReservePoints(static_cast<std::size_t>(samples));
  // From the lower meridian once round the sky.
  int32_t ra = static_cast<int32_t>(std::lround(View.siderealHours * 900.0)) + 10800;
  ra = ((ra % 21600) + 21600) % 21600;
  for (int32_t i = 0; i < samples; ++i) {
    int32_t x = 0;
    int32_t y = 0;
    if (projections_.quick(ra, table_.QuickDeclination(ra), &x, &y)) {
      Accept({x, y}, TMode::kQuick);
    } else {
      ++gap_;
    }
    ra += step;
    if (ra >= 21600) ra -= 21600;
  }
}

void TEclipticLine::DetailedModeCalculate(const kit::TVisibleObjectReport& report) {
  table_.Update(CurrentObliquity());
  visible_ = false;
  const double obliquity = table_.Obliquity();
  StartSweep();
  if (View.radius <= 0) return;
  if (RaDecWindow.decMin > obliquity || RaDecWindow.decMax < -obliquity) return;
  const double step = 500.0 / View.radius;
  const auto n =
      static_cast<std::size_t>(std::max(0.0, (RaDecWindow.raMax - RaDecWindow.raMin) / step));
  ReservePoints(n);
  double ra = std::fmod(RaDecWindow.raMin, 360.0);
  if (ra < 0.0) ra += 360.0;
  // A fifth beyond the window; a larger buffer kept from the quick view must not make the
  // sweep run on round the sky and come back into the window.
  const std::size_t samples = n * 6 / 5;
  for (std::size_t i = 0; i < samples; ++i) {
    int32_t x = 0;
    int32_t y = 0;
    const bool inside = projections_.detailed(ra, table_.DetailedDeclination(ra), &x, &y) &&
                        x >= ViewRect.left && x <= ViewRect.right && y >= ViewRect.top &&
                        y <= ViewRect.bottom;
    if (inside) {
      Accept({x, y}, TMode::kDetailed);
    } else {
      ++gap_;
    }
    ra += step;
    if (ra >= 360.0) ra -= 360.0;
  }
  visible_ = storedPoints_ > 0;
  if (visible_) report(1);
}

void TEclipticLine::BeginRun(TMode mode) {
  const bool haveRun = runCount_ > 0;
  if (mode == TMode::kQuick && haveRun && runLengths_[runCount_ - 1] < 2) {
    storedPoints_ -= static_cast<std::size_t>(runLengths_[runCount_ - 1]);  // a lone point goes
  } else if (runCount_ < kMaxRuns) {
    ++runCount_;
  } else {
    return;  // no run left: the last run goes on, bridging the gap
  }
  runLengths_[runCount_ - 1] = 0;
}

void TEclipticLine::Accept(TPixel p, TMode mode) {
  if (gap_ > kBridgedGap) BeginRun(mode);
  gap_ = 0;
  Store(p);
}

void TEclipticLine::Store(TPixel p) {
  if (storedPoints_ >= points_.size()) return;  // the sweep never takes more samples than room
  auto widen = [this](TPixel q) {
    bounds_ = {std::min(bounds_.left, q.x), std::min(bounds_.top, q.y),
               std::max(bounds_.right, q.x), std::max(bounds_.bottom, q.y)};
  };
  if (storedPoints_ == 0) {
    points_[0] = p;
    storedPoints_ = 1;
    ++runLengths_[runCount_ - 1];
    bounds_ = {p.x, p.y, p.x, p.y};
    return;
  }
  const TPixel last = points_[storedPoints_ - 1];
  if (p == last) return;
  const bool runHasTwo = runLengths_[runCount_ - 1] >= 2;
  const TPixel before = storedPoints_ >= 2 ? points_[storedPoints_ - 2] : last;
  const bool sameStep =
      runHasTwo && last.x - before.x == p.x - last.x && last.y - before.y == p.y - last.y;
  if (sameStep) {
    points_[storedPoints_ - 1] = p;
  } else {
    points_[storedPoints_++] = p;
    ++runLengths_[runCount_ - 1];
  }
  widen(p);
}

void TEclipticLine::DrawObjects(const kit::TNextObject& next) {
  if (next() != 1 || !visible_ || storedPoints_ == 0 || !IsRectInView(bounds_)) return;
  velplatform::TDrawDevice* device = velplatform::DeviceOf(DrawDevice);
  if (device == nullptr) return;
  const bool monochrome = GetDrawDeviceBitDepth != nullptr && GetDrawDeviceBitDepth() <= 1;
  const velplatform::TColor colour = monochrome ? 0 : lineColour_;
  const velplatform::TColor previousPen = device->PenColor();
  device->SetPen(colour, 1, velplatform::TPenStyle::kDot);
  if (ViewMode == 1) {
    DrawRuns(*device);
  } else {
    const std::optional<velplatform::TRect> previousClip = device->ClipRect();
    device->SetClipRect({ViewRect.left, ViewRect.top, ViewRect.right, ViewRect.bottom});
    DrawRuns(*device);
    if (previousClip) {
      device->SetClipRect(*previousClip);
    } else {
      device->ClearClip();
    }
  }
  device->SetPen(previousPen);
}

void TEclipticLine::DrawRuns(velplatform::TDrawDevice& device) const {
  std::size_t first = 0;
  for (int run = 0; run < runCount_; ++run) {
    const auto length = static_cast<std::size_t>(runLengths_[static_cast<std::size_t>(run)]);
    std::vector<velplatform::TPoint> line;
    for (std::size_t i = first; i < first + length && i < storedPoints_; ++i) {
      line.push_back({points_[i].x, points_[i].y});
    }
    if (line.size() == 1) {
      device.SetPixel(line[0].x, line[0].y, device.PenColor());
    } else if (!line.empty()) {
      device.Polyline(line);
    }
    first += length;
  }
}

bool TEclipticLine::GetObjectRect(int32_t index, kit::TObjectRect& rect) {
  if (index != 1 || !visible_ || storedPoints_ == 0) return false;
  rect = bounds_;
  return true;
}

int32_t TEclipticLine::GetObjectData(int32_t /*index*/, std::span<std::byte> buffer) {
  if (buffer.size() < sizeof(double)) return 0;
  const double obliquity = CurrentObliquity();
  std::memcpy(buffer.data(), &obliquity, sizeof obliquity);
  return sizeof(double);
}

std::string TEclipticLine::GetObjectName(int32_t index) {
  if (index != 1) return "";
  const std::string phrase =
      kit::RussianEdition() ? velplatform::Cp1251("Эклиптика, ") : "Ecliptic line, ";
  return "\x01" + phrase +
         "\x02"
         "e"
         "\x01"
         "=" +
         DegreesMinutesSeconds(CurrentObliquity());
}

bool TEclipticLine::EditOptions(kit::TWindowHandle owner) {
  const std::optional<uint32_t> chosen = velplatform::ChooseColour(owner, lineColour_);
  if (!chosen) return false;
  lineColour_ = *chosen;
  if (SaveIniString != nullptr)
    SaveIniString(kSection, kColourKey, std::to_string(lineColour_).c_str());
  return true;
}

}  // namespace velarion::zodiac

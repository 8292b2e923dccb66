// TStateFile: the parts of a view a state file (".vls") holds. Each part is present only
// when the file has its line; what is absent is left as the view has it.
#ifndef VELARION_APP_UI_STATEFILE_STATEFILE_H
#define VELARION_APP_UI_STATEFILE_STATEFILE_H

#include "Configuration.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velarion::ui {

struct TStateLocation {
  double longitudeDeg = 0.0;  // east positive
  double latitudeDeg = 0.0;
  double timeZoneHours = 0.0;
  bool operator==(const TStateLocation&) const = default;
};

// The middle of the window relative to the disc centre, in disc radii: x = dx / R,
// y = dy / R / yscale.
struct TStateSkyPoint {
  int32_t zoom = 100;
  double rotationDeg = 0.0;
  bool mirror = false;
  double x = 0.0;
  double y = 0.0;
  bool operator==(const TStateSkyPoint&) const = default;
};

// The eight display switches in the order of the file.
enum class TStateSwitch {
  kStars,
  kBoundaries,
  kNames,
  kSolarSystem,
  kFigures,
  kDeepSky,
  kEquatorialGrid,
  kHorizontalGrid,
};
inline constexpr std::size_t kStateSwitchCount = 8;

struct TStateGroupModes {
  std::string code;
  bool quick = false;
  bool detailed = false;
  bool operator==(const TStateGroupModes&) const = default;
};

struct TStateGroupVisibility {
  std::array<bool, kStateSwitchCount> switches{};
  std::vector<TStateGroupModes> groups;  // in list order
  bool operator==(const TStateGroupVisibility&) const = default;
};

struct TStateImageParams {
  TStarDisplay quick;
  TStarDisplay detailed;
  bool operator==(const TStateImageParams&) const = default;
};

struct TStateObject {
  std::string groupCode;
  int32_t index = 0;  // 1 … the group's object count
  bool operator==(const TStateObject&) const = default;
};

struct TStateFile {
  std::optional<TStateLocation> location;
  std::optional<double> mjdUt;
  std::optional<TStateSkyPoint> skyPoint;
  std::optional<TStateGroupVisibility> groupVisibility;
  std::optional<TStateImageParams> imageParams;
  std::optional<std::vector<TStateObject>> selection;  // present once a SelObj line is read
  std::optional<bool> tracking;
  std::optional<TAutoRotation> autoRotation;
  std::optional<bool> autoRotationStart;
  std::optional<double> autoRotationStopMjdUt;
  bool operator==(const TStateFile&) const = default;
};

// The parts the save dialog's seven boxes choose, in the boxes' order ("SaveStateFlags").
enum class TStatePart {
  kLocation,
  kTime,
  kSkyPoint,
  kGroupVisibility,
  kImageParams,
  kSelection,
  kAutoRotation,
};
using TStateParts = std::array<bool, 7>;

inline bool Has(const TStateParts& parts, TStatePart part) {
  return parts[static_cast<std::size_t>(part)];
}

}  // namespace velarion::ui

#endif

// Lunar eclipses: from a moment, full moon by full moon, the next (or previous) one whose
// Moon touches the Earth's penumbra, with its greatest eclipse, type, magnitudes, contacts,
// position angles and ΔT; and which of its moments are seen from a place.
#ifndef VELARION_APP_SOLAR_LUNAR_MOONECLIPSE_H
#define VELARION_APP_SOLAR_LUNAR_MOONECLIPSE_H

#include "DeltaTRule.h"
#include "SunMoonPlaces.h"

#include <array>
#include <optional>

namespace velarion::lunar {

enum class TEclipseType { kNone = 0, kPenumbral = 1, kPartial = 2, kTotal = 3 };

// The moments of an eclipse in the order of time.
enum class TContact { kP1, kU1, kU2, kGreatest, kU3, kU4, kP4 };
inline constexpr int kContactCount = 7;

struct TLunarEclipse {
  TEclipseType type = TEclipseType::kNone;
  double greatestMjdTt = 0.0;
  // Fractions of the Moon's diameter inside the umbra and the penumbra at greatest eclipse.
  double umbralMagnitude = 0.0;
  double penumbralMagnitude = 0.0;
  // Moments (dynamical time) of the contacts the type has; none for the others and for a
  // contact not found within 4 hours of greatest eclipse.
  std::array<std::optional<double>, kContactCount> mjdTt{};
  // Position angles (degrees from north through east) at P1, U1, U4 and P4.
  std::array<std::optional<double>, kContactCount> positionAngleDeg{};
  double deltaTDays = 0.0;  // ET - UT for every moment of the eclipse

  // The magnitude the reports show: penumbral for a penumbral eclipse, else umbral.
  double ShownMagnitude() const;
  std::optional<double> At(TContact c) const { return mjdTt[static_cast<int>(c)]; }
};

// Whether the type has the contact.
bool TypeHasContact(TEclipseType type, TContact contact);

enum class TSearchDirection { kForward, kBackward };

class TMoonEclipse {
 public:
  explicit TMoonEclipse(TDeltaTRule deltaT) : deltaT_(deltaT) {}

  // The first eclipse from the full moon nearest `startMjdTt` in `direction`, within
  // 36 lunations; false (and no eclipse) when none is found.
  bool Find(double startMjdTt, TSearchDirection direction);
  // The eclipse whose greatest moment is nearest `mjdTt`, before or after it; false (and no
  // eclipse) when neither search finds one.
  bool FindNearest(double mjdTt);
  // The eclipse after or before the current one; false, keeping the current one, when
  // there is none or no search succeeded yet.
  bool Step(TSearchDirection direction);

  const std::optional<TLunarEclipse>& Eclipse() const { return eclipse_; }

  // Whether the geocentric Moon's centre is at least about 8' above the horizon of the
  // place at each moment of the current eclipse (false for moments it lacks).
  std::array<bool, kContactCount> Visibility(double latitudeDeg, double eastLongitudeDeg);

 private:
  std::optional<TLunarEclipse> Search(double startMjdTt, TSearchDirection direction);
  std::optional<TLunarEclipse> Classify(double fullMoonMjdTt);
  void FindContacts(TLunarEclipse& eclipse);

  TDeltaTRule deltaT_;
  TSunMoonPlaces places_;
  std::optional<TLunarEclipse> eclipse_;
};

}  // namespace velarion::lunar

#endif

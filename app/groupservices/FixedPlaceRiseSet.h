// The rise and set window for an object that keeps its place in the sky during a day (a
// star, a nebula): the information command "Восход/Заход" of the catalogue groups.
#ifndef VELARION_APP_GROUPSERVICES_FIXEDPLACERISESET_H
#define VELARION_APP_GROUPSERVICES_FIXEDPLACERISESET_H

namespace velarion::solar {

// The altitude of a point source at rising: −34′ of refraction.
inline constexpr double kPointSourceRiseAltitude = -0.5666666666666667;

// Shows " Период видимости" for the place (degrees, in the frame of `epoch`, T).
void ShowRiseSetOfFixedPlace(double raDeg, double decDeg, double epoch);

}  // namespace velarion::solar

#endif

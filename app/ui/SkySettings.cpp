#include "SkySettings.h"

#include "Units.h"

#include <algorithm>

namespace velarion::ui {

namespace {

using namespace sky::visibility;

void ApplyVisibility(const TVisibility& v, sky::TSkyImage& image) {
  image.SetObjectVisible(kStars, v.stars);
  image.SetObjectVisible(kBoundaries, v.constellationBoundaries);
  image.SetObjectVisible(kNames, v.constellationNames);
  image.SetObjectVisible(kFigures, v.constellationFigures);
  for (int position = kFirstBody; position <= kLastBody; ++position) {
    image.SetObjectVisible(position, (v.bodyBits >> (position - kFirstBody)) & 1U);
  }
  image.SetObjectVisible(kDeepSky, v.deepSky);
  image.SetObjectVisible(kSolarSystem, v.solarSystem);
}

TVisibility StoredVisibility(const sky::TSkyImage& image) {
  return {image.ObjectVisible(kStars),
          image.ObjectVisible(kBoundaries),
          image.ObjectVisible(kNames),
          image.ObjectVisible(kFigures),
          image.BodyBits(),
          image.ObjectVisible(kDeepSky),
          image.ObjectVisible(kSolarSystem)};
}

sky::TGridSettings ImageGrid(const TGridSettings& g) {
  sky::TGridSettings grid;
  for (std::size_t i = 0; i < grid.lineVisible.size(); ++i) grid.lineVisible[i] = g.lineVisible[i];
  grid.lineStep = g.lineStep;
  grid.azimuthAuto = g.azimuthAutoStep;
  grid.equatorialAuto = g.equatorialAutoStep;
  grid.azimuthGrid = g.horizontalGridShown;
  grid.equatorialGrid = g.equatorialGridShown;
  return grid;
}

TGridSettings StoredGrid(const sky::TGridSettings& grid) {
  TGridSettings g;
  for (std::size_t i = 0; i < g.lineVisible.size(); ++i)
    g.lineVisible[i] = grid.lineVisible[i] != 0;
  g.lineStep = grid.lineStep;
  g.azimuthAutoStep = grid.azimuthAuto != 0;
  g.equatorialAutoStep = grid.equatorialAuto != 0;
  g.horizontalGridShown = grid.azimuthGrid != 0;
  g.equatorialGridShown = grid.equatorialGrid != 0;
  return g;
}

void ApplyDisplay(const TStarDisplay& d, bool detailed, sky::TSkyImage& image) {
  if (detailed) {
    image.SetDetailedStarLimit(d.starLimit);
    image.SetDetailedLabelLimit(d.labelLimit);
    image.SetDetailedLabelFontSize(d.labelFontSize);
    image.SetDetailedStarSizes(d.starSizes);
  } else {
    image.SetStarLimit(d.starLimit);
    image.SetLabelLimit(d.labelLimit);
    image.SetLabelFontSize(d.labelFontSize);
    image.SetStarSizes(d.starSizes);
  }
}

TStarDisplay StoredDisplay(const sky::TSkyImage& image, bool detailed) {
  return {image.StarLimit(detailed), image.LabelLimit(detailed), image.LabelFontSize(detailed),
          image.StarSizes(detailed)};
}

int PositionOf(const sky::TColorSchemeList& list, const sky::TColorScheme& scheme, int old) {
  const auto found = std::find_if(
      list.begin(), list.end(), [&](const sky::TColorSchemePtr& s) { return s.get() == &scheme; });
  return found != list.end() ? static_cast<int>(found - list.begin()) : old;
}

}  // namespace

void ApplySkySettings(const TConfiguration& configuration, const sky::TColorSchemes& schemes,
                      sky::TSkyImage& image) {
  const TSkySettings& s = configuration.sky;
  const TLocation& place = configuration.location;
  image.SetProjection(s.stereographic ? 1 : 0);
  image.SetDeltaTAutomatic(!s.deltaTSeconds);
  if (s.deltaTSeconds) image.SetDeltaTSeconds(*s.deltaTSeconds);
  image.SetRefraction(s.atmosphere.refraction);
  image.SetPressure(s.atmosphere.pressureMbar);
  image.SetTemperature(s.atmosphere.temperatureCelsius);
  image.SetAzimuthFromSouth(s.azimuthFromSouth);
  image.SetMirror(s.mirrorView);
  image.SetTimeZoneAutomatic(!place.timeZoneHours);
  if (place.timeZoneHours) image.SetTimeZone(*place.timeZoneHours);
  image.SetLongitude(place.longitudeDeg);
  image.SetLatitude(place.latitudeDeg);
  ApplyVisibility(s.visibility, image);
  image.SetSkyColourMode(static_cast<uint8_t>(std::clamp(s.skyColourMode, 0, 3)));
  ApplyDisplay(s.quick, false, image);
  ApplyDisplay(s.detailed, true, image);
  image.SetFonts(s.normalFont, s.greekFont);
  image.SetColorSchemes(sky::TColorSchemes::Select(schemes.screen, s.screenSchemePosition),
                        sky::TColorSchemes::Select(schemes.printer, s.printSchemePosition));
  image.SetStarProperNames(s.starProperNames);
  image.SetAlwaysHighPrecision(s.alwaysHighPrecision);
  image.SetSkyBrightnessLimit(s.limitBySkyState);
  image.SetGridSettings(ImageGrid(configuration.grid));
  image.SetPathOrder(s.pathsBeforeGroups);
  image.SetShowAsBitmap(s.showAsBitmap);
}

void StoreSkySettings(const sky::TSkyImage& image, const sky::TColorSchemes& schemes,
                      TConfiguration& configuration) {
  TSkySettings& s = configuration.sky;
  TLocation& place = configuration.location;
  s.stereographic = image.Projection() != 0;
  s.deltaTSeconds.reset();
  if (!image.DeltaTAutomatic()) s.deltaTSeconds = image.DeltaTDays() * velcommon::kSecondsPerDay;
  s.atmosphere = {image.Refraction(), image.Pressure(), image.Temperature()};
  s.azimuthFromSouth = image.AzimuthFromSouth();
  s.mirrorView = image.Mirror();
  place.timeZoneHours.reset();
  if (!image.TimeZoneAutomatic()) place.timeZoneHours = image.TimeZone();
  place.longitudeDeg = image.Longitude();
  place.latitudeDeg = image.Latitude();
  s.visibility = StoredVisibility(image);
  s.skyColourMode = image.SkyColourMode();
  s.quick = StoredDisplay(image, false);
  s.detailed = StoredDisplay(image, true);
  s.normalFont = image.NormalFont();
  s.greekFont = image.GreekFont();
  s.screenSchemePosition = PositionOf(schemes.screen, image.Scheme(false), s.screenSchemePosition);
  s.printSchemePosition = PositionOf(schemes.printer, image.Scheme(true), s.printSchemePosition);
  s.starProperNames = image.StarProperNames();
  s.alwaysHighPrecision = image.AlwaysHighPrecision();
  s.limitBySkyState = image.SkyBrightnessLimit();
  configuration.grid = StoredGrid(image.GridSettings());
  s.pathsBeforeGroups = image.PathsFirst();
  s.showAsBitmap = image.ShowAsBitmap();
}

}  // namespace velarion::ui

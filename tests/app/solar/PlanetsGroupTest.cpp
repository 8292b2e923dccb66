// The planets group: its identity, the object operations' checks, the satellites on the
// map (their events against PyEphem, the zoom threshold, hidden ones never picked), discs,
// symbols and Saturn's rings, the information lines, the search and the options.
#include "PlanetTestSupport.h"

#include "BodyInfoText.h"
#include "Cp1251.h"
#include "FakeDialogs.h"
#include "FindForm.h"
#include "PlanetOptionsDialog.h"
#include "RecordingDevice.h"
#include "Twilight.h"
#include "velmoons.h"

#include <algorithm>
#include <array>
#include <set>

namespace {

using namespace velarion::solar;
namespace kit = velarion::kit;
using velplatform::Cp1251;
using veltest::TOracleTable;

class PlanetsGroup : public veltest::TPlanetsFixture {
 protected:
  // The view of the row's moment with Jupiter at the zenith, zoomed in `zoom` percent.
  void UseJupiterView(double mjdUt, double tTt, int32_t zoom, int32_t radius = 1000,
                      int32_t centre = 0) {
    velarion::kit::TViewParameters probe;
    probe.mjdUt = mjdUt;
    probe.mjdDynamical = TToMJD(tTt);
    UseView(probe);
    const TPlanetObject& jupiter = Planets().ComputePlanet(4, true, true);
    velarion::kit::TViewParameters view =
        ZenithView(mjdUt, probe.mjdDynamical - mjdUt, jupiter.raDeg, jupiter.decDeg);
    view.zoomPercent = zoom;
    view.symbolSizes = 8;
    UseView(view, radius, false, centre);
  }
  std::set<int32_t> Reported() {
    std::set<int32_t> reported;
    group->CalculateObjects([&](int32_t n) { reported.insert(n); });
    return reported;
  }
  TOracleTable events{"satellite_events.csv"};
};

TEST_F(PlanetsGroup, IdentityOfTheGroup) {
  EXPECT_EQ(group->Code, "PLAN");
  EXPECT_EQ(group->Name, Cp1251("Планеты и спутники"));
  EXPECT_EQ(group->Version, "4.0");
  EXPECT_EQ(group->SearchCaption, Cp1251("планету"));
  EXPECT_EQ(group->GetObjectCount(), 25);
  EXPECT_EQ(group->EpochKind, 2);
  EXPECT_TRUE(group->HasOptions);
  EXPECT_EQ(group->InfoItems.Entries(), std::vector<std::string>{Cp1251("Восход/Заход")});
}

TEST_F(PlanetsGroup, ObjectOperationsRejectInvalidIndicesHiddenPlanetsAndSmallBuffers) {
  UseJupiterView(60310.0, 0.25, 8000);
  std::array<std::byte, 64> record;
  record.fill(std::byte{0xAA});
  double ra = 0.0, dec = 0.0;
  velarion::kit::TObjectRect rect;
  for (int32_t invalid : {0, 9, 14, 58, 105}) {
    EXPECT_FALSE(group->GetObjectRaDec(invalid, ra, dec)) << invalid;
    EXPECT_EQ(group->GetObjectData(invalid, record), 0) << invalid;
    EXPECT_FALSE(group->GetObjectRect(invalid, rect)) << invalid;
    EXPECT_EQ(group->GetObjectName(invalid), "") << invalid;
  }
  EXPECT_EQ(group->GetObjectData(4, std::span(record).first(60)), 0);
  EXPECT_EQ(record[0], std::byte{0xAA});
  EXPECT_EQ(group->GetObjectData(4, record), 61);
  EXPECT_EQ(record[61], std::byte{0xAA});
  group->View.objectsVisible5To14 = 0x3FF & ~32;  // Jupiter hidden
  EXPECT_EQ(group->GetObjectData(4, record), 0);
  EXPECT_EQ(group->GetObjectData(10, record), 0);  // so are its satellites
  EXPECT_FALSE(group->GetObjectRaDec(4, ra, dec));
  EXPECT_TRUE(group->GetObjectRaDec(10, ra, dec));
  velarion::kit::TZStrings lines;
  group->GetObjectStrings(4, lines);
  EXPECT_EQ(lines.Count(), 0);
  group->View.objectsVisible5To14 = 0x3FF;
  group->View.objectsVisible16 = 0;
  EXPECT_EQ(group->GetObjectData(5, record), 0);
  EXPECT_TRUE(Reported().empty());
}

TEST_F(PlanetsGroup, SatelliteEventsAgreeWithPyEphem) {
  ASSERT_EQ(events.Size(), 24u);
  for (std::size_t row = 0; row < events.Size(); ++row) {
    UseJupiterView(events.Number(row, "mjd_ut"), events.Number(row, "t_tt"), 8000);
    const auto number = static_cast<int32_t>(events.Number(row, "sat"));
    const TPlanetObject& s = Planets().ComputeSatellite(10 + number);
    EXPECT_EQ(static_cast<int>(s.event), static_cast<int>(events.Number(row, "event")))
        << "row " << row << " satellite " << number;
  }
}

TEST_F(PlanetsGroup, HiddenSatellitesAreNeverReportedAndRecordsFollowTheMoment) {
  std::size_t hidden = 0;
  for (std::size_t row = 0; row < events.Size(); ++row) {
    const auto number = static_cast<int32_t>(events.Number(row, "sat"));
    const int event = static_cast<int>(events.Number(row, "event"));
    // First a moment an hour later, so that the records hold another moment's state.
    UseJupiterView(events.Number(row, "mjd_ut") + 1.0 / 24.0, events.Number(row, "t_tt"), 8000);
    Reported();
    UseJupiterView(events.Number(row, "mjd_ut"), events.Number(row, "t_tt"), 8000);
    const std::set<int32_t> reported = Reported();
    const bool seen = event == 0 || event == 1;
    EXPECT_EQ(reported.count(10 + number), seen ? 1u : 0u) << row;
    velarion::kit::TObjectRect rect;
    EXPECT_EQ(group->GetObjectRect(10 + number, rect), seen) << row;
    hidden += seen ? 0 : 1;
    // The record holds what the theory gives for this very moment.
    double ra = 0.0, dec = 0.0, distance = 0.0, magnitude = 0.0;
    CalcJupSat(GetT(group->View.mjdDynamical), number, &ra, &dec, &distance, &magnitude);
    const TPlanetObject* s = Planets().Object(10 + number);
    EXPECT_EQ(s->raDeg, ra) << row;
    EXPECT_EQ(s->decDeg, dec) << row;
    EXPECT_EQ(s->magnitude, static_cast<int32_t>(std::nearbyint(magnitude * 100.0))) << row;
  }
  EXPECT_EQ(hidden, 12u);
}

TEST_F(PlanetsGroup, SatellitesNeedTheZoomAndTheirSetting) {
  UseJupiterView(events.Number(0, "mjd_ut"), events.Number(0, "t_tt"), 7999);
  auto satellites = [](const std::set<int32_t>& s) {
    return std::count_if(s.begin(), s.end(), [](int32_t n) { return n >= 10; });
  };
  std::set<int32_t> reported = Reported();
  EXPECT_TRUE(reported.count(4));
  EXPECT_EQ(satellites(reported), 0);
  for (int32_t index = 10; index <= 13; ++index) {
    EXPECT_EQ(Planets().Object(index)->inputs.mjdUt, 1.0e9) << "computed at 7999 %";
  }
  group->View.zoomPercent = 8000;
  reported = Reported();
  EXPECT_TRUE(reported.count(4));
  EXPECT_GE(
      std::count_if(reported.begin(), reported.end(), [](int32_t n) { return n >= 10 && n <= 13; }),
      3);
  EXPECT_EQ(Planets().Object(10)->symbolSize, 4);  // bright, more than 4 sizes offered
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Click(l, planet_options::kJupiter, false);
    return c.PressOk(l);
  }});
  ASSERT_TRUE(group->EditOptions(0));
  reported = Reported();
  EXPECT_EQ(
      std::count_if(reported.begin(), reported.end(), [](int32_t n) { return n >= 10 && n <= 13; }),
      0);
  EXPECT_GE(satellites(reported), 1);  // Saturn's and Uranus's stay when they are in view
}

TEST_F(PlanetsGroup, ADiscIsDrawnWithItsPhaseAndNotWhenItsBoxIsOffTheWindow) {
  // 100000 pixels of horizon radius: Jupiter's 20" radius is about 10 pixels.
  UseJupiterView(events.Number(0, "mjd_ut"), events.Number(0, "t_tt"), 100, 100000, 500);
  std::set<int32_t> reported = Reported();
  ASSERT_TRUE(reported.count(4));
  const TPlanetObject* jupiter = Planets().Object(4);
  ASSERT_FALSE(jupiter->disc.Empty());
  const int32_t rpx = static_cast<int32_t>(
      std::nearbyint(std::sin(veltest::Rad(jupiter->diameterDeg / 2.0)) * 100000));
  EXPECT_NEAR(jupiter->rect.right - jupiter->rect.left, 2 * rpx, 2);
  // At the zenith to the parallax and the nutation left out of the sidereal time.
  EXPECT_NEAR((jupiter->rect.left + jupiter->rect.right) / 2, 500, 20);
  velplatform::TRecordingDevice device(1000, 1000);
  group->DrawDevice = velplatform::HandleOf(device);
  group->DrawObjects(
      [it = reported.begin(), end = reported.end()]() mutable { return it == end ? -1 : *it++; });
  const std::string litPen = "pen " + std::to_string(group->View.colours[5]) + " 1 solid";
  const auto& log = device.Log();
  EXPECT_NE(std::find(log.begin(), log.end(), litPen), log.end());
  EXPECT_TRUE(std::any_of(log.begin(), log.end(),
                          [](const std::string& s) { return s.starts_with("polygon "); }));

  // The same disc with the visible window elsewhere: nothing built, nothing shown.
  group->RaDecWindow = {std::fmod(jupiter->topoRaDeg + 90.0, 360.0),
                        std::fmod(jupiter->topoRaDeg + 100.0, 360.0), -90.0, 90.0};
  reported = Reported();
  EXPECT_FALSE(reported.count(4));
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(group->GetObjectRect(4, rect));
  device.ClearLog();
  group->DrawObjects([n = 4]() mutable { return std::exchange(n, -1); });
  EXPECT_TRUE(device.Log().empty() ||
              std::none_of(device.Log().begin(), device.Log().end(),
                           [](const std::string& s) { return s.starts_with("polygon "); }));
}

TEST_F(PlanetsGroup, SaturnsRingsWidenItsRectangleAndLeaveItsCentreFree) {
  velarion::kit::TViewParameters probe;
  probe.mjdUt = 60600.0;  // 2024 October: B about 4 degrees
  probe.mjdDynamical = probe.mjdUt + 69.0 / 86400.0;
  UseView(probe);
  const TPlanetObject saturn = Planets().ComputePlanet(5, true, true);
  UseView(ZenithView(probe.mjdUt, 69.0 / 86400.0, saturn.raDeg, saturn.decDeg), 2000000, false,
          500);
  ASSERT_TRUE(Reported().count(5));
  const TRingOutline& rings = Planets().RingOutline();
  ASSERT_TRUE(rings.Present());
  const TPlanetObject* s = Planets().Object(5);
  const double discWidth = s->disc.rect.right - s->disc.rect.left;
  // Outer edge over Saturn's radius: 9.1265e-4 AU over 164.51" / 2 at 1 AU.
  const double ratio = std::atan(9.1265e-4) / veltest::Rad(164.51 / 2.0 / 3600.0);
  EXPECT_NEAR((s->rect.right - s->rect.left) / discWidth, ratio, 0.03);
  const velplatform::TPoint centre{(s->disc.rect.left + s->disc.rect.right) / 2,
                                   (s->disc.rect.top + s->disc.rect.bottom) / 2};
  EXPECT_FALSE(rings.area.Contains(centre));
  EXPECT_FALSE(rings.cassini.empty());
  for (velplatform::TPoint p : rings.cassini) EXPECT_TRUE(rings.area.Contains(p));
  // Drawn: the disc, the ring area in the solar-system colour, the Cassini division solid
  // and the Encke division dotted in the unlit colour, the frame in the star colour.
  velplatform::TRecordingDevice device(1000, 1000);
  group->DrawDevice = velplatform::HandleOf(device);
  group->DrawObjects([n = 5]() mutable { return std::exchange(n, -1); });
  const auto& log = device.Log();
  auto count = [&log](const std::string& prefix, const std::string& suffix) {
    return std::count_if(log.begin(), log.end(), [&](const std::string& l) {
      return l.starts_with(prefix) && l.ends_with(suffix);
    });
  };
  const std::string solar = std::to_string(group->View.colours[kit::kSolarSystemColour]);
  const std::string unlit = std::to_string(group->View.colours[kit::kUnlitPartColour]);
  const std::string star = std::to_string(group->View.colours[5]);
  EXPECT_GT(count("fillrect ", " " + solar), 10);
  EXPECT_GT(count("fillrect ", " " + star), 10);
  EXPECT_GT(s->cosPhase, kFullPhase);  // nearly full: no unlit part, so this pen is Cassini's
  EXPECT_EQ(count("pen " + unlit + " 1 solid", ""), 1);
  EXPECT_EQ(count("pen " + unlit + " 1 dot", ""), 1);
  EXPECT_EQ(count("polyline ", ""), 2);

  // Edge on, the rings have no area.
  TRingGeometry edgeOn = Planets().Rings();
  edgeOn.tiltFromEarthDeg = 0.0;
  const TRingView view{
      group->View.centreX, group->View.centreY, group->View.radius, {0, 0, 1000, 1000}};
  EXPECT_FALSE(BuildRingOutline(s->topoRaDeg, s->topoDecDeg, s->distanceAu, s->diameterDeg / 2.0,
                                edgeOn, view)
                   .Present());
}

TEST_F(PlanetsGroup, CommonRecordFlagsAndNames) {
  UseJupiterView(events.Number(0, "mjd_ut"), events.Number(0, "t_tt"), 8000);
  const struct {
    int32_t index;
    int32_t flags;
  } cases[] = {{1, 0x1E5}, {2, 0x1E5},  {3, 0x1E5},  {4, 0x165},
               {8, 0x165}, {10, 0x125}, {104, 0x125}};
  for (const auto& c : cases) {
    velarion::kit::TCommonObject record;
    ASSERT_TRUE(group->GetFObjectData(c.index, record));
    EXPECT_EQ(record.flags, c.flags) << c.index;
    EXPECT_EQ(record.name, Planets().Object(c.index)->name);
    EXPECT_GT(record.distanceAu, 0.0F);
  }
  velarion::kit::TCommonObject jupiter;
  group->GetFObjectData(4, jupiter);
  EXPECT_NEAR(jupiter.sizeDeg, 197.18 / jupiter.distanceAu / 3600.0, 1e-6);
  Planets().ComputePlanet(4, true, true);
  const int32_t m = Planets().Object(4)->magnitude;
  EXPECT_LT(m, -150);  // Jupiter is always brighter than -1.5
  EXPECT_EQ(group->GetObjectName(4),
            "\x01" + Cp1251("Юпитер") + " (" + ShownNumber(m / 100.0, 2) + "\x03m\x04)");
}

TEST_F(PlanetsGroup, InformationLinesOfPlanetsAndSatellites) {
  UseJupiterView(events.Number(0, "mjd_ut"), events.Number(0, "t_tt"), 8000);
  velarion::kit::TZStrings lines;
  group->GetObjectStrings(4, lines);
  const std::vector<std::string> j = lines.Entries();
  ASSERT_EQ(j.size(), 12u);
  EXPECT_EQ(j[0], "\x01" + Cp1251("Юпитер"));
  EXPECT_EQ(j[1], "\x01" + Cp1251("Экват. координаты (на текущую эпоху):"));
  EXPECT_TRUE(j[2].starts_with("\x01" + Cp1251("Геоцентр.: ")));
  EXPECT_TRUE(j[4].starts_with("\x01r=") && j[4].ends_with(Cp1251(" а.е.")));
  EXPECT_NE(j[5].find(Cp1251(";   Угловой размер: ")), std::string::npos);
  EXPECT_EQ(j[5].find(Cp1251("Фаза")), std::string::npos);
  EXPECT_EQ(j[6], "");
  EXPECT_TRUE(j[7].starts_with(Cp1251("Спутники Юпитера:")));
  EXPECT_TRUE(j[8].starts_with(Cp1251("Ио: PA = ")));
  EXPECT_TRUE(j[11].starts_with(Cp1251("Каллисто: PA = ")));
  lines.Clear();
  group->GetObjectStrings(2, lines);
  ASSERT_EQ(lines.Count(), 6);
  EXPECT_NE(lines.Entries()[5].find("\x01;  " + Cp1251("Фаза: ")), std::string::npos);
  lines.Clear();
  group->GetObjectStrings(5, lines);
  const std::vector<std::string> s = lines.Entries();
  ASSERT_EQ(s.size(), 6u + 5u + 2u + 8u);
  EXPECT_EQ(s[7], Cp1251("Кольца Сатурна:"));
  EXPECT_TRUE(s[8].starts_with(Cp1251("Угол наклона с Земли:  ")));
  EXPECT_TRUE(s[10].starts_with(Cp1251("Видимые размеры: ")));
  lines.Clear();
  group->GetObjectStrings(55, lines);
  ASSERT_EQ(lines.Count(), 7);
  EXPECT_EQ(lines.Entries()[1], "\x01" + Cp1251("(Спутник Сатурна)"));
}

TEST_F(PlanetsGroup, TheSearchListsThePlanetsInOrderAndFindsTheChosenOne) {
  UseJupiterView(events.Number(0, "mjd_ut"), events.Number(0, "t_tt"), 8000);
  std::vector<std::string> listed;
  using velarion::catalogues::TFindForm;
  veltest::TFakeDialogs dialogs({[&](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
                                   for (int32_t i = 0; i < c.ItemCount(TFindForm::kNamesList);
                                        ++i) {
                                     listed.push_back(c.Item(TFindForm::kNamesList, i));
                                   }
                                   c.Type(l, TFindForm::kNameEdit, Cp1251("  сАт"));
                                   return c.PressOk(l);
                                 },
                                 [](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
                                   c.Type(l, TFindForm::kNameEdit, "xyz");
                                   return c.PressOk(l);
                                 }});
  EXPECT_EQ(group->SelectObjectForSearch(0), 5);
  const std::vector<std::string> planets = {"Меркурий", "Венера", "Марс",   "Юпитер",
                                            "Сатурн",   "Уран",   "Нептун", "Плутон"};
  ASSERT_EQ(listed.size(), planets.size());
  for (std::size_t i = 0; i < planets.size(); ++i) EXPECT_EQ(listed[i], Cp1251(planets[i]));
  EXPECT_EQ(dialogs.Shown()[0].caption, Cp1251("Поиск планеты"));
  EXPECT_EQ(Planets().Object(5)->inputs.mjdUt, group->View.mjdUt);  // computed for the view
  EXPECT_EQ(group->SelectObjectForSearch(0), -1);
}

}  // namespace

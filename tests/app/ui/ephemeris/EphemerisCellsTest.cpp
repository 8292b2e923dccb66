// The cells of the ephemeris tables and the widths of their columns.
#include "EphemerisCells.h"

#include "Cp1251.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velarion::ephemeris {
namespace {

using velplatform::Cp1251;

TRowValues RecordRow(int32_t flags) {
  TRowValues row;
  row.record.flags = flags;
  return row;
}

std::string Cell(TEphemColumn column, const TRowValues& row, TColumnChoice choice = {}) {
  return CellText(column, choice, {}, row);
}

TEST(EphemerisCells, SizesInDegreesMinutesOrSeconds) {
  struct TCase {
    float sizeDeg;
    const char* cell;
  };
  for (const TCase& c : {TCase{2.5F, "2.500°"}, TCase{0.75F, "45.00'"}, TCase{0.05F, "  180\""},
                         TCase{0.1F, " 6.00'"}, TCase{1.0F, "1.000°"}}) {
    TRowValues row = RecordRow(kit::kObjectSize);
    row.record.sizeDeg = c.sizeDeg;
    EXPECT_EQ(Cell(TEphemColumn::kSize, row), Cp1251(c.cell)) << c.sizeDeg;
  }
  EXPECT_EQ(Cell(TEphemColumn::kSize, RecordRow(0)), "");
}

TEST(EphemerisCells, DistancesInKilometresNearTheEarth) {
  TRowValues row = RecordRow(kit::kObjectDistance);
  row.record.distanceAu = 0.0025F;  // 373 995 km
  EXPECT_EQ(Cell(TEphemColumn::kDistance, row), Cp1251("   373995 км"));
  row.record.distanceAu = 1.5237F;
  EXPECT_EQ(Cell(TEphemColumn::kDistance, row), Cp1251(" 1.5237 а.е."));
}

TEST(EphemerisCells, MagnitudeVisualFirstAndPhase) {
  TRowValues row = RecordRow(kit::kObjectPhotographicMagnitude | kit::kObjectPhase);
  row.record.photographicMagnitude = 12.3F;
  row.record.phase = 0.5F;
  EXPECT_EQ(Cell(TEphemColumn::kMagnitude, row), " 12.30");
  row.record.flags |= kit::kObjectVisualMagnitude;
  row.record.visualMagnitude = -1.46F;
  EXPECT_EQ(Cell(TEphemColumn::kMagnitude, row), " -1.46");
  EXPECT_EQ(Cell(TEphemColumn::kPhase, row), "0.50");
}

TEST(EphemerisCells, DatesWithTimeAndEra) {
  const double noon = MJD(5, 3, 2025, 13.5);
  EXPECT_EQ(LocalDateText(noon, true), "13 30 00  05.03.2025");
  EXPECT_EQ(LocalDateText(MJD(1, 1, -99, 0.0), false), Cp1251("01.01.100 до н.э."));
  // 23:59:59.7 is shown as the next day's midnight, not as 24 00 00 of the day before.
  EXPECT_EQ(LocalDateText(MJD(31, 12, 1999, 24.0 - 0.3 / 3600.0), true), "00 00 00  01.01.2000");
  EXPECT_EQ(HeadingDateText(MJD(1, 3, 2025, 8.0 + 5.0 / 60.0)), Cp1251("1.3.2025 08ч 05м 00с"));
}

TEST(EphemerisCells, EquatorialPlacesInEachPrecision) {
  TRowValues row;
  row.ofDate = TApparentPlace{15.0 * (5.0 + 3.0 / 60.0 + 7.256 / 3600.0),
                              -(7.0 + 4.0 / 60.0 + 5.26 / 3600.0)};
  TColumnChoice choice;
  choice.hourAngle = false;
  const std::vector<const char*> expected = {" 05 03.1 -07 04", " 05 03 07 -07 04.1",
                                             " 05 03 07.3 -07 04 05", " 05 03 07.26 -07 04 05.3"};
  for (int32_t p = 0; p < kEquatorialPrecisions; ++p) {
    choice.equatorialPrecision = p;
    EXPECT_EQ(Cell(TEphemColumn::kEquatorialOfDate, row, choice), expected[p]) << p;
  }
  // The hour angle: 15 × sidereal time − RA, in 0 … 24 hours.
  choice.hourAngle = true;
  choice.equatorialPrecision = 1;
  row.apparentSiderealHours = 2.0;
  EXPECT_EQ(Cell(TEphemColumn::kEquatorialOfDate, row, choice), " 20 56 53 -07 04.1");
}

TEST(EphemerisCells, HorizontalPlaceAndRiseSet) {
  TRowValues row;
  row.horizontal = sky::THorizontal{5.1234, -3.25};
  EXPECT_EQ(Cell(TEphemColumn::kHorizontal, row), " 005.123 -03.250");
  row.horizontal = sky::THorizontal{245.5, 47.0};
  EXPECT_EQ(Cell(TEphemColumn::kHorizontal, row), " 245.500 +47.000");

  TRiseSetCell riseSet;
  riseSet.times = {6.5, 25.0, 12.25, 0.25, solar::kRisesToday};  // sets after midnight
  riseSet.riseAzimuthDeg = 71.6;
  riseSet.culminationAltitudeDeg = 34.56;
  row.riseSet = riseSet;
  EXPECT_EQ(Cell(TEphemColumn::kRiseSet, row), " 06 30    -   ");
  EXPECT_EQ(Cell(TEphemColumn::kRiseSetAzimuths, row), " 072   - ");
  EXPECT_EQ(Cell(TEphemColumn::kCulmination, row), " 12 15  +34.6");
  row.riseSet->times.status = solar::kNeverSets;
  EXPECT_EQ(Cell(TEphemColumn::kRiseSet, row), Cp1251(" Не заходит"));
  EXPECT_EQ(Cell(TEphemColumn::kRiseSetAzimuths, row), Cp1251(" Не заходит"));
  row.riseSet->times.status = solar::kNeverRises;
  EXPECT_EQ(Cell(TEphemColumn::kRiseSet, row), Cp1251(" Не восходит"));
}

TEST(EphemerisColumns, WidthsHeadersAndUnits) {
  TColumnChoice choice;
  for (TEphemColumn c : {TEphemColumn::kDate, TEphemColumn::kJulianDate,
                         TEphemColumn::kEquatorialOfCatalogue, TEphemColumn::kDistance}) {
    choice.Show(c);
  }
  choice.cataloguePrecision = 3;
  const auto columns = LayOutColumns(choice, TTableKind::kPeriod, {true, true});
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[0].width, 11 + 7);  // whole days, the era's length added
  EXPECT_EQ(columns[0].units, "");
  EXPECT_EQ(columns[1].width, 14);
  EXPECT_EQ(columns[2].units, Cp1251("   ч  м  с      °  '  \" "));
  EXPECT_EQ(columns[2].width, 24);
  EXPECT_EQ(columns[3].width, 12);
  // A group table names its objects and leaves the moment's columns to its heading lines;
  // names of 40 characters and more do not widen the name column.
  const std::vector<std::string> names = {"Sirius", std::string(45, 'x'), "Betelgeuse"};
  const auto group = LayOutColumns(choice, TTableKind::kGroup, {}, names);
  ASSERT_EQ(group.size(), 3u);
  EXPECT_EQ(group[0].kind, TEphemColumn::kName);
  EXPECT_EQ(group[0].width, 13);  // 1 + "Наименование"
  EXPECT_EQ(EquatorialPrecisionNames()[1], Cp1251("##ч ##м ##c   +##° ##.#'"));
}

}  // namespace
}  // namespace velarion::ephemeris

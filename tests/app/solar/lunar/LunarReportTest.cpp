// The copied texts of the phases and eclipse windows: date spans that keep each field
// whole, times that never read 24 hours, the zone and ΔT, the visibility message and the
// rows each eclipse type has.
#include "Cp1251.h"
#include "EclipseReport.h"
#include "PhasesReport.h"
#include "ReportPieces.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace velarion::lunar;
using velarion::sky::TLanguage;
using velplatform::Cp1251;

constexpr TLanguage kRu = TLanguage::kRussian;

double Moment(int day, int month, int year, double hour) { return MJD(day, month, year, hour); }

TEST(LunarReport, DateSpansCutOnlyBetweenWholeFields) {
  struct TCase {
    double first, second;
    const char* expected;
  };
  const TCase cases[] = {
      {Moment(15, 6, 2011, 18.0), Moment(16, 6, 2011, 1.0), "15 - 16 июн 2011 н.э."},
      {Moment(16, 6, 2011, 18.0), Moment(16, 6, 2011, 22.0), "16 июн 2011 н.э."},
      // Per character "11" and "21" share their last digit.
      {Moment(11, 3, 2011, 23.0), Moment(21, 3, 2011, 1.0), "11 - 21 мар 2011 н.э."},
      {Moment(31, 5, 2011, 23.0), Moment(1, 6, 2011, 1.0), "31 май - 1 июн 2011 н.э."},
      // "до н.э." and "н.э." share " н.э.", which must not be cut from "до".
      {Moment(31, 12, 0, 23.0), Moment(1, 1, 1, 1.0), "31 дек 1 до н.э. - 1 янв 1 н.э."},
      {Moment(2, 3, -99, 23.0), Moment(3, 3, -99, 1.0), "2 - 3 мар 100 до н.э."},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(DateSpanText(c.first, c.second, kRu), Cp1251(c.expected)) << c.expected;
  }
}

TEST(LunarReport, TimesNearMidnightRollIntoTheNextDay) {
  const double late = Moment(15, 6, 2011, 23.0 + 59.0 / 60.0 + 57.0 / 3600.0);
  EXPECT_EQ(TimeOfDayText(late, kRu), Cp1251("0ч 0.0м"));
  EXPECT_EQ(DateSpanText(RoundedToTenthMinute(late), RoundedToTenthMinute(late), kRu),
            Cp1251("16 июн 2011 н.э."));
  EXPECT_EQ(TimeOfDayText(Moment(15, 6, 2011, 21.0 + 3.4 / 60.0), kRu), Cp1251("21ч 3.4м"));
}

TEST(LunarReport, ZoneAndDeltaT) {
  EXPECT_EQ(ZoneText(-5.0), "- 5.0");
  EXPECT_EQ(ZoneText(0.0), "+ 0.0");
  EXPECT_EQ(ZoneText(3.0), "+ 3.0");
  EXPECT_EQ(DeltaTText(69.2 / 86400.0), "+69.2");
  EXPECT_EQ(DeltaTText(-3.0 / 86400.0), "-3.0");
}

TEST(LunarReport, VisibilityMessageNamesThePartThatIsSeen) {
  using enum TContact;
  const auto only = [](std::initializer_list<TContact> seen) {
    std::array<bool, kContactCount> v{};
    for (const TContact c : seen) v[static_cast<int>(c)] = true;
    return v;
  };
  EXPECT_EQ(VisibilityMessage(TEclipseType::kTotal, only({kGreatest})), std::nullopt);
  EXPECT_EQ(VisibilityMessage(TEclipseType::kTotal, only({})), TLunarText::kNotVisible);
  EXPECT_EQ(VisibilityMessage(TEclipseType::kPenumbral, only({kP4})),
            TLunarText::kSeenPenumbralEnds);
  EXPECT_EQ(VisibilityMessage(TEclipseType::kTotal, only({kP1, kU1, kU2})),
            TLunarText::kSeenTotalBegins);
  EXPECT_EQ(VisibilityMessage(TEclipseType::kPartial, only({kU4, kP4})),
            TLunarText::kSeenPartialEnds);
}

std::size_t CountStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  return std::count_if(lines.begin(), lines.end(),
                       [&start](const std::string& l) { return l.starts_with(start); });
}

TEST(LunarReport, TotalAndPenumbralEclipsesWithTheirRows) {
  // 2022 November 8 (total) seen from Cape Town by day, then 2023 May 5 (penumbral).
  TMoonEclipse search(TDeltaTRule::Fixed(69.2 / 86400.0));
  ASSERT_TRUE(search.Find(59890.0, TSearchDirection::kForward));
  std::vector<std::string> lines =
      EclipseReportLines(*search.Eclipse(), search.Visibility(-33.92, 18.42), 2.0, kRu);
  EXPECT_EQ(lines[0], Cp1251("Полное лунное затмение"));
  EXPECT_EQ(lines[1], Cp1251("8 ноя 2022 н.э."));
  EXPECT_EQ(lines[5], Cp1251("Обстоятельства (Время = UT + 2.0ч):"));
  EXPECT_EQ(lines[7], Cp1251("Из текущей точки не видно."));
  EXPECT_EQ(CountStartingWith(lines, Cp1251("Начало ")), 3u + 2u);  // times, angles
  EXPECT_EQ(lines.back(), Cp1251("ET-UT = +69.2с"));
  // Greatest eclipse 10:59 UT: 12:59 in the zone.
  EXPECT_EQ(CountStartingWith(lines, Cp1251("Максимальная фаза: 12ч 59.")), 1u);

  ASSERT_TRUE(search.Step(TSearchDirection::kForward));
  lines = EclipseReportLines(*search.Eclipse(), search.Visibility(21.3, -157.9), -10.0, kRu);
  EXPECT_EQ(lines[0], Cp1251("Полутеневое лунное затмение"));
  EXPECT_EQ(CountStartingWith(lines, Cp1251("Начало ")), 2u);
  EXPECT_EQ(CountStartingWith(lines, Cp1251("Конец ")), 2u);
}

TEST(LunarReport, PhasesWithTheFootnoteOfTheirZoneAndDeltaT) {
  const std::optional<TLunation> lunation = LunationAround(59892.5);
  ASSERT_TRUE(lunation);
  const std::vector<std::string> lines =
      PhasesReportLines(*lunation, TDeltaTRule::Fixed(70.0 / 86400.0), -5.0, kRu);
  ASSERT_EQ(lines.size(), 6u);
  // Full moon 2022 November 8, 11:02 UT: 6:02 at zone -5.
  EXPECT_TRUE(lines[2].starts_with(Cp1251("Полнолуние: 8 ноя 2022 н.э. 6ч 2м"))) << lines[2];
  EXPECT_EQ(lines[4], "");
  EXPECT_EQ(lines[5], Cp1251("(Время = UT - 5.0ч,  ET-UT = +70.0с)"));
}

}  // namespace

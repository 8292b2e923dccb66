// The two tables over a sky image and a group that records the moments it is refreshed
// for: the rows a period gives, the date column, the view's moment brought back, the
// list entries.
#include "EphemerisTables.h"

#include "Cp1251.h"
#include "SkyImage.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velarion::ephemeris {
namespace {

using velplatform::Cp1251;

// A fixed object whose right ascension is the day count of the last moment it was
// refreshed for, so that a row shows whether its group was refreshed for it.
class TRecordingGroup final : public groups::TSkyObjectGroup {
 public:
  TRecordingGroup(int32_t count, std::string objectName) : count_(count), name_(objectName) {
    Code = "TEST";
    Name = Cp1251("Тест");
  }
  const std::vector<double>& Refreshed() const { return refreshed_; }

  void RefreshParam(std::span<const std::byte> record) override {
    refreshed_.push_back(kit::ReadRefreshParam(record).mjdUt);
  }
  bool GetFObjectData(int32_t, std::span<std::byte> buffer) override {
    kit::TCommonObject o;
    o.flags = kit::kObjectPositionFixed | (name_.empty() ? 0 : kit::kObjectName);
    o.name = name_;
    o.raOfDate = refreshed_.empty() ? 0.0 : refreshed_.back() - 60000.0;
    o.decOfDate = 10.0;
    kit::WriteCommonObjectMagic(buffer);
    kit::WriteCommonObject(o, buffer);
    return true;
  }
  int32_t GetObjectCount() override { return count_; }
  std::string GetSearchCaption() override { return {}; }
  std::string GetActionCaption() override { return {}; }
  groups::TGroupInfo GetGroupInfo() override { return {}; }
  bool InitResources(groups::TWindowHandle) override { return true; }
  void FreeResources(groups::TWindowHandle) override {}
  void CalculateObjects(uint8_t, const groups::TObjectRect&, const groups::TRaDecWindow&) override {
  }
  void DrawObjects(groups::TDeviceHandle, const groups::TObjectRect&) override {}
  void DrawObject(int32_t, groups::TDeviceHandle, const groups::TObjectRect&) override {}
  bool GetObjectRect(int32_t, groups::TObjectRect&) override { return false; }
  bool GetObjectRaDec(int32_t, double&, double&) override { return false; }
  bool GetObjectXY(int32_t, int32_t&, int32_t&) override { return false; }
  int32_t GetObjectData(int32_t, std::span<std::byte>) override { return 0; }
  groups::TTextList GetObjectStrings(int32_t) override { return {}; }
  std::string GetObjectName(int32_t) override { return name_; }
  groups::TTextList GetInfoItems() override { return {}; }
  bool AdvancedInfo(groups::TWindowHandle, int32_t, int32_t) override { return false; }
  bool SelectObjectForSearch(groups::TWindowHandle, groups::TSearchHit&) override { return false; }
  bool EditOptions(groups::TWindowHandle) override { return false; }
  bool AdvancedAction(groups::TWindowHandle) override { return false; }

 private:
  int32_t count_;
  std::string name_;
  std::vector<double> refreshed_;
};

class EphemerisTablesTest : public ::testing::Test {
 protected:
  EphemerisTablesTest() {
    image_.SetTimeZoneAutomatic(false);
    image_.SetTimeZone(3.0);
    image_.SetMjd(kViewMjd);
  }

  TEphemerisTables Tables(velplatform::TProgressReport progress = {}) {
    return TEphemerisTables(
        image_, [this] { ++recalculations_; },
        [this](std::string_view line) { lines_.emplace_back(line); }, std::move(progress));
  }

  // The lines after the units line.
  std::vector<std::string> Rows() const {
    std::vector<std::string> rows;
    int hyphenLines = 0;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      if (lines_[i].starts_with("---") && ++hyphenLines == 2) {
        rows.assign(lines_.begin() + static_cast<std::ptrdiff_t>(i) + 2, lines_.end());
      }
    }
    return rows;
  }

  static constexpr double kViewMjd = 60000.25;
  sky::TSkyImage image_;
  TRecordingGroup group_{5, "Star"};
  std::vector<std::string> lines_;
  int recalculations_ = 0;
};

TColumnChoice Columns(std::initializer_list<TEphemColumn> columns) {
  TColumnChoice choice;
  for (TEphemColumn c : columns) choice.Show(c);
  return choice;
}

TEST_F(EphemerisTablesTest, ThreeWholeDaysGiveThreeRowsWithoutTime) {
  const TPeriod period{MJD(1, 1, 2000, 0.0), MJD(3, 1, 2000, 0.0), 1.0};
  const auto outcome =
      Tables().WritePeriodTable({&group_, 0}, period, Columns({TEphemColumn::kDate}));
  EXPECT_EQ(outcome, TTableOutcome::kWritten);
  ASSERT_GE(lines_.size(), 2u);
  EXPECT_EQ(lines_[0], "");
  EXPECT_EQ(lines_[1], "Star");
  EXPECT_EQ(lines_[2], std::string(12, '-'));  // a date column 11 wide
  EXPECT_EQ(Rows(), (std::vector<std::string>{"01.01.2000 |", "02.01.2000 |", "03.01.2000 |"}));
  // The view was at each row's local moment less the zone, the group refreshed for it.
  const std::vector<double>& refreshed = group_.Refreshed();
  ASSERT_EQ(refreshed.size(), 3u);
  EXPECT_DOUBLE_EQ(refreshed[2], MJD(3, 1, 2000, 0.0) - 3.0 / 24.0);
  EXPECT_DOUBLE_EQ(image_.Mjd(), kViewMjd);
  EXPECT_EQ(recalculations_, 1);  // the view's own moment, recalculated at the end
}

TEST_F(EphemerisTablesTest, ATableBeforeOurEraWidensItsDates) {
  const double start = MJD(1, 1, -99, 12.0);
  Tables().WritePeriodTable({&group_, 0}, {start, start + 1.0, 1.0},
                            Columns({TEphemColumn::kDate}));
  const std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  // 21 wide, and the length of "до н.э." more.
  EXPECT_EQ(rows[0], Cp1251("12 00 00  01.01.100 до н.э. |"));
  EXPECT_EQ(rows[0].size(), 21u + 7u + 1u);
}

TEST_F(EphemerisTablesTest, NoonBefore1858KeepsItsTime) {
  // MJD -100000.5 is a noon; its day fraction is 0.5, not -0.5.
  Tables().WritePeriodTable({&group_, 0}, {-100000.5, -99999.5, 1.0},
                            Columns({TEphemColumn::kDate}));
  const std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_TRUE(rows[0].starts_with("12 00 00  ")) << rows[0];
}

TEST_F(EphemerisTablesTest, ATinyStepStillAdvancesAtALargeMoment) {
  // A tenth of a nanoday is below the resolution of an MJD near 3 million: adding it to the
  // moment would leave the moment where it is, and the table would never end.
  const double start = 2973000.0;
  const TPeriod period{start, start, 1e-10};
  const auto outcome =
      Tables().WritePeriodTable({&group_, 0}, period, Columns({TEphemColumn::kModifiedJulianDate}));
  EXPECT_EQ(outcome, TTableOutcome::kWritten);
  // Some ten thousand rows within the microday the end allows.
  const std::vector<double>& refreshed = group_.Refreshed();
  ASSERT_EQ(static_cast<int64_t>(refreshed.size()), RowCount(period));
  ASSERT_GT(refreshed.size(), 9000u);
  EXPECT_GT(refreshed.back(), refreshed.front());
}

TEST_F(EphemerisTablesTest, TooManyRowsAreRefusedBeforeAnythingIsWritten) {
  const auto outcome = Tables().WritePeriodTable({&group_, 0}, {60000.0, 60100.0, 1e-4},
                                                 Columns({TEphemColumn::kDate}));
  EXPECT_EQ(outcome, TTableOutcome::kTooManyRows);
  EXPECT_TRUE(lines_.empty());
  EXPECT_TRUE(group_.Refreshed().empty());
}

TEST_F(EphemerisTablesTest, CancellingBringsTheViewsMomentBack) {
  std::vector<int32_t> reported;
  auto tables = Tables([&reported](int32_t percent) {
    reported.push_back(percent);
    return reported.size() < 2;
  });
  const auto outcome = tables.WritePeriodTable({&group_, 0}, {60000.0, 60010.0, 1.0},
                                               Columns({TEphemColumn::kDate}));
  EXPECT_EQ(outcome, TTableOutcome::kCancelled);
  EXPECT_EQ(reported, (std::vector<int32_t>{0, 10}));
  EXPECT_EQ(Rows().size(), 2u);
  EXPECT_DOUBLE_EQ(image_.Mjd(), kViewMjd);
  EXPECT_EQ(recalculations_, 1);
}

TEST_F(EphemerisTablesTest, EachRowShowsTheRecordOfItsOwnMoment) {
  TColumnChoice choice = Columns({TEphemColumn::kEquatorialOfDate});
  choice.hourAngle = false;
  Tables().WritePeriodTable({&group_, 0}, {60100.125, 60101.125, 1.0}, choice);
  const std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  // RA of date 100° and 101° (the refreshed day count): their apparent places 4 minutes of
  // time apart; a row read before its group was refreshed would repeat the start's place.
  EXPECT_TRUE(rows[0].starts_with(" 06 4")) << rows[0];
  EXPECT_TRUE(rows[1].starts_with(" 06 4")) << rows[1];
  EXPECT_NE(rows[0], rows[1]);
}

TEST_F(EphemerisTablesTest, TheGroupTableHeadsItselfWithTheMoment) {
  TRecordingGroup unnamed(1, "");
  const std::vector<sky::TSelectedObject> objects = {{&group_, 0}, {&unnamed, 0}};
  const auto outcome = Tables().WriteGroupTable(
      objects, Columns({TEphemColumn::kDate, TEphemColumn::kJulianDate, TEphemColumn::kMagnitude}));
  EXPECT_EQ(outcome, TTableOutcome::kWritten);
  ASSERT_GE(lines_.size(), 2u);
  // 60000.25 UT is 25 February 2023, 6 h; 9 h in zone 3.
  EXPECT_EQ(lines_[0], Cp1251("Дата: 25.2.2023 09ч 00м 00с"));
  EXPECT_EQ(lines_[1], "JD: 2460000.75000");
  const std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0], Cp1251("Star         |       |"));
  EXPECT_EQ(rows[1], Cp1251("Тест         |       |"));
}

TEST(TableObjectCaption, NameElseGroupNameElseObjectOfTheGroup) {
  TRecordingGroup single(1, "");
  TRecordingGroup several(3, "");
  kit::TCommonObject named;
  named.flags = kit::kObjectName;
  named.name = "Vega";
  EXPECT_EQ(TableObjectCaption(named, several), "Vega");
  EXPECT_EQ(TableObjectCaption(kit::TCommonObject{}, single), Cp1251("Тест"));
  EXPECT_EQ(TableObjectCaption(std::nullopt, several), Cp1251("Объект группы \"Тест\""));
}

}  // namespace
}  // namespace velarion::ephemeris

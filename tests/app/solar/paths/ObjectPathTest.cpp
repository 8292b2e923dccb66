// The path group on the sky image: its identity and name, the polylines it draws (true to
// the object, broken at gaps and at the horizon), its marks and labels, and a path that
// has nothing to draw.
#include "ObjectPath.h"

#include "Cp1251.h"
#include "ObjectPathList.h"
#include "PathTestSupport.h"
#include "ProjectionExports.h"
#include "RecordingDevice.h"
#include "SkyImage.h"
#include "SkyImageExports.h"
#include "StdGroup.h"
#include "velastro.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

using namespace velarion::paths;
using velplatform::Cp1251;
using velplatform::TPoint;

// A group of one object with a name, and a common record when asked to give one.
class TNamedObject : public velarion::kit::TObjectGroup {
 public:
  TNamedObject(std::string name, std::string recordName)
      : name_(std::move(name)), recordName_(std::move(recordName)) {}
  void Init() override {
    Code = "NAMED";
    ObjectCount = 1;
  }
  std::string GetObjectName(int32_t index) override { return index == 1 ? name_ : ""; }
  bool GetFObjectData(int32_t index, velarion::kit::TCommonObject& record) override {
    if (index != 1 || recordName_.empty()) return false;
    record.flags = velarion::kit::kObjectName;
    record.name = recordName_;
    return true;
  }

 private:
  std::string name_;
  std::string recordName_;
};

std::unique_ptr<velarion::groups::TStdGroup> NamedSource(const char* nameUtf8,
                                                         const char* recordNameUtf8 = "") {
  return std::make_unique<velarion::groups::TStdGroup>(
      velarion::kit::MakeGroup<TNamedObject>(Cp1251(nameUtf8), Cp1251(recordNameUtf8)));
}

constexpr double kDayT = 1.0 / velcommon::kDaysPerCentury;
const double kStartT = GetT(MJD(1, 1, 2000, 0.0));  // the view's moment; time zone 0

// The longest step between neighbouring points of a polyline, pixels.
double LongestStep(const std::vector<TPoint>& run) {
  double longest = 0.0;
  for (std::size_t i = 1; i < run.size(); ++i) {
    longest = std::max(longest, std::hypot(run[i].x - run[i - 1].x, run[i].y - run[i - 1].y));
  }
  return longest;
}

struct TDrawn {
  std::vector<std::vector<TPoint>> runs;
  std::vector<TPoint> markCentres;
  std::vector<std::string> texts;
};

TDrawn Parse(const std::vector<std::string>& log) {
  TDrawn drawn;
  for (const std::string& line : log) {
    if (line.starts_with("polypolyline")) {
      std::istringstream counts(line.substr(12, line.find(':') - 12));
      std::istringstream points(line.substr(line.find(':') + 1));
      for (int32_t n = 0; counts >> n;) {
        std::vector<TPoint>& run = drawn.runs.emplace_back();
        char comma = 0;
        for (TPoint p; n-- > 0 && points >> p.x >> comma >> p.y;) run.push_back(p);
      }
    } else if (line.starts_with("ellipse ")) {
      int l = 0, t = 0, r = 0, b = 0;
      std::sscanf(line.c_str(), "ellipse %d,%d,%d,%d", &l, &t, &r, &b);
      drawn.markCentres.push_back({(l + r - 1) / 2, (t + b - 1) / 2});
    } else if (line.starts_with("text ")) {
      const std::size_t open = line.find('\'');
      drawn.texts.push_back(line.substr(open + 1, line.rfind('\'') - open - 1));
    }
  }
  return drawn;
}

class ObjectPathOnTheSky : public testing::Test {
 protected:
  void SetUp() override {
    velarion::sky::InitProjectionTables();
    velarion::sky::SetHostSkyImage(&image);
    image.SetAlwaysCentred(true);
    image.SetViewRect(1000, 1000, 0, 0, false, false);
    zenith = {image.SiderealTime() * 15.0, image.Latitude()};
    image.SetGroupLists(&mainList, &pathList);
    path = &AddObjectPath(pathList, *source, 1);
  }
  void TearDown() override {
    velarion::sky::SetHostSkyImage(nullptr);
    velarion::sky::FreeProjectionTables();
  }

  TDrawn Paint() {
    image.MarkViewChanged();
    device.ClearLog();
    image.PaintSky(device, true);
    return Parse(device.Log());
  }
  // The screen point of a J2000.0 place on the painted map.
  static std::optional<TPoint> OnMap(const TSkyPlace& place) {
    SetEpoch(0.0, 1);
    TPoint p;
    if (!RaDecToXY(place.raDeg, place.decDeg, &p.x, &p.y)) return std::nullopt;
    return p;
  }
  // The least distance (pixels) from p to the object's track drawn every twentieth of a day.
  static double DistanceToTrack(TPoint p, const TPathPositionSource& source, double days) {
    double least = INFINITY;
    for (int i = 0; i <= days * 20; ++i) {
      const auto place = source(kStartT + i / 20.0 * kDayT);
      const auto q = place ? OnMap({place->raDeg, place->decDeg}) : std::nullopt;
      if (q) least = std::min(least, std::hypot(p.x - q->x, p.y - q->y));
    }
    return least;
  }

  velarion::sky::TSkyImage image{{}, {[] { return 51544.0; }, [] { return 0.0; }}};
  velarion::groups::TGroupList mainList;
  velarion::groups::TGroupList pathList;
  std::unique_ptr<velarion::groups::TStdGroup> source = NamedSource("Веста");
  velplatform::TRecordingDevice device{1000, 1000};
  TSkyPlace zenith;
  TObjectPath* path = nullptr;
};

// Half a degree a day along the zenith's parallel, from 25 degrees east of the meridian.
TPathPositionSource AlongTheZenithParallel(TSkyPlace zenith) {
  return [zenith](double t) -> std::optional<TPlaceOfEquinox> {
    const double days = (t - kStartT) / kDayT;
    return TPlaceOfEquinox{zenith.raDeg - 25.0 + 0.5 * days, zenith.decDeg, 0.0};
  };
}

TEST_F(ObjectPathOnTheSky, IdentityAndName) {
  EXPECT_EQ(path->Code, "OBJP");
  EXPECT_EQ(path->Name, "Object path");
  EXPECT_EQ(path->Version, "1.0");
  EXPECT_FALSE(path->Selectable);
  EXPECT_EQ(path->EpochKind, 1);
  EXPECT_EQ(path->Epoch, 0.0);
  EXPECT_EQ(path->GetObjectCount(), 1);
  EXPECT_EQ(path->GetObjectName(1), Cp1251("Веста (траектория)"));
  EXPECT_EQ(path->GetObjectName(2), "");
  const auto recorded = NamedSource("Веста", "4 Веста");
  EXPECT_EQ(TObjectPath(*recorded, 1).GetObjectName(1), Cp1251("4 Веста (траектория)"));
  const auto unnamed = NamedSource("");
  EXPECT_EQ(TObjectPath(*unnamed, 1).GetObjectName(1), "");
}

TEST_F(ObjectPathOnTheSky, MarksEveryTwoDaysWithEveryFifthLabelled) {
  const TPathPositionSource moving = AlongTheZenithParallel(zenith);
  ASSERT_TRUE(path->Compute(kStartT, kStartT + 100.0 * kDayT, moving, {}));
  path->SetMarks({TMarkUnit::kDay, 2, 5});
  const TDrawn drawn = Paint();
  ASSERT_EQ(drawn.markCentres.size(), 51u);
  for (std::size_t k = 0; k < drawn.markCentres.size(); ++k) {
    const auto place = moving(kStartT + 2.0 * static_cast<double>(k) * kDayT);
    const auto expected = OnMap({place->raDeg, place->decDeg});
    ASSERT_TRUE(expected.has_value());
    EXPECT_LE(std::abs(drawn.markCentres[k].x - expected->x), 1) << k;
    EXPECT_LE(std::abs(drawn.markCentres[k].y - expected->y), 1) << k;
  }
  const std::vector<std::string> expectedLabels = {
      "1 ЯНВ 2000", "11 ЯНВ 2000", "21 ЯНВ 2000", "31 ЯНВ 2000", "10 ФЕВ 2000", "20 ФЕВ 2000",
      "1 МАР 2000", "11 МАР 2000", "21 МАР 2000", "31 МАР 2000", "10 АПР 2000"};
  ASSERT_EQ(drawn.texts.size(), expectedLabels.size());
  for (std::size_t i = 0; i < expectedLabels.size(); ++i) {
    EXPECT_EQ(drawn.texts[i], Cp1251(expectedLabels[i])) << i;
  }
  velarion::kit::TObjectRect rect;
  EXPECT_TRUE(path->GetObjectRect(1, rect));
  EXPECT_FALSE(path->GetObjectRect(2, rect));
}

TEST_F(ObjectPathOnTheSky, AGapInThePlacesIsAGapInTheDrawing) {
  const TPathPositionSource moving = AlongTheZenithParallel(zenith);
  const TPathPositionSource partly = [&moving](double t) -> std::optional<TPlaceOfEquinox> {
    const double days = (t - kStartT) / kDayT;
    if (days > 39.5 && days < 60.5) return std::nullopt;
    return moving(t);
  };
  ASSERT_TRUE(path->Compute(kStartT, kStartT + 100.0 * kDayT, partly, {}));
  path->SetMarks({TMarkUnit::kDay, 2, 0});
  const TDrawn drawn = Paint();
  EXPECT_EQ(drawn.markCentres.size(), 51u - 11u);  // none on days 40 .. 60
  EXPECT_TRUE(drawn.texts.empty());
  ASSERT_GE(drawn.runs.size(), 2u);
  for (const std::vector<TPoint>& run : drawn.runs) {
    EXPECT_LT(LongestStep(run), 8.0);  // nothing drawn across the gap
    for (const TPoint& p : run)
      EXPECT_LT(DistanceToTrack(p, partly, 100.0), 2.0) << p.x << "," << p.y;
  }
}

TEST_F(ObjectPathOnTheSky, ThePathBreaksWhereItSetsAndWhereItRises) {
  // From the zenith down the meridian's side to 30 degrees below the south horizon and up
  // again, drifting in right ascension so that it sets and rises at different places.
  const TSkyPlace top = zenith;
  const TPathPositionSource dipping = [top](double t) -> std::optional<TPlaceOfEquinox> {
    const double days = (t - kStartT) / kDayT;
    return TPlaceOfEquinox{top.raDeg + 0.6 * (days - 50.0),
                           top.decDeg - 120.0 * (1.0 - std::fabs(days - 50.0) / 50.0), 0.0};
  };
  ASSERT_TRUE(path->Compute(kStartT, kStartT + 100.0 * kDayT, dipping, {}));
  const TDrawn drawn = Paint();
  ASSERT_GE(drawn.runs.size(), 2u);
  double farthest = 0.0;
  for (const std::vector<TPoint>& run : drawn.runs) {
    EXPECT_LT(LongestStep(run), 8.0);  // no chord below the horizon
    for (const TPoint& p : run) {
      const double fromCentre = std::hypot(p.x - image.CentreX(), p.y - image.CentreY());
      EXPECT_LE(fromCentre, image.Radius() + 1.0);
      farthest = std::max(farthest, fromCentre);
    }
  }
  // Followed down to the rim.
  EXPECT_GT(farthest, image.Radius() - 6.0);
}

TEST_F(ObjectPathOnTheSky, AtHighZoomThePathIsFollowedAcrossTheSmallView) {
  image.SetZoom(50000);  // the detailed view, centred on the zenith, a fraction of a degree
  const TPathPositionSource moving = AlongTheZenithParallel(zenith);
  ASSERT_TRUE(path->Compute(kStartT, kStartT + 100.0 * kDayT, moving, {}));
  const TDrawn drawn = Paint();
  ASSERT_FALSE(drawn.runs.empty());
  bool crossesTheMiddle = false;
  for (const std::vector<TPoint>& run : drawn.runs) {
    for (const TPoint& p : run) {
      crossesTheMiddle |=
          std::abs(p.x - image.CentreX()) < 3 && std::abs(p.y - image.CentreY()) < 50;
    }
  }
  EXPECT_TRUE(crossesTheMiddle);
  for (const std::vector<TPoint>& run : drawn.runs) EXPECT_LT(LongestStep(run), 8.0);
}

TEST_F(ObjectPathOnTheSky, APathThatStartsWhereItEndsDrawsNothing) {
  int asked = 0;
  const TPathPositionSource counted = [&](double t) {
    ++asked;
    return AlongTheZenithParallel(zenith)(t);
  };
  ASSERT_TRUE(path->Compute(kStartT, kStartT, counted, {}));
  path->SetMarks({TMarkUnit::kDay, 1, 1});
  const TDrawn drawn = Paint();
  EXPECT_EQ(asked, 0);
  EXPECT_TRUE(path->Segments().empty());
  EXPECT_TRUE(drawn.runs.empty());
  EXPECT_TRUE(drawn.markCentres.empty());
  EXPECT_TRUE(drawn.texts.empty());
  velarion::kit::TObjectRect rect;
  EXPECT_FALSE(path->GetObjectRect(1, rect));
}

TEST_F(ObjectPathOnTheSky, ACancelledComputationLeavesNoPath) {
  const TPathPositionSource moving = AlongTheZenithParallel(zenith);
  ASSERT_TRUE(path->Compute(kStartT, kStartT + 100.0 * kDayT, moving, {}));
  ASSERT_TRUE(path->ComputedSpan().has_value());
  EXPECT_FALSE(
      path->Compute(kStartT, kStartT + 200.0 * kDayT, moving, [](int32_t) { return false; }));
  EXPECT_FALSE(path->ComputedSpan().has_value());
  EXPECT_TRUE(path->Segments().empty());
  EXPECT_TRUE(Paint().runs.empty());
}

TEST_F(ObjectPathOnTheSky, ARemovedPathLeavesTheList) {
  ASSERT_EQ(pathList.Count(), 1);
  EXPECT_TRUE(pathList.Element(0).VisibleInQuickView());
  EXPECT_TRUE(pathList.Element(0).VisibleInDetailedView());
  EXPECT_TRUE(RemoveObjectPath(pathList, *path));
  EXPECT_EQ(pathList.Count(), 0);
}

}  // namespace

#include "EphemerisTables.h"

#include "AngleUtils.h"
#include "Concat.h"
#include "Cp1251.h"
#include "MarkupText.h"
#include "Numbers.h"
#include "SkyPopupMenu.h"
#include "SkySession.h"
#include "TableText.h"
#include "Units.h"
#include "velastro.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace velarion::ephemeris {

namespace {

using velplatform::Concat;
using velplatform::Cp1251;

// The altitude at which an object's centre rises, refraction included, before its
// semi-diameter is taken off.
constexpr double kRisingAltitudeDeg = -0.5666666666666667;
constexpr double kHoursPerDay = 24.0;
constexpr double kShortestPeriodDays = 1e-6;

bool HasFlag(const kit::TCommonObject& record, int32_t flag) { return (record.flags & flag) != 0; }

bool HasPlaceOfDate(const kit::TCommonObject& record) {
  return HasFlag(record, kit::kObjectPositionFixed | kit::kObjectPositionSolarSystem);
}

// The record's place of date brought to the true equator of `t`: a fixed object's as its
// apparent place, a solar-system body's (apparent already, on the mean equator) by nutation.
std::optional<TApparentPlace> ApparentPlaceOf(const kit::TCommonObject& record, double equinoxT,
                                              double t) {
  TApparentPlace p{record.raOfDate, record.decOfDate};
  if (HasFlag(record, kit::kObjectPositionFixed)) {
    AstrometricToApparent(equinoxT, t, &p.raDeg, &p.decDeg);
  } else if (HasFlag(record, kit::kObjectPositionSolarSystem)) {
    double x = 0.0, y = 0.0, z = 0.0, r = 0.0;
    Cart(1.0, p.decDeg, p.raDeg, &x, &y, &z);
    NutEqu(t, &x, &y, &z);
    Polar(x, y, z, &r, &p.decDeg, &p.raDeg);
  } else {
    return std::nullopt;
  }
  p.raDeg = sky::Reduce360(p.raDeg);
  return p;
}

sky::TObserverView ApparentObserver(const sky::TSkyImage& image) {
  return {image.Mjd(),      image.ApparentSiderealTime(), image.Longitude(),
          image.Latitude(), image.AzimuthFromSouth(),     image.Refraction(),
          image.Pressure(), image.Temperature()};
}

bool ShowsRiseSet(const TColumnChoice& choice) {
  return choice.Shows(TEphemColumn::kRiseSet) || choice.Shows(TEphemColumn::kRiseSetAzimuths) ||
         choice.Shows(TEphemColumn::kCulmination);
}

int32_t Percent(double done) { return std::clamp(sky::RoundToInt(done * 100.0), 0, 100); }

std::vector<sky::TSelectedObject> WithGroups(std::span<const sky::TSelectedObject> objects) {
  std::vector<sky::TSelectedObject> kept;
  for (const sky::TSelectedObject& o : objects) {
    if (o.group != nullptr) kept.push_back(o);
  }
  return kept;
}

std::string PlainCaption(TGroupViewMover& mover, const sky::TSelectedObject& object) {
  return sky::PlainText(TableObjectCaption(mover.Record(object), *object.group));
}

}  // namespace

std::string TableObjectCaption(const std::optional<kit::TCommonObject>& record,
                               groups::TSkyObjectGroup& group) {
  return ui::MenuCaption(record.value_or(kit::TCommonObject{}), group);
}

struct TEphemerisTables::TRowRequest {
  sky::TSelectedObject object;
  const TColumnChoice& choice;
  double zoneHours;
  std::string name;
};

TEphemerisTables::TEphemerisTables(sky::TSkyImage& image,
                                   TGroupViewMover::TRecalculateView recalculateView,
                                   TLineSink sink, velplatform::TProgressReport progress)
    : image_(image),
      recalculateView_(std::move(recalculateView)),
      sink_(std::move(sink)),
      progress_(std::move(progress)) {}

TTableOutcome TEphemerisTables::WriteGroupTable(std::span<const sky::TSelectedObject> objects,
                                                const TColumnChoice& choice) {
  riseSets_.Clear();
  TGroupViewMover mover(image_, recalculateView_);
  const std::vector<sky::TSelectedObject> listed = WithGroups(objects);
  std::vector<std::string> names;
  for (const sky::TSelectedObject& o : listed) names.push_back(PlainCaption(mover, o));
  const std::vector<TColumnLayout> columns = LayOutColumns(choice, TTableKind::kGroup, {}, names);
  const double zone = image_.TimeZone();
  const double mjd = image_.Mjd();
  if (choice.Shows(TEphemColumn::kDate)) {
    sink_(Concat({Cp1251("Дата: "), HeadingDateText(mjd + zone / kHoursPerDay)}));
  }
  if (choice.Shows(TEphemColumn::kJulianDate)) {
    sink_("JD: " + velplatform::FixedToText(mjd + velcommon::kJdMjdZero, 5));
  }
  if (choice.Shows(TEphemColumn::kModifiedJulianDate)) {
    sink_("MJD: " + velplatform::FixedToText(mjd, 5));
  }
  WriteHead(columns);
  for (std::size_t k = 0; k < listed.size(); ++k) {
    const TRowValues row = RowAt(mover, {listed[k], choice, zone, names[k]});
    const double done = static_cast<double>(k + 1) / static_cast<double>(listed.size());
    if (!WriteRow(columns, choice, {}, row, Percent(done))) return TTableOutcome::kCancelled;
  }
  return TTableOutcome::kWritten;
}

TTableOutcome TEphemerisTables::WritePeriodTable(const sky::TSelectedObject& object,
                                                 const TPeriod& period,
                                                 const TColumnChoice& choice) {
  if (RowLimitError(period)) return TTableOutcome::kTooManyRows;
  if (object.group == nullptr) return TTableOutcome::kWritten;
  riseSets_.Clear();
  TGroupViewMover mover(image_, recalculateView_);
  const double zone = image_.TimeZone();
  const TDateStyle style = DateStyleOf(period);
  const std::vector<TColumnLayout> columns = LayOutColumns(choice, TTableKind::kPeriod, style);
  const TRowRequest request{object, choice, zone, PlainCaption(mover, object)};
  sink_("");
  sink_(request.name);
  WriteHead(columns);
  const double span = period.endLocalMjd - period.startLocalMjd;
  const int64_t rows = RowCount(period);
  for (int64_t k = 0; k < rows; ++k) {
    const double t = RowMoment(period, k);
    mover.MoveTo(t - zone / kHoursPerDay, *object.group);
    const TRowValues row = RowAt(mover, request);
    const double done = span >= kShortestPeriodDays ? (t - period.startLocalMjd) / span : 1.0;
    if (!WriteRow(columns, choice, style, row, Percent(done))) return TTableOutcome::kCancelled;
  }
  return TTableOutcome::kWritten;
}

TRowValues TEphemerisTables::RowAt(TGroupViewMover& mover, const TRowRequest& request) {
  TRowValues row;
  row.mjdUt = image_.Mjd();
  row.localMjd = row.mjdUt + request.zoneHours / kHoursPerDay;
  row.name = request.name;
  row.record = mover.Record(request.object).value_or(kit::TCommonObject{});
  row.ofDate = ApparentPlaceOf(row.record, mover.EquinoxT(*request.object.group),
                               GetT(image_.MjdDynamical()));
  row.apparentSiderealHours = image_.ApparentSiderealTime();
  if (row.ofDate && request.choice.Shows(TEphemColumn::kHorizontal)) {
    row.horizontal = sky::HorizontalCoordinates(row.ofDate->raDeg, row.ofDate->decDeg, image_.Mjd(),
                                                ApparentObserver(image_));
  }
  if (ShowsRiseSet(request.choice) && HasPlaceOfDate(row.record)) {
    if (const TRiseSetCell* known = riseSets_.Find(request.object, row.localMjd)) {
      row.riseSet = *known;
    } else {
      row.riseSet = RiseSetOf(mover, request.object, row.record);
      riseSets_.Store(request.object, row.localMjd, *row.riseSet);
    }
  }
  return row;
}

TRiseSetCell TEphemerisTables::RiseSetOf(TGroupViewMover& mover, const sky::TSelectedObject& object,
                                         const kit::TCommonObject& record) {
  const double semiDiameter = HasFlag(record, kit::kObjectSize) ? record.sizeDeg / 2.0 : 0.0;
  const double rowMjd = image_.Mjd();
  TPlaceOfDate last{record.raOfDate, record.decOfDate, mover.EquinoxT(*object.group)};
  const solar::TPositionAt positionAt = [&](double mjd, double& ra, double& dec) {
    if (const std::optional<TPlaceOfDate> p = mover.PlaceAt(mjd, object)) last = *p;
    ra = last.raDeg;
    dec = last.decDeg;
  };
  TRiseSetCell cell;
  cell.times = solar::ComputeRiseSet(ui::RiseSetObserverOf(image_),
                                     kRisingAltitudeDeg - semiDiameter, last.equinoxT, positionAt);
  const auto& events = solar::RiseSetEvents();
  cell.riseAzimuthDeg = events[solar::kRise].azimuthDeg;
  cell.setAzimuthDeg = events[solar::kSet].azimuthDeg;
  cell.culminationAltitudeDeg = events[solar::kUpperCulmination].altitudeDeg;
  mover.MoveTo(rowMjd, *object.group);
  return cell;
}

void TEphemerisTables::WriteHead(std::span<const TColumnLayout> columns) {
  for (const std::string& line : HeaderBlock(columns)) sink_(line);
  sink_(UnitsLine(columns));
}

bool TEphemerisTables::WriteRow(std::span<const TColumnLayout> columns, const TColumnChoice& choice,
                                TDateStyle date, const TRowValues& row, int32_t percent) {
  std::vector<std::string> cells;
  for (const TColumnLayout& column : columns) {
    cells.push_back(CellText(column.kind, choice, date, row));
  }
  for (const std::string& line : RowLines(columns, cells)) sink_(line);
  return !progress_ || progress_(percent);
}

}  // namespace velarion::ephemeris

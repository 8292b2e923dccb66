#include "PathParameters.h"

#include "Cp1251.h"
#include "MomentCheck.h"
#include "PathMarks.h"
#include "Units.h"
#include "velastro.h"

#include <cmath>

namespace velarion::ui {

namespace {

using velplatform::Cp1251;

constexpr int32_t kMaxMultiplier = 9999;
constexpr double kSpanTolerance = 3e-10;

std::optional<TPathParameterError> CheckMoment(const TDateEntry& moment,
                                               const std::string& caption) {
  if (auto problem = MomentProblem(moment)) return TPathParameterError{caption, *problem};
  return std::nullopt;
}

double TOfMoment(const TDateEntry& moment, double timeZoneHours) {
  return GetT(LocalMjdOf(moment) - timeZoneHours / 24.0);
}

TPathParameterError Error(std::string message) { return {Cp1251("Ошибка"), std::move(message)}; }

}  // namespace

std::variant<paths::TTimeSpan, TPathParameterError> CheckPathParameters(
    const TPathParameterFields& fields, double timeZoneHours) {
  if (auto error = CheckMoment(fields.start, Cp1251("Ошибка в дате начала траектории"))) {
    return *error;
  }
  if (auto error = CheckMoment(fields.end, Cp1251("Ошибка в дате окончания траектории"))) {
    return *error;
  }
  const std::optional<double> unitDays = paths::MarkUnitDays(fields.marks.unit);
  const int32_t multiplier = fields.marks.multiplier;
  if (unitDays && (multiplier < 1 || multiplier > kMaxMultiplier)) {
    return Error(Cp1251("Неверный множитель шага меток"));
  }
  const paths::TTimeSpan span{TOfMoment(fields.start, timeZoneHours),
                              TOfMoment(fields.end, timeZoneHours)};
  if (span.tEnd < span.tStart) {
    return Error(Cp1251("Дата окончания траектории должна быть больше даты начала"));
  }
  const double spanDays = (span.tEnd - span.tStart) * velcommon::kDaysPerCentury;
  if (unitDays && spanDays / (multiplier * *unitDays) > paths::kMaxMarks) {
    return Error(Cp1251("Максимальное количество меток - ") + std::to_string(paths::kMaxMarks));
  }
  return span;
}

bool PathSpanMoved(const std::optional<paths::TTimeSpan>& computed,
                   const paths::TTimeSpan& wanted) {
  return !computed || std::fabs(computed->tStart - wanted.tStart) > kSpanTolerance ||
         std::fabs(computed->tEnd - wanted.tEnd) > kSpanTolerance;
}

}  // namespace velarion::ui

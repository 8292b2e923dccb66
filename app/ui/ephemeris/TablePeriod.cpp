#include "TablePeriod.h"

#include "CalendarDays.h"
#include "Cp1251.h"
#include "velastro.h"

#include <cmath>

namespace velarion::ephemeris {

namespace {

using velplatform::Cp1251;

constexpr double kEndAllowanceDays = 1e-6;
constexpr double kMidnightAllowance = 1e-6;
constexpr double kHoursPerDay = 24.0;

std::optional<std::string> DateFault(const ui::TDateEntry& date) {
  if (date.year <= 0) return Cp1251("Неверный номер года");
  const int32_t lastDay = ui::DaysInMonth(date.month, date.AstronomicalYear());
  if (date.day < 1 || date.day > lastDay) {
    return Cp1251("День должен быть от 1 до ") + std::to_string(lastDay);
  }
  if (!(date.hours >= 0.0 && date.hours < kHoursPerDay)) {
    return Cp1251("Время должно быть от 0 до 24 ч.");
  }
  return std::nullopt;
}

double DayFraction(double x) { return x - std::floor(x); }

}  // namespace

std::variant<TPeriod, TEntryError> ValidatePeriod(const ui::TDateEntry& start,
                                                  const ui::TDateEntry& end,
                                                  const TStepEntry& step) {
  if (auto fault = DateFault(start)) {
    return TEntryError{*fault, Cp1251("Ошибка в дате начала таблицы")};
  }
  if (auto fault = DateFault(end)) {
    return TEntryError{*fault, Cp1251("Ошибка в дате окончания таблицы")};
  }
  const TPeriod period{LocalMjdOf(start), LocalMjdOf(end), step.days + step.hours / kHoursPerDay};
  if (period.endLocalMjd < period.startLocalMjd) {
    return TEntryError{Cp1251("Дата окончания таблицы должна быть больше даты начала"),
                       Cp1251("Ошибка")};
  }
  if (step.days < 0 || !(step.hours >= 0.0) || (step.days == 0 && step.hours == 0.0)) {
    return TEntryError{Cp1251("Неверный шаг таблицы"), Cp1251("Ошибка")};
  }
  return period;
}

int64_t RowCount(const TPeriod& period) {
  if (!(period.stepDays > 0.0) || !(period.endLocalMjd >= period.startLocalMjd)) return 0;
  const double steps =
      std::floor((period.endLocalMjd + kEndAllowanceDays - period.startLocalMjd) / period.stepDays);
  // Beyond the limit the exact count does not matter.
  if (!(steps < static_cast<double>(kMaxTableRows))) return kMaxTableRows + 1;
  return static_cast<int64_t>(steps) + 1;
}

double RowMoment(const TPeriod& period, int64_t k) {
  return period.startLocalMjd + static_cast<double>(k) * period.stepDays;
}

std::optional<TEntryError> RowLimitError(const TPeriod& period) {
  if (RowCount(period) <= kMaxTableRows) return std::nullopt;
  return TEntryError{Cp1251("Слишком много строк в таблице: допускается не более ") +
                         std::to_string(kMaxTableRows) + Cp1251(". Увеличьте шаг таблицы."),
                     Cp1251("Ошибка")};
}

TDateStyle DateStyleOf(const TPeriod& period) {
  TDateStyle style;
  style.wholeDays = DayFraction(period.startLocalMjd) < kMidnightAllowance &&
                    DayFraction(period.stepDays) < kMidnightAllowance;
  style.beforeChrist = period.startLocalMjd < MJD(1, 1, 1, 0.0);
  return style;
}

}  // namespace velarion::ephemeris

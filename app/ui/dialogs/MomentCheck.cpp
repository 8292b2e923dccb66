#include "MomentCheck.h"

#include "CalendarDays.h"
#include "Cp1251.h"

namespace velarion::ui {

std::optional<std::string> MomentProblem(const TDateEntry& moment) {
  using velplatform::Cp1251;
  const int32_t year = moment.AstronomicalYear();
  if (moment.year <= 0 || year < kMinAstronomicalYear || year > kMaxAstronomicalYear) {
    return Cp1251("Неверный номер года");
  }
  // Written so that an hour that is not a number fails too.
  if (!(moment.hours >= 0.0 && moment.hours < 24.0)) {
    return Cp1251("Время должно быть от 0 до 24 ч.");
  }
  const int32_t lastDay = DaysInMonth(moment.month, year);
  if (moment.day < 1 || moment.day > lastDay) {
    return Cp1251("День должен быть от 1 до ") + std::to_string(lastDay);
  }
  return std::nullopt;
}

}  // namespace velarion::ui

#include "PlaceText.h"

#include "Concat.h"
#include "Cp1251.h"
#include "Numbers.h"
#include "ValueFormat.h"

#include <cmath>

namespace velarion::ui {

namespace {

std::string DegreesAndMinutes(double degrees) {
  return sky::FormatAngle(sky::TAngleUnit::kDegrees, sky::TAngleResolution::kMinutes, 0, false,
                          std::fabs(degrees));
}

}  // namespace

std::string LongitudeText(double longitudeDeg) {
  return velplatform::Concat({DegreesAndMinutes(longitudeDeg), " ",
                              velplatform::Cp1251(longitudeDeg < 0.0 ? "Зап." : "Вост.")});
}

std::string LatitudeText(double latitudeDeg) {
  return velplatform::Concat({DegreesAndMinutes(latitudeDeg), " ",
                              velplatform::Cp1251(latitudeDeg < 0.0 ? "Южн." : "Сев.")});
}

std::string TimeZoneText(double timeZoneHours) {
  return velplatform::Concat({velplatform::FixedToText(std::fabs(timeZoneHours), kTimeZoneDecimals),
                              " ", velplatform::Cp1251(timeZoneHours < 0.0 ? "до" : "после"), " ",
                              velplatform::Cp1251("Гринвича")});
}

}  // namespace velarion::ui

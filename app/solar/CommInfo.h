// The general information about the view: its moment in local and universal time, as
// Julian dates, ET - UT, the local sidereal time and the place. The window shows these rows;
// its copy buttons give them as text.
#ifndef VELARION_APP_SOLAR_COMMINFO_H
#define VELARION_APP_SOLAR_COMMINFO_H

#include <string>
#include <vector>

namespace velarion::solar {

// What the rows are made from: the sky image's values.
struct TCommonInfoView {
  double mjdUt = 0.0;
  double timeZoneHours = 0.0;
  double deltaTDays = 0.0;
  double siderealHours = 0.0;  // local
  double longitudeEastDeg = 0.0;
  double latitudeDeg = 0.0;
};

// One row: its caption (one or two lines, shown one above the other) and its value; CP1251.
struct TCommonInfoRow {
  std::vector<std::string> caption;
  std::string value;
};

std::vector<TCommonInfoRow> CommonInformation(const TCommonInfoView& view);

// Each row as one line: its caption lines and its value joined by single spaces.
std::vector<std::string> CommonInfoLines(const std::vector<TCommonInfoRow>& rows);

}  // namespace velarion::solar

#endif

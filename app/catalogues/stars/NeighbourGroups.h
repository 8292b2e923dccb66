// What the bright stars read from two other groups through the host: constellation names
// and abbreviations from "CNAME", proper star names from "SNAME". Either group may be
// missing; every answer then says none.
#ifndef VELARION_APP_CATALOGUES_STARS_NEIGHBOURGROUPS_H
#define VELARION_APP_CATALOGUES_STARS_NEIGHBOURGROUPS_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velarion::catalogues {

inline constexpr std::string_view kConstellationGroup = "CNAME";
inline constexpr std::string_view kStarNameGroup = "SNAME";

// Number of objects of a group, 0 when there is no such group.
int32_t GroupObjectCount(std::string_view code);

struct TConstellationName {
  std::string name;          // nominative, at most 20 characters
  std::string code;          // at most 4 characters ("Ori", "Ser2")
  std::string abbreviation;  // the first 3 characters of the code
};
std::optional<TConstellationName> ConstellationName(int32_t number);

struct TProperName {
  int32_t hr = 0;
  std::string name;  // at most 128 characters, a remark in square brackets included
};
std::optional<TProperName> ProperNameAt(int32_t object);

// The name of catalogue number `hr`; the names come in increasing catalogue number, so the
// search ends at the first larger number.
std::optional<std::string> FindProperName(int32_t hr);

}  // namespace velarion::catalogues

#endif

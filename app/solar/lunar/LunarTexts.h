// The texts of the eclipse and phases reports, numbered as in the Moon plug-in's string
// table (16 .. 42), in CP1251, Russian or English.
#ifndef VELARION_APP_SOLAR_LUNAR_LUNARTEXTS_H
#define VELARION_APP_SOLAR_LUNAR_LUNARTEXTS_H

#include "Language.h"

#include <string>

namespace velarion::lunar {

enum class TLunarText {
  kPenumbral = 16,
  kPartial,
  kTotal,
  kLunarEclipse,
  kMaximumPhase,
  kCircumstances,
  kHourLetter,
  kNotVisible,
  kSeenTotalBegins,
  kSeenTotalEnds,
  kSeenPartialBegins,
  kSeenPartialEnds,
  kSeenPenumbralBegins,
  kSeenPenumbralEnds,
  kP1,
  kU1,
  kU2,
  kU3,
  kU4,
  kP4,
  kPositionAngles,
  kSecondLetter,
  kNewMoon,
  kFirstQuarter,
  kFullMoon,
  kLastQuarter,
  kTimeIsUt,
};

std::string LunarText(TLunarText text, sky::TLanguage language);

}  // namespace velarion::lunar

#endif

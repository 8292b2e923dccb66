// The text of a state file (".vls"), written and read side by side. The first line is
// exactly "Velarion state file"; every further line is Key=Value with values separated by
// commas and numbers written with "." (decimals as listed in StateFileFormat.cpp):
//   Location=longitude,latitude,zone          Time=MJD UT
//   SkyPoint=zoom,rotation,mirror,x,y
//   GroupVis=stars,bounds,names,solar,figures,deepsky,eqgrid,hgrid,n   then n lines CODE=q,d
//   ImageParams=star,label,font,sizes (quick) then the same four (detailed)
//   SelObj=CODE,index (one line per object)   ObjLock=0|1
//   AutoRParams=forward,realtime,interval code,step in days   AutoRStart=0|1   AutoRStop=MJD UT
// Lines without "=" are skipped; keys this program does not know are ignored, so that a
// file written by a later version loads. A line it knows but cannot read makes the whole
// file refused: nothing of a damaged file is applied.
#ifndef VELARION_APP_UI_STATEFILE_STATEFILEFORMAT_H
#define VELARION_APP_UI_STATEFILE_STATEFILEFORMAT_H

#include "StateFile.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace velarion::ui {

inline constexpr std::string_view kStateFileHeader = "Velarion state file";

// What is wrong with a file, and where.
struct TStateFileError {
  int32_t line = 0;  // 1-based; 0: the file as a whole
  std::string what;  // CP1251
  bool operator==(const TStateFileError&) const = default;
};

// The file's text: the header and the line of every present part, in the order above.
std::string FormatStateFile(const TStateFile& state);

// The parts of the text, or what makes it unreadable. Lines may end in LF or CR LF.
std::variant<TStateFile, TStateFileError> ParseStateFile(std::string_view text);

}  // namespace velarion::ui

#endif

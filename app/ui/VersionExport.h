// The program's version text, which also tells groups and plug-ins the interface language
// (the host export GetVelarionVersion, declared by HostInterface.h).
#ifndef VELARION_APP_UI_VERSIONEXPORT_H
#define VELARION_APP_UI_VERSIONEXPORT_H

#include "HostExport.h"

#include <cstdint>
#include <string_view>

namespace velarion::ui {

// "R": the Russian edition.
inline constexpr std::string_view kVersionText = "5.72 R";

}  // namespace velarion::ui

#endif

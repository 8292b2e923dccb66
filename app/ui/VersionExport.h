// The program's version text, which also tells groups and plug-ins the interface language.
#ifndef VELARION_APP_UI_VERSIONEXPORT_H
#define VELARION_APP_UI_VERSIONEXPORT_H

#include "HostExport.h"

#include <cstdint>
#include <string_view>

namespace velarion::ui {

// "R": the Russian edition.
inline constexpr std::string_view kVersionText = "5.72 R";

}  // namespace velarion::ui

extern "C" {

// Copies the six characters of the version text, without a terminating zero, and returns
// 6; returns 0 and writes nothing for a null buffer or a size below 6.
VELARION_HOST_EXPORT int32_t GetVelarionVersion(char* buffer, int32_t size);
}

#endif

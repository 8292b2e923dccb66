// The program's settings file "Velarion.ini" as groups and plug-ins reach it (the host
// exports SaveIniString and RestoreIniString, declared by HostInterface.h).
#ifndef VELARION_APP_SKY_INIACCESS_H
#define VELARION_APP_SKY_INIACCESS_H

#include "HostExport.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velarion::sky {

inline constexpr std::size_t kMaxIniValueLength = 511;

// The settings file the exports use: "Velarion.ini" in the settings folder, set at start.
void SetSettingsFile(std::string path);
const std::string& SettingsFile();
// A run that must leave the settings as they are (the picture export) makes SaveIniString
// write nothing.
void SetSettingsWritable(bool writable);

// The value of a key (at most 511 characters), or `defaultValue` when absent.
std::string ReadIniValue(std::string_view section, std::string_view key,
                         std::string_view defaultValue, const std::string& file);

}  // namespace velarion::sky

#endif

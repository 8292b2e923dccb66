// The texts of the deep-sky objects: type names, the Clouds' names, short catalogue names
// and the map label, in CP1251.
#ifndef VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYTEXTS_H
#define VELARION_APP_CATALOGUES_DEEPSKY_DEEPSKYTEXTS_H

#include "DeepSkyFile.h"

#include <cstdint>
#include <string>

namespace velarion::catalogues {

enum class TMagellanicCloud { kNone, kLarge, kSmall };

// Which Cloud a record is, by its name "LMC" or "SMC".
TMagellanicCloud CloudOf(const TDeepSkyRecord& record);

// "Рассеяное скопление" .. "Галактика"; any type above 3 is a galaxy.
std::string FullTypeName(uint8_t type);
// "расс.скопл." .. "галактика", for the search list.
std::string ShortTypeName(uint8_t type);
// The full type name, or the Cloud's own name for the two Clouds.
std::string KindName(const TDeepSkyRecord& record);

// "LMC", "SMC", "M 31", else "NGC 224" (also "NGC 0" for an object without numbers).
std::string ShortName(const TDeepSkyRecord& record);
// The map label: the short name in small italics.
std::string LabelText(const TDeepSkyRecord& record);

// Special symbols of the output device: the cluster sign and the nebula/galaxy sign.
inline constexpr int32_t kClusterSymbol = 26;
inline constexpr int32_t kNebulaSymbol = 27;
int32_t SymbolOf(uint8_t type);

}  // namespace velarion::catalogues

#endif

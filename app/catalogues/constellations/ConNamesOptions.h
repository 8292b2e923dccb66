// The options dialog of the constellation names, "Параметры созвездий": which form of the
// names the map shows.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_CONNAMESOPTIONS_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_CONNAMESOPTIONS_H

#include "Dialogs.h"

#include <cstdint>
#include <optional>

namespace velarion::catalogues {

// Name types: the choices in the order they are offered.
enum class TNameType : uint8_t { kRussian = 0, kLatin = 1, kAbbreviation = 2 };

namespace con_names_options {
inline constexpr int32_t kFrame = 100;
inline constexpr int32_t kRussian = 101, kLatin = 102, kAbbreviation = 103;
inline constexpr int32_t kOk = 1, kCancel = 2;
}  // namespace con_names_options

// The choice made, none when cancelled.
std::optional<TNameType> EditNameType(velplatform::TWindowHandle owner, TNameType current);

}  // namespace velarion::catalogues

#endif

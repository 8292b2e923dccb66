// The message a catalogue group shows when its data file cannot be read, before it stays
// out of the group list.
#ifndef VELARION_APP_CATALOGUES_CONSTELLATIONS_GROUPDATAFILE_H
#define VELARION_APP_CATALOGUES_CONSTELLATIONS_GROUPDATAFILE_H

#include "ObjectGroup.h"

#include <string_view>

namespace velarion::catalogues {

// The box "Не могу открыть файл <name>" titled "Ошибка".
void ShowCannotOpen(kit::TWindowHandle owner, std::string_view name);

}  // namespace velarion::catalogues

#endif

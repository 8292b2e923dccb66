// The program's own groups, made in the order they are loaded and drawn.
#ifndef VELARION_APP_UI_BUILTINGROUPS_H
#define VELARION_APP_UI_BUILTINGROUPS_H

#include "ObjectGroup.h"

#include <string>
#include <vector>

namespace velarion::ui {

// Each group reads its data files from the program folder (ending with "/").
std::vector<kit::TGroupPtr> MakeBuiltInGroups(const std::string& programFolder);

}  // namespace velarion::ui

#endif

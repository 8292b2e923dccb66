#include "BuiltInGroups.h"

namespace velarion::ui {

std::vector<kit::TGroupPtr> MakeBuiltInGroups(const std::string& /*programFolder*/) {
  std::vector<kit::TGroupPtr> groups;
  return groups;
}

}  // namespace velarion::ui

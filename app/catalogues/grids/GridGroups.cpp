#include "GridGroups.h"

#include "EquatorialGrid.h"
#include "Horizon.h"
#include "HorizonGrid.h"

namespace velarion::catalogues {

kit::TGroupPtr MakeHorizonGroup(const std::string& /*programFolder*/) {
  return kit::MakeGroup<THorizon>();
}

kit::TGroupPtr MakeEquatorialGridGroup(const std::string& /*programFolder*/) {
  return kit::MakeGroup<TEquatorialGrid>();
}

kit::TGroupPtr MakeHorizonGridGroup(const std::string& /*programFolder*/) {
  return kit::MakeGroup<THorizonGrid>();
}

}  // namespace velarion::catalogues

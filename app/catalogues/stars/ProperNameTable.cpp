#include "ProperNameTable.h"

#include "NeighbourGroups.h"

namespace velarion::catalogues {
namespace {

bool InTable(int32_t hr) { return hr >= 1 && hr <= TProperNameTable::kMaxNumber; }

}  // namespace

TProperNameTable TProperNameTable::FromStarNames() {
  TProperNameTable table;
  const int32_t count = GroupObjectCount(kStarNameGroup);
  for (int32_t object = 1; object <= count; ++object) {
    if (std::optional<TProperName> entry = ProperNameAt(object)) {
      table.Set(entry->hr, std::move(entry->name));
    }
  }
  return table;
}

void TProperNameTable::Set(int32_t hr, std::string name) {
  if (InTable(hr)) names_[static_cast<std::size_t>(hr)] = std::move(name);
}

std::string_view TProperNameTable::Find(int32_t hr) const {
  return InTable(hr) ? std::string_view(names_[static_cast<std::size_t>(hr)]) : std::string_view();
}

}  // namespace velarion::catalogues

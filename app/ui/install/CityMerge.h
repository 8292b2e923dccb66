// The shipped city list merged into the user's "city.dat" by an installation over an
// earlier one: the user's lines stay as they are, byte for byte, and each shipped city the
// user's list lacks is inserted in alphabetical place.
#ifndef VELARION_APP_UI_INSTALL_CITYMERGE_H
#define VELARION_APP_UI_INSTALL_CITYMERGE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace velarion::install {

struct TCityMerge {
  std::string text;          // the merged file
  std::size_t inserted = 0;  // shipped cities added; 0: the user's file needs no rewrite
};

// A shipped city is new when no line of the user's list names it: whole names compare, so
// "Нью Дели" is added to a list holding "Нью Йорк". It goes after the last user city whose
// name sorts before it (before the first city when none does). Lines that are no city are
// kept and never compared.
TCityMerge MergeCities(std::string_view userList, std::string_view shippedList);

}  // namespace velarion::install

#endif

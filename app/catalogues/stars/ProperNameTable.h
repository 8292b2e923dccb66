// Proper names of the stars by catalogue number, gathered from "SNAME" while labels are
// being built and dropped after the calculation.
#ifndef VELARION_APP_CATALOGUES_STARS_PROPERNAMETABLE_H
#define VELARION_APP_CATALOGUES_STARS_PROPERNAMETABLE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::catalogues {

class TProperNameTable {
 public:
  static constexpr int32_t kMaxNumber = 10000;

  // Every "SNAME" object; one whose number lies outside 1 .. kMaxNumber is left out.
  static TProperNameTable FromStarNames();

  void Set(int32_t hr, std::string name);
  // The name of a catalogue number; empty for none and for numbers outside the table.
  std::string_view Find(int32_t hr) const;

 private:
  std::vector<std::string> names_ = std::vector<std::string>(kMaxNumber + 1);
};

}  // namespace velarion::catalogues

#endif

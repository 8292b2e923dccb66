// TDSObject: one row of the deep-sky search window, and the order of the rows by column.
#ifndef VELARION_APP_CATALOGUES_DEEPSKY_DSOBJECT_H
#define VELARION_APP_CATALOGUES_DEEPSKY_DSOBJECT_H

#include "PersistentObject.h"
#include "tContain.h"

#include <cstdint>
#include <string>

namespace velarion::catalogues {

class TDSObject : public groups::TStreamable {
 public:
  TDSObject(int16_t messier, int16_t ngc, std::string name, uint8_t type, int32_t number)
      : messier(messier), ngc(ngc), name(std::move(name)), type(type), number(number) {}
  std::string_view ClassName() const override { return "TDSObject"; }

  int16_t messier;
  int16_t ngc;
  std::string name;  // the Clouds' full names for the two Clouds
  uint8_t type;
  int32_t number;  // the object's number in the group
};

enum class TDeepFindColumn { kMessier, kNgc, kType, kName };

// True when `a` goes strictly before `b`: numbers ascending with missing ones (0) last,
// types ascending, names in text order (case ignored) with empty names last.
bool Precedes(const TDSObject& a, const TDSObject& b, TDeepFindColumn column);

// A selection sort: for each place the first smallest of the remaining rows is moved
// there, so rows that compare equal keep their order.
void SortRows(groups::TObjectList& rows, TDeepFindColumn column);

}  // namespace velarion::catalogues

#endif

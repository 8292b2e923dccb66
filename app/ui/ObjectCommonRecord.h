// The common record of any object of any group: what the hint, the popup menus, the
// ephemeris tables and the paths know of an object (its name, place of date, catalogue
// place, magnitudes, size, phase, distance). A group that fills the common record itself is
// asked for it; otherwise the group's own record is converted where its code and size are
// known, and the name and position are asked for last.
#ifndef VELARION_APP_UI_OBJECTCOMMONRECORD_H
#define VELARION_APP_UI_OBJECTCOMMONRECORD_H

#include "BoundaryRecords.h"
#include "SkyObjectGroup.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velarion::ui {

// The own record of object `number` of the group `code` as far as it converts into the
// common record, at the view moment `mjdUt`; flags 0 when the code or the size is not known.
kit::TCommonObject ConvertGroupRecord(std::string_view code, int32_t number,
                                      std::span<const std::byte> record, double mjdUt);

// The name, and the visual magnitude when it follows in brackets, of a name such as
// "1 Ceres (6.8)": what the minor-body and faint-star groups give.
void TakeNameAndMagnitude(std::string_view name, kit::TCommonObject& object);

// Gives the common records, keeping the last one: asking twice for one object in one view
// asks its group once. The view is told apart by its moment and by the sky image's view
// generation (place, refraction, ΔT and the group list change it too).
class TCommonRecordSource {
 public:
  // None when nothing is known of the object: no record, no name, no position.
  std::optional<kit::TCommonObject> Get(groups::TSkyObjectGroup& group, int32_t number,
                                        double mjdUt, uint64_t viewGeneration);
  void Clear() { cached_.reset(); }

 private:
  struct TEntry {
    const groups::TSkyObjectGroup* group;
    int32_t number;
    double mjdUt;
    uint64_t viewGeneration;
    kit::TCommonObject record;
  };
  std::optional<TEntry> cached_;
};

}  // namespace velarion::ui

#endif

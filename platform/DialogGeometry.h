// Lays a dialog's controls out from the room their texts need, whatever the font.
//
// The layout table places the controls. Their distinct left and right edges form a grid
// across the dialog, their top and bottom edges one down it. Where a control needs more
// room than the table gives it, the grid intervals it spans widen and every edge after
// them moves along; no interval ever narrows. Such monotone stretching keeps apart every
// two controls that were apart in the table and keeps inside a frame what the table put
// inside it; the surface (the dialog, or a page) grows to hold it all.
#ifndef VELARION_PLATFORM_DIALOGGEOMETRY_H
#define VELARION_PLATFORM_DIALOGGEOMETRY_H

#include "Dialogs.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace velplatform {

// The room a frame keeps between its edges and what it surrounds (a group box's border and
// title), in pixels.
struct TInsets {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// A control as the table places it, in pixels, with the least size its widget needs.
struct TControlRoom {
  TDialogRect rect;
  int32_t minWidth = 0;
  int32_t minHeight = 0;
  // Set for a frame: every control whose table rectangle lies inside its rectangle keeps
  // these insets from its edges.
  std::optional<TInsets> frame{};
};

struct TStretchedLayout {
  std::vector<TDialogRect> rects;  // in the order of the controls given
  int32_t width = 0;               // the surface that holds them
  int32_t height = 0;
};

// The controls on a surface of `width` × `height` pixels, stretched to their needs. Edges
// that coincide in the table stay together, so a need across zero table length (a control
// flush with its frame's edge) cannot be met; tables leave a margin there.
TStretchedLayout StretchToNeeds(std::span<const TControlRoom> controls, int32_t width,
                                int32_t height);

}  // namespace velplatform

#endif

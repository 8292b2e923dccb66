#include "SkyTools.h"

namespace velarion::ui {

bool TSkyTools::Available(TSkyTool tool) const {
  switch (tool) {
    case TSkyTool::kNone:
    case TSkyTool::kZoom:
      return true;
    case TSkyTool::kRotation:
      return !detailed_ && !autoRotating_;
    case TSkyTool::kRegionZoom:
    case TSkyTool::kSelection:
    case TSkyTool::kAngle:
      return !autoRotating_;
  }
  return false;
}

bool TSkyTools::Select(TSkyTool tool) {
  if (!Available(tool)) return false;
  current_ = tool;
  return true;
}

void TSkyTools::SetAutoRotating(bool on) {
  if (on == autoRotating_) return;
  autoRotating_ = on;
  if (on) {
    if (current_ != TSkyTool::kZoom) current_ = TSkyTool::kNone;
  } else {
    current_ = TSkyTool::kSelection;
  }
}

void TSkyTools::SetDetailedView(bool detailed) {
  detailed_ = detailed;
  if (detailed && current_ == TSkyTool::kRotation) current_ = TSkyTool::kSelection;
}

TCommandStates CommandStates(bool autoRotating, bool searchableGroups) {
  return {!autoRotating, searchableGroups && !autoRotating, !autoRotating};
}

}  // namespace velarion::ui

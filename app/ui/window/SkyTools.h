// The exclusive tools of the sky area (zoom, region zoom, azimuth rotation, selection,
// angle measurement) and which commands auto rotation and the detailed view leave
// available.
#ifndef VELARION_APP_UI_WINDOW_SKYTOOLS_H
#define VELARION_APP_UI_WINDOW_SKYTOOLS_H

#include <cstdint>

namespace velarion::ui {

enum class TSkyTool : uint8_t { kNone, kZoom, kRegionZoom, kRotation, kSelection, kAngle };

class TSkyTools {
 public:
  TSkyTool Current() const { return current_; }
  // Pressing a tool releases the others; an unavailable tool is refused (false).
  bool Select(TSkyTool tool);
  // The zoom tool always; the rotation tool only in the quick view (up to 600 percent)
  // without auto rotation; the others without auto rotation.
  bool Available(TSkyTool tool) const;

  // Auto rotation releases every tool but the zoom tool; when it ends the selection tool
  // is taken again.
  void SetAutoRotating(bool on);
  // The detailed view releases the rotation tool for the selection tool.
  void SetDetailedView(bool detailed);
  bool AutoRotating() const { return autoRotating_; }
  bool DetailedView() const { return detailed_; }

 private:
  TSkyTool current_ = TSkyTool::kSelection;
  bool autoRotating_ = false;
  bool detailed_ = false;
};

// Commands besides the tools that auto rotation disables.
struct TCommandStates {
  bool timeSteps = true;  // forward, backward, now (menu, buttons, keys)
  bool search = true;     // the search menu, when some group offers search
  bool dateTime = true;   // the date and time dialog
  bool operator==(const TCommandStates&) const = default;
};
TCommandStates CommandStates(bool autoRotating, bool searchableGroups);

}  // namespace velarion::ui

#endif

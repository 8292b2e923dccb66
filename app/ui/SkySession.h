// What the window and the picture export share from start to end of a run: the program
// and settings folders, the colour schemes, the configuration applied to the one sky image,
// the group lists with every group loaded, and the host exports pointed at them.
#ifndef VELARION_APP_UI_SKYSESSION_H
#define VELARION_APP_UI_SKYSESSION_H

#include "ColorSchemes.h"
#include "Configuration.h"
#include "GroupLoader.h"
#include "GuiSession.h"
#include "RiseSet.h"
#include "SkyImage.h"
#include "SkyObj.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace velarion::ui {

// The place, moment and atmosphere of the view as rise and set are computed for them.
solar::TRiseSetObserver RiseSetObserverOf(const sky::TSkyImage& image);

class TSkySession {
 public:
  // Registers the symbol font "astrof.ttf" of the program folder, reads "colors.dat" and
  // "Velarion.ini" from the settings folder and applies the configuration to the sky image.
  TSkySession(std::string programFolder, sky::TScreenMetrics screen, sky::TClockSource clock);
  TSkySession(const TSkySession&) = delete;
  TSkySession& operator=(const TSkySession&) = delete;
  ~TSkySession();

  const std::string& ProgramFolder() const { return programFolder_; }
  const std::string& SettingsFolder() const { return settingsFolder_; }
  std::string SettingsFile() const;
  bool SymbolFontInstalled() const { return symbolFontInstalled_; }

  TConfiguration& Configuration() { return configuration_; }
  sky::TColorSchemes& Schemes() { return schemes_; }
  sky::TSkyImage& Image() { return image_; }
  groups::TGroupList& Groups() { return groups_; }
  groups::TGroupList& Paths() { return paths_; }

  // The built-in groups in their order, then every plug-in under Plugins/, through the
  // loader, then the saved group order; the number of groups the order placed.
  int32_t LoadGroups(groups::TLoadLog& log, bool paced, const std::atomic<bool>& terminated);

  // Shows each group from list position `firstNew` on (those without a saved order) in
  // every view it offers: the choice the window's question presets, taken unasked.
  void ShowInOfferedModes(int32_t firstNew);

  // The configuration as the sky image now has it, and the group order, into the
  // settings file; "colors.dat" when the schemes changed. False when a file failed.
  bool SaveSettings();

 private:
  velplatform::TGuiSession gui_;
  std::string programFolder_;
  std::string settingsFolder_;
  bool symbolFontInstalled_ = false;
  TConfiguration configuration_;
  sky::TColorSchemes schemes_;
  std::vector<kit::TGroupPtr> builtIn_;  // outlive the lists, whose wrappers lend them
  groups::TGroupList groups_;
  groups::TGroupList paths_;
  sky::TSkyImage image_;
};

}  // namespace velarion::ui

#endif

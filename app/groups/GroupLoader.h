// Loading the groups of a program run: each built-in group, then every plug-in library of
// the folder Plugins/, put into the main group list with one log line per group (its name,
// then "Замена..." when it replaces a group of the same code, then "OK" or "Ошибка").
#ifndef VELARION_APP_GROUPS_GROUPLOADER_H
#define VELARION_APP_GROUPS_GROUPLOADER_H

#include "SkyObj.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace velarion::groups {

// Colours of the log segments (0x00BBGGRR).
inline constexpr uint32_t kLogNameColour = 0x000000;
inline constexpr uint32_t kLogReplaceColour = 0x800080;
inline constexpr uint32_t kLogOkColour = 0x008000;
inline constexpr uint32_t kLogErrorColour = 0x000080;

// Where the loading shows its progress: a window, or standard error.
class TLoadLog {
 public:
  virtual ~TLoadLog() = default;
  // A new line whose first segment is `text` (CP1251) in the name colour.
  virtual void BeginLine(std::string_view text) = 0;
  // The next segment of the line, right after the previous one.
  virtual void AppendSegment(std::string_view text, uint32_t colour) = 0;
  // Gives the group its resources; a window disables itself meanwhile.
  virtual bool InitResources(TSkyObjectGroup& group) { return group.InitResources(0); }
  virtual void Beep() {}
};

class TGroupLoader {
 public:
  // `paced`: each line stays at least 30 ms (500 ms after an error) so that it can be read.
  TGroupLoader(TGroupList& list, TLoadLog& log, bool paced);

  // The common step for one wrapper; a missing one (creation failed) is skipped.
  void LoadGroup(std::unique_ptr<TSkyObjectGroup> wrapper);
  // Every library FindPluginLibraries lists; stops before the next one once `terminated`.
  void ScanPluginFolder(const std::string& folder, const std::atomic<bool>& terminated);

 private:
  TGroupList& list_;
  TLoadLog& log_;
  bool paced_;
};

}  // namespace velarion::groups

#endif

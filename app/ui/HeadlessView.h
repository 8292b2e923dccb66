// The view of a command that needs no window (a picture export, the information about an
// object): the configuration and every group loaded as for the window, the place and the
// moment the command line asks for, and nothing written back to the settings.
#ifndef VELARION_APP_UI_HEADLESSVIEW_H
#define VELARION_APP_UI_HEADLESSVIEW_H

#include "ExportOptions.h"
#include "GroupLoader.h"
#include "SkySession.h"
#include "StateFile.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velarion::ui {

// Groups keep their own keys when they are freed; a command changes no setting.
class TSettingsLeftAlone {
 public:
  TSettingsLeftAlone();
  ~TSettingsLeftAlone();
  TSettingsLeftAlone(const TSettingsLeftAlone&) = delete;
  TSettingsLeftAlone& operator=(const TSettingsLeftAlone&) = delete;
};

// A command shows no loading log.
class TSilentLoadLog final : public groups::TLoadLog {
 public:
  void BeginLine(std::string_view) override {}
  void AppendSegment(std::string_view, uint32_t) override {}
};

class THeadlessView {
 public:
  // The groups' loading is told to `log`; the view is `height` pixels high at zoom 100.
  // A state is applied before the options, which override what it sets.
  THeadlessView(const TExportOptions& options, const std::string& programFolder,
                groups::TLoadLog& log, const std::optional<TStateFile>& state = std::nullopt);
  TSkySession& Session() { return session_; }
  sky::TSkyImage& Image() { return session_.Image(); }

 private:
  TSettingsLeftAlone unchanged_;  // outlives the session, whose groups write at the end
  TSkySession session_;
};

}  // namespace velarion::ui

#endif

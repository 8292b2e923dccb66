#include "SkySession.h"

#include "BuiltInGroups.h"
#include "Fonts.h"
#include "GroupListExports.h"
#include "IniAccess.h"
#include "IniFile.h"
#include "Language.h"
#include "ProgramFolder.h"
#include "ProjectionExports.h"
#include "RiseSet.h"
#include "SkyImageExports.h"
#include "SkySettings.h"
#include "StdGroup.h"
#include "VersionExport.h"

#include <algorithm>

namespace velarion::ui {

namespace {

constexpr std::string_view kSymbolFontFile = "astrof.ttf";
constexpr std::string_view kSettingsFileName = "Velarion.ini";
constexpr std::string_view kPluginFolder = "Plugins/";
// The order and views of the groups that come with the program, for the first start.
constexpr std::string_view kDefaultGroupOrderFile = "GroupOrder.def";

}  // namespace

TSkySession::TSkySession(std::string programFolder, sky::TScreenMetrics screen,
                         sky::TClockSource clock)
    : programFolder_(std::move(programFolder)),
      settingsFolder_(velplatform::SettingsFolder(programFolder_)),
      image_(screen, std::move(clock)) {
  sky::SetInterfaceLanguage(sky::LanguageForVersion(kVersionText));
  sky::SetSettingsFile(SettingsFile());
  sky::InitProjectionTables();
  symbolFontInstalled_ =
      velplatform::RegisterSymbolFont(programFolder_ + std::string(kSymbolFontFile));
  image_.SetSymbolFontInstalled(symbolFontInstalled_);
  schemes_.Load(settingsFolder_);
  configuration_ = ReadConfiguration(velplatform::TIniFile(SettingsFile()).Load());
  ApplySkySettings(configuration_, schemes_, image_);
  image_.SetGroupLists(&groups_, &paths_);
  groups::SetMainGroupList(&groups_);
  sky::SetHostSkyImage(&image_);
  solar::SetRiseSetViewSource([this] { return RiseSetObserverOf(image_); });
}

solar::TRiseSetObserver RiseSetObserverOf(const sky::TSkyImage& image) {
  return {
      image.Latitude(), image.Longitude(),    image.Mjd(),
      image.TimeZone(), image.SiderealTime(), image.Refraction(),
      image.Pressure(), image.Temperature(),  image.AzimuthFromSouth() ? uint8_t{1} : uint8_t{0}};
}

TSkySession::~TSkySession() {
  solar::SetRiseSetViewSource(nullptr);
  sky::SetHostSkyImage(nullptr);
  groups::SetMainGroupList(nullptr);
  // Groups go before the tables and the font they use.
  paths_.FreeAll();
  groups_.FreeAll();
  if (symbolFontInstalled_) velplatform::UnregisterSymbolFont();
  sky::FreeProjectionTables();
}

std::string TSkySession::SettingsFile() const {
  return settingsFolder_ + std::string(kSettingsFileName);
}

int32_t TSkySession::LoadGroups(groups::TLoadLog& log, bool paced,
                                const std::atomic<bool>& terminated) {
  groups::TGroupLoader loader(groups_, log, paced);
  builtIn_ = MakeBuiltInGroups(programFolder_);
  for (kit::TGroupPtr& group : builtIn_)
    loader.LoadGroup(std::make_unique<groups::TStdGroup>(*group));
  loader.ScanPluginFolder(programFolder_ + std::string(kPluginFolder), terminated);
  int32_t placed = groups_.RestoreOrderFromIniFile(SettingsFile());
  // The first start: only groups the user adds later are asked about.
  if (placed == 0) {
    placed = groups_.RestoreOrderFromIniFile(programFolder_ + std::string(kDefaultGroupOrderFile));
  }
  image_.MarkViewChanged();
  return placed;
}

void TSkySession::ShowInOfferedModes(int32_t firstNew) {
  for (int32_t i = std::max(firstNew, 0); i < groups_.Count(); ++i) {
    groups::TGroupListElement& element = groups_.Element(i);
    element.SetVisibleInQuickView(true);  // kept only where the group offers the view
    element.SetVisibleInDetailedView(true);
  }
  image_.MarkViewChanged();
}

bool TSkySession::SaveSettings() {
  StoreSkySettings(image_, schemes_, configuration_);
  const velplatform::TIniFile file(SettingsFile());
  bool saved = file.Update([this](velplatform::TIniDocument& document) {
    WriteConfiguration(configuration_, document);
  });
  saved = groups_.SaveOrderToIniFile(SettingsFile()) && saved;
  if (schemes_.changed) saved = schemes_.Save(settingsFolder_) && saved;
  return saved;
}

}  // namespace velarion::ui

#include "GroupLoader.h"

#include "Concat.h"
#include "Cp1251.h"
#include "PluginHost.h"

#include <chrono>
#include <thread>

namespace velarion::groups {

namespace {

using TClock = std::chrono::steady_clock;
constexpr auto kOkPause = std::chrono::milliseconds(30);
constexpr auto kErrorPause = std::chrono::milliseconds(500);

}  // namespace

TGroupLoader::TGroupLoader(TGroupList& list, TLoadLog& log, bool paced)
    : list_(list), log_(log), paced_(paced) {}

void TGroupLoader::LoadGroup(std::unique_ptr<TSkyObjectGroup> wrapper) {
  if (!wrapper) return;
  log_.BeginLine(velplatform::Concat({wrapper->Name, "..."}));
  const TClock::time_point start = TClock::now();
  TClock::time_point deadline;
  if (log_.InitResources(*wrapper)) {
    if (TGroupListElement* old = list_.FindElement(wrapper->Code)) {
      log_.AppendSegment(velplatform::Cp1251("Замена..."), kLogReplaceColour);
      list_.Remove(old);
    }
    list_.AddNewGroup(true).SetGroup(std::move(wrapper));
    log_.AppendSegment("OK", kLogOkColour);
    deadline = start + kOkPause;
  } else {
    log_.Beep();
    wrapper.reset();  // a plug-in's library is unloaded with it
    log_.AppendSegment(velplatform::Cp1251("Ошибка"), kLogErrorColour);
    deadline = TClock::now() + kErrorPause;
  }
  if (paced_) std::this_thread::sleep_until(deadline);
}

void TGroupLoader::ScanPluginFolder(const std::string& folder,
                                    const std::atomic<bool>& terminated) {
  for (const std::string& library : FindPluginLibraries(folder)) {
    if (terminated) return;
    LoadGroup(LoadPlugin(library));
  }
}

}  // namespace velarion::groups

// The eleven exports of a version 2.0 plug-in library. Compiled into every plug-in (not
// into the program): the plug-in defines CreatePluginGroup, and the library's one group
// is created at the first call, after the edition was asked of the host.
#include "Edition.h"
#include "ExportAdapter.h"
#include "HostInterface.h"

namespace velarion::kit {
// Each plug-in's own group.
TGroupPtr CreatePluginGroup();
}  // namespace velarion::kit

namespace {

using namespace velarion::kit;

struct TPluginInstance {
  TPluginInstance() : group((ReadEdition(&::GetVelarionVersion), CreatePluginGroup())) {}
  TGroupPtr group;
  TExportAdapter adapter{*group};
};

TExportAdapter& Adapter() {
  static TPluginInstance instance;  // destroyed when the library is unloaded
  return instance.adapter;
}

// No exception may leave the library: a failing call answers with its neutral value.
template <typename TResult, typename TCall>
TResult Guarded(TResult neutral, TCall call) {
  try {
    return call();
  } catch (...) {
    return neutral;
  }
}

template <typename TCall>
void Guarded(TCall call) {
  try {
    call();
  } catch (...) {
  }
}

}  // namespace

#define VELARION_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

VELARION_PLUGIN_EXPORT int32_t GetGroupInfo(int32_t kind, void* buffer, int32_t size) {
  return Guarded(0, [&] { return Adapter().GetGroupInfo(kind, buffer, size); });
}

VELARION_PLUGIN_EXPORT int32_t GetObjectInfo(int32_t number, int32_t kind, void* buffer,
                                             int32_t size) {
  return Guarded(0, [&] { return Adapter().GetObjectInfo(number, kind, buffer, size); });
}

VELARION_PLUGIN_EXPORT bool InitResources(TOpaqueHandle owner) {
  return Guarded(false, [&] { return Adapter().InitResources(owner); });
}

VELARION_PLUGIN_EXPORT void FreeResources(TOpaqueHandle owner) {
  Guarded([&] { Adapter().FreeResources(owner); });
}

VELARION_PLUGIN_EXPORT void RefreshParam(const void* recordAndColourTable) {
  Guarded([&] { Adapter().RefreshParam(recordAndColourTable); });
}

VELARION_PLUGIN_EXPORT void CalculateObjects(int32_t viewMode, int32_t left, int32_t top,
                                             int32_t right, int32_t bottom, double raMin,
                                             double raMax, double decMin, double decMax,
                                             TVisibleObjectCallback report) {
  Guarded([&] {
    Adapter().CalculateObjects(viewMode, left, top, right, bottom, raMin, raMax, decMin, decMax,
                               report);
  });
}

VELARION_PLUGIN_EXPORT void DrawObjects(TOpaqueHandle device, const int32_t* viewRect,
                                        TNextObjectCallback next) {
  Guarded([&] { Adapter().DrawObjects(device, viewRect, next); });
}

VELARION_PLUGIN_EXPORT int32_t SelectObjectForSearch(TOpaqueHandle owner, void* searchResult) {
  return Guarded(-1, [&] { return Adapter().SelectObjectForSearch(owner, searchResult); });
}

VELARION_PLUGIN_EXPORT bool EditOptions(TOpaqueHandle owner) {
  return Guarded(false, [&] { return Adapter().EditOptions(owner); });
}

VELARION_PLUGIN_EXPORT bool AdvancedInfo(TOpaqueHandle owner, int32_t number, int32_t command) {
  return Guarded(false, [&] { return Adapter().AdvancedInfo(owner, number, command); });
}

VELARION_PLUGIN_EXPORT bool AdvancedAction(TOpaqueHandle owner) {
  return Guarded(false, [&] { return Adapter().AdvancedAction(owner); });
}

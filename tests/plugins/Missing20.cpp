// A version 2.0 library that lacks AdvancedAction: the host must refuse it.
#include "PluginInterface.h"

using namespace velarion::kit;

#define EXPORT extern "C" __attribute__((visibility("default")))

EXPORT int32_t GetGroupInfo(int32_t, void*, int32_t) { return 0; }
EXPORT int32_t GetObjectInfo(int32_t, int32_t, void*, int32_t) { return 0; }
EXPORT bool InitResources(TOpaqueHandle) { return true; }
EXPORT void FreeResources(TOpaqueHandle) {}
EXPORT void RefreshParam(const void*) {}
EXPORT void CalculateObjects(int32_t, int32_t, int32_t, int32_t, int32_t, double, double, double,
                             double, TVisibleObjectCallback) {}
EXPORT void DrawObjects(TOpaqueHandle, const int32_t*, TNextObjectCallback) {}
EXPORT int32_t SelectObjectForSearch(TOpaqueHandle, void*) { return -1; }
EXPORT bool EditOptions(TOpaqueHandle) { return false; }
EXPORT bool AdvancedInfo(TOpaqueHandle, int32_t, int32_t) { return false; }

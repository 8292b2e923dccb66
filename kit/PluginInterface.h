// The exports a plug-in library offers the host, as C function types. Version 2.0
// libraries export the eleven functions of TPluginExports20 (identified by GetGroupInfo),
// version 1.0 libraries the seventeen of TPluginExports10 (identified by GetCatalogInfo).
#ifndef VELARION_KIT_PLUGININTERFACE_H
#define VELARION_KIT_PLUGININTERFACE_H

#include <cstdint>

namespace velarion::kit {

using TOpaqueHandle = uintptr_t;  // window and drawing-device handles

// ---- Interface version 2.0 ------------------------------------------------------------

using TVisibleObjectCallback = void (*)(int32_t number);
using TNextObjectCallback = int32_t (*)(int32_t ignored);  // next number, -1 at the end

struct TPluginExports20 {
  int32_t (*GetGroupInfo)(int32_t kind, void* buffer, int32_t size);
  int32_t (*GetObjectInfo)(int32_t number, int32_t kind, void* buffer, int32_t size);
  bool (*InitResources)(TOpaqueHandle owner);
  void (*FreeResources)(TOpaqueHandle owner);
  void (*RefreshParam)(const void* recordAndColourTable);
  void (*CalculateObjects)(int32_t viewMode, int32_t left, int32_t top, int32_t right,
                           int32_t bottom, double raMin, double raMax, double decMin, double decMax,
                           TVisibleObjectCallback report);
  void (*DrawObjects)(TOpaqueHandle device, const int32_t* viewRect, TNextObjectCallback next);
  int32_t (*SelectObjectForSearch)(TOpaqueHandle owner, void* searchResult);
  bool (*EditOptions)(TOpaqueHandle owner);
  bool (*AdvancedInfo)(TOpaqueHandle owner, int32_t number, int32_t command);
  bool (*AdvancedAction)(TOpaqueHandle owner);
};

// ---- Interface version 1.0 ------------------------------------------------------------

using TVisibleRunCallback = void (*)(int32_t first, int32_t last);
using TNextRunCallback = bool (*)(int32_t* first, int32_t* last);  // false when exhausted

struct TPluginExports10 {
  void (*GetCatalogInfo)(void* groupInfo);
  int32_t (*GetCatalogObject)(int32_t number, void* buffer, int32_t size);
  int32_t (*GetObjectStrings)(int32_t number, void* buffer, int32_t size);
  void (*ShowOptionsDialog)();
  int32_t (*GetAdvancedInfoStrings)(void* buffer, int32_t size);
  bool (*AdvancedInfo)(int32_t number, int32_t command);
  bool (*SearchObjDialog)(int32_t mode, void* buffer, int32_t size);
  bool (*AdvancedAction)(int32_t mode, void* buffer, int32_t size);
  void (*Calculate)(TVisibleRunCallback report);
  void (*DrawAll)(TOpaqueHandle device, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  TNextRunCallback next);
  void (*DetailCalculate)(double raMin, double raMax, double decMin, double decMax, int32_t left,
                          int32_t top, int32_t right, int32_t bottom, TVisibleRunCallback report);
  void (*DetailBeginDraw)(TOpaqueHandle device, int32_t left, int32_t top, int32_t right,
                          int32_t bottom);
  void (*DetailEndDraw)();
  void (*DrawObject)(TOpaqueHandle device, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     int32_t number);
  bool (*GetObjectRect)(int32_t number, int32_t* rect);  // optional
  bool (*InitCatalog)();
  void (*FreeCatalog)();
};

}  // namespace velarion::kit

#endif

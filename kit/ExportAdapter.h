// The plug-in side of the boundary: the eleven version 2.0 exports carried out on one
// group. Every answer that goes into a caller's buffer checks the buffer first.
#ifndef VELARION_KIT_EXPORTADAPTER_H
#define VELARION_KIT_EXPORTADAPTER_H

#include "ObjectGroup.h"
#include "PluginInterface.h"

namespace velarion::kit {

class TExportAdapter {
 public:
  explicit TExportAdapter(TObjectGroup& group) : group_(group) {}

  int32_t GetGroupInfo(int32_t kind, void* buffer, int32_t size);
  int32_t GetObjectInfo(int32_t number, int32_t kind, void* buffer, int32_t size);
  bool InitResources(TOpaqueHandle owner);
  void FreeResources(TOpaqueHandle owner);
  // `recordAndColourTable` holds the 118-byte record and the 56-byte table after it.
  void RefreshParam(const void* recordAndColourTable);
  void CalculateObjects(int32_t viewMode, int32_t left, int32_t top, int32_t right, int32_t bottom,
                        double raMin, double raMax, double decMin, double decMax,
                        TVisibleObjectCallback report);
  void DrawObjects(TOpaqueHandle device, const int32_t* viewRect, TNextObjectCallback next);
  int32_t SelectObjectForSearch(TOpaqueHandle owner, void* searchResult);
  bool EditOptions(TOpaqueHandle owner) { return group_.EditOptions(owner); }
  bool AdvancedInfo(TOpaqueHandle owner, int32_t number, int32_t command) {
    return group_.AdvancedInfo(owner, number, command);
  }
  bool AdvancedAction(TOpaqueHandle owner) { return group_.AdvancedAction(owner); }

 private:
  int32_t ObjectStrings(int32_t number, TBytes buffer);

  TObjectGroup& group_;
};

}  // namespace velarion::kit

#endif

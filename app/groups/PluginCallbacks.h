// The callbacks the host hands to plug-in libraries. Being plain C functions they carry no
// context, so the run list a call fills or walks is held here for the length of that
// call; the host calls one plug-in at a time on one thread.
#ifndef VELARION_APP_GROUPS_PLUGINCALLBACKS_H
#define VELARION_APP_GROUPS_PLUGINCALLBACKS_H

#include "ObjectRangeList.h"

#include <cstdint>

namespace velarion::groups {

// While it lives, the visible-object and visible-run callbacks fill `list`.
class TFillScope {
 public:
  explicit TFillScope(TObjectRangeList& list);
  TFillScope(const TFillScope&) = delete;
  TFillScope& operator=(const TFillScope&) = delete;
  ~TFillScope();

 private:
  TObjectRangeList* previous_;
};

// While it lives, the next-object and next-run callbacks walk `walk`.
class TWalkScope {
 public:
  explicit TWalkScope(TObjectRangeWalk& walk);
  TWalkScope(const TWalkScope&) = delete;
  TWalkScope& operator=(const TWalkScope&) = delete;
  ~TWalkScope();

 private:
  TObjectRangeWalk* previous_;
};

void ReportVisibleObject(int32_t number);
void ReportVisibleRun(int32_t first, int32_t last);
int32_t NextVisibleObject(int32_t ignored);
bool NextVisibleRun(int32_t* first, int32_t* last);

}  // namespace velarion::groups

#endif

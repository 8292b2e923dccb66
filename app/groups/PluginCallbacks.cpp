#include "PluginCallbacks.h"

#include <utility>

namespace velarion::groups {

namespace {

TObjectRangeList* gFilling = nullptr;
TObjectRangeWalk* gWalking = nullptr;

}  // namespace

TFillScope::TFillScope(TObjectRangeList& list) : previous_(std::exchange(gFilling, &list)) {}
TFillScope::~TFillScope() { gFilling = previous_; }

TWalkScope::TWalkScope(TObjectRangeWalk& walk) : previous_(std::exchange(gWalking, &walk)) {}
TWalkScope::~TWalkScope() { gWalking = previous_; }

void ReportVisibleObject(int32_t number) {
  if (gFilling != nullptr) gFilling->AddNumber(number);
}

void ReportVisibleRun(int32_t first, int32_t last) {
  if (gFilling != nullptr) gFilling->AddRun(first, last);
}

int32_t NextVisibleObject(int32_t) { return gWalking != nullptr ? gWalking->Next() : -1; }

bool NextVisibleRun(int32_t* first, int32_t* last) {
  if (gWalking == nullptr || first == nullptr || last == nullptr) return false;
  return gWalking->NextRun(*first, *last);
}

}  // namespace velarion::groups

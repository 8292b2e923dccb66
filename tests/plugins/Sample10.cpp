// A version 1.0 test plug-in, written against the older C interface: ten objects, runs
// (3,5) and (9,10) in the quick view, (2,2) and (6,7) in the detailed view. Built a second
// time with VELARION_TEST_BOTH_SETS it also exports GetGroupInfo, and must still be taken
// for version 1.0.
#include "BoundaryRecords.h"
#include "PluginInterface.h"
#include "TestDevice.h"

#include <cstring>

using namespace velarion::kit;

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

#ifdef VELARION_TEST_BOTH_SETS
constexpr const char* kCode = "BOTH1";
#else
constexpr const char* kCode = "SMP10";
#endif

uintptr_t gDetailDevice = 0;

void CopyBytes(void* buffer, int32_t size, const char* bytes, int32_t count) {
  if (buffer != nullptr && size >= count)
    std::memcpy(buffer, bytes, static_cast<std::size_t>(count));
}

}  // namespace

EXPORT void GetCatalogInfo(void* record) {
  if (record == nullptr) return;
  TGroupInfo info{kCode,
                  "Older",
                  "1.0",
                  10,
                  0,
                  0.0,
                  kFlagSelectable | kFlagHasSearch | kFlagShowInQuickView |
                      kFlagShowInDetailedView | kFlagHasAction | kFlagHasInfoItems,
                  false};
  WriteGroupInfo(info, {static_cast<std::byte*>(record), group_info::kSize});
}

#ifdef VELARION_TEST_BOTH_SETS
EXPORT int32_t GetGroupInfo(int32_t, void*, int32_t) { return 0; }
#endif

EXPORT int32_t GetCatalogObject(int32_t, void* buffer, int32_t size) {
  CopyBytes(buffer, size, "\x01\x02", 2);
  return size >= 2 ? 2 : 0;
}

// Three lines, of which it claims two.
EXPORT int32_t GetObjectStrings(int32_t, void* buffer, int32_t size) {
  CopyBytes(buffer, size, "a\0b\0c\0", 6);
  return 2;
}

EXPORT void ShowOptionsDialog() {}

EXPORT int32_t GetAdvancedInfoStrings(void* buffer, int32_t size) {
  CopyBytes(buffer, size, "i1\0i2\0", 6);
  return 2;
}

EXPORT bool AdvancedInfo(int32_t number, int32_t command) { return number == command; }

EXPORT bool SearchObjDialog(int32_t mode, void* buffer, int32_t size) {
  if (mode == 1) {
    CopyBytes(buffer, size, "find10", 7);
    return true;
  }
  if (mode == 2 && buffer != nullptr && size >= 26) {
    WriteSearchResult10({kCode, 4, 40.0, 4.0}, {static_cast<std::byte*>(buffer), 26});
    return true;
  }
  return false;
}

EXPORT bool AdvancedAction(int32_t mode, void* buffer, int32_t size) {
  if (mode == 1) {
    CopyBytes(buffer, size, "act10", 6);
    return true;
  }
  return mode == 2;
}

EXPORT void Calculate(TVisibleRunCallback report) {
  report(3, 5);
  report(9, 10);
}

EXPORT void DetailCalculate(double, double, double, double, int32_t, int32_t, int32_t, int32_t,
                            TVisibleRunCallback report) {
  report(2, 2);
  report(6, 7);
}

EXPORT void DrawAll(uintptr_t device, int32_t, int32_t, int32_t, int32_t, TNextRunCallback next) {
  int32_t first = 0;
  int32_t last = 0;
  while (next(&first, &last)) {
    for (int32_t n = first; n <= last; ++n) Record(device, kDrawnAll, n);
  }
}

EXPORT void DetailBeginDraw(uintptr_t device, int32_t, int32_t, int32_t, int32_t) {
  gDetailDevice = device;
  Record(device, kBeginDetail, 0);
}

EXPORT void DrawObject(uintptr_t device, int32_t, int32_t, int32_t, int32_t, int32_t number) {
  Record(device, kDrawn, number);
}

EXPORT void DetailEndDraw() { Record(gDetailDevice, kEndDetail, 0); }

EXPORT bool GetObjectRect(int32_t number, int32_t* rect) {
  if (number < 1 || number > 10 || rect == nullptr) return false;
  const int32_t r[4] = {10 * number, 20, 10 * number + 5, 27};
  std::memcpy(rect, r, sizeof r);
  return true;
}

EXPORT bool InitCatalog() { return true; }

EXPORT void FreeCatalog() {}

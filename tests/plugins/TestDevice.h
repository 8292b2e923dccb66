// The tests hand the plug-ins a "device" that is a recording function: every object a
// plug-in draws is reported to it with a code for how it was drawn.
#ifndef VELARION_TESTS_PLUGINS_TESTDEVICE_H
#define VELARION_TESTS_PLUGINS_TESTDEVICE_H

#include <cstdint>

using TTestDevice = void (*)(int32_t event, int32_t number);

enum TTestDrawEvent : int32_t { kDrawn = 1, kDrawnAll = 2, kBeginDetail = 3, kEndDetail = 4 };

inline void Record(uintptr_t device, int32_t event, int32_t number) {
  if (device != 0) reinterpret_cast<TTestDevice>(device)(event, number);
}

#endif

// A library that is no plug-in: it exports neither identifying function.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t SomethingElse() { return 1; }

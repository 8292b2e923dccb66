// Marks the functions the program exports to plug-in libraries (with C linkage, in an
// extern "C" block): the build hides every other symbol.
#ifndef VELARION_APP_SKY_HOSTEXPORT_H
#define VELARION_APP_SKY_HOSTEXPORT_H

#define VELARION_HOST_EXPORT __attribute__((visibility("default")))

#endif

// The program's side of the host interface. Its export headers include this, so that the
// program's definitions of the functions it exports to plug-ins are checked against the
// one declaration plug-ins import (kit/HostInterface.h); the definitions carry the mark
// below, with C linkage.
#ifndef VELARION_APP_SKY_HOSTEXPORT_H
#define VELARION_APP_SKY_HOSTEXPORT_H

#if !defined(VELARION_HOST_PROGRAM)
#error "the program's libraries are built with VELARION_HOST_PROGRAM (app/sky/CMakeLists.txt)"
#endif

#include "HostInterface.h"

#define VELARION_HOST_EXPORT __attribute__((visibility("default")))

#endif

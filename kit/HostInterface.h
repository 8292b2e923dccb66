// The host functions a plug-in may import by name from the program (only plug-ins include
// this: in the program the declarations would turn the definitions weak). They are declared
// weak, so that a library still loads when a host lacks one; a plug-in tests an import
// for null before it calls it.
#ifndef VELARION_KIT_HOSTINTERFACE_H
#define VELARION_KIT_HOSTINTERFACE_H

#include <cstdint>

#define VELARION_HOST_IMPORT __attribute__((weak))

extern "C" {

// The host's version text ("5.72 R"), without a terminating zero: 6, or 0 when the buffer
// is shorter.
VELARION_HOST_IMPORT int32_t GetVelarionVersion(char* buffer, int32_t size);

VELARION_HOST_IMPORT void SetEpoch(double epoch, uint16_t epochType);
VELARION_HOST_IMPORT bool RaDecToXY(double ra, double dec, int32_t* x, int32_t* y);
VELARION_HOST_IMPORT bool QuickRaDecToXY(int32_t ra, int32_t dec, int32_t* x, int32_t* y);
VELARION_HOST_IMPORT bool XYToRaDec(int32_t x, int32_t y, double* ra, double* dec);

VELARION_HOST_IMPORT void SaveIniString(const char* section, const char* key, const char* value);
VELARION_HOST_IMPORT int32_t RestoreIniString(const char* section, const char* key,
                                              const char* defaultValue, char* buffer, int32_t size);

// Bits per pixel of the device the group is drawing on.
VELARION_HOST_IMPORT int32_t GetDrawDeviceBitDepth();

VELARION_HOST_IMPORT bool GetAnotherGroupInfo(const char* code, void* groupInfo);
VELARION_HOST_IMPORT int32_t GetAnotherGroupObject(const char* code, int32_t number, void* buffer,
                                                   int32_t size);
}

#endif

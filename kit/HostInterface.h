// The 21 functions the program exports to plug-ins (cmake/HostExports.cmake lists them),
// with the record types they fill: all a plug-in needs to call its host. The records'
// layouts are in BoundaryRecords.h.
//
// One declaration for both sides. In a plug-in the functions are weak imports, so that a
// library still loads when a host lacks one; a plug-in tests an import for null before it
// calls it. The program's libraries are built with VELARION_HOST_PROGRAM: there the same
// declarations are the exported definitions' own (a definition that differs from its
// declaration does not compile), and they stay strong.
#ifndef VELARION_KIT_HOSTINTERFACE_H
#define VELARION_KIT_HOSTINTERFACE_H

#include "BoundaryRecords.h"

#include <cstdint>

#if defined(VELARION_HOST_PROGRAM)
#define VELARION_HOST_FUNCTION __attribute__((visibility("default")))
#else
#define VELARION_HOST_FUNCTION __attribute__((weak))
#endif

namespace velarion::kit {

// What SetDrawColor sets (its first argument).
enum TDrawColourKind : int32_t {
  kPenColour = 1,
  kTextColour = 2,
  kFillColour = 3,
};

}  // namespace velarion::kit

extern "C" {

// A place as a function of time for the rise and set exports: MJD (UT) in, RA and Dec in
// degrees out.
using TRaDecAtMoment = void (*)(double mjdUt, double* raDeg, double* decDeg);

// ---- Projection -------------------------------------------------------------
// Each answers with its neutral value (nothing done, false) while the program has no
// projection, and for null out pointers.

// The frame of the coordinates the conversions receive: epochType 1 mean equator and
// equinox of `epoch` (T), 2 mean equator of date, 3 true equator of date, 0 horizontal.
VELARION_HOST_FUNCTION void SetEpoch(double epoch, uint16_t epochType);
// Degrees to pixels; true when the point is on the visible side.
VELARION_HOST_FUNCTION bool RaDecToXY(double ra, double dec, int32_t* x, int32_t* y);
// The same from whole arc-minutes (RA 0 .. 21599, Dec -5400 .. 5400), quicker and coarser.
VELARION_HOST_FUNCTION bool QuickRaDecToXY(int32_t ra, int32_t dec, int32_t* x, int32_t* y);
// Pixels to degrees; true inside the horizon circle.
VELARION_HOST_FUNCTION bool XYToRaDec(int32_t x, int32_t y, double* ra, double* dec);

// ---- Drawing, while a group is calculated or drawn --------------------------

// Draws (when `draw`) marked-up text from (x, y); the width in pixels either way.
VELARION_HOST_FUNCTION int32_t DrawString(const char* text, int32_t x, int32_t y, bool draw);
VELARION_HOST_FUNCTION void DrawSymbol(int32_t index, int32_t x, int32_t y, int32_t color);
// Outputs untouched when symbol `index` has no image.
VELARION_HOST_FUNCTION void GetSymbolSize(int32_t index, int32_t* width, int32_t* height);
// `kind`: velarion::kit::TDrawColourKind; the previous colour, 0 for another kind.
VELARION_HOST_FUNCTION int32_t SetDrawColor(int32_t kind, int32_t color);
// Bits per pixel of the device the group is drawing on.
VELARION_HOST_FUNCTION int32_t GetDrawDeviceBitDepth();
// Fills the 147-byte record (kit::common_parameters): the buffer must hold 147 bytes.
VELARION_HOST_FUNCTION void GetCommonParameters(void* params);
// Kind 0 with a buffer of at least 24 bytes: the grid settings (kit::additional_param),
// true; otherwise false and nothing written.
VELARION_HOST_FUNCTION bool GetAdditionalParam(int32_t kind, void* buffer, int32_t size);

// ---- Settings: "Velarion.ini", CP1251 zero-terminated texts ---------------
// A null text counts as empty.

VELARION_HOST_FUNCTION void SaveIniString(const char* section, const char* key, const char* value);
// Copies at most size - 1 characters and a terminating zero; returns the characters
// copied, 0 (nothing written) for a null buffer or a size of 0 or less.
VELARION_HOST_FUNCTION int32_t RestoreIniString(const char* section, const char* key,
                                                const char* defaultValue, char* buffer,
                                                int32_t size);

// ---- Other groups, by their codes ------------------------------------------

// Fills the 60-byte group information record (kit::group_info); false, and the record
// untouched, for an unknown code. The Catalog form is the same function under its older
// name.
VELARION_HOST_FUNCTION bool GetAnotherGroupInfo(const char* code, void* groupInfo);
VELARION_HOST_FUNCTION bool GetAnotherCatalogInfo(const char* code, void* groupInfo);
// The object's own record when the group has one (its size: kit::sun_data,
// kit::moon_data, kit::planet_data, ...), else its common object record with "VLOD"
// (kit::common_object, 189) when the buffer holds it, else 0.
VELARION_HOST_FUNCTION int32_t GetAnotherGroupObject(const char* code, int32_t number, void* buffer,
                                                     int32_t size);
VELARION_HOST_FUNCTION int32_t GetAnotherCatalogObject(const char* code, int32_t number,
                                                       void* buffer, int32_t size);

// ---- Rise and set for the sky view ------------------------------------------

// Fills `record` (kit::rise_set_record, 36 bytes, when not null) and `text` (when not null
// and textSize >= 1, cut to textSize - 1 characters and a zero byte). Returns the length
// written with its zero byte, 0 without text; with neither record nor text nothing is
// computed. `h0`: the altitude (degrees) that counts as rising; `epoch`: the equinox (T)
// of the places the callback gives.
VELARION_HOST_FUNCTION int32_t CalcRiseSettTime(double h0, double epoch, TRaDecAtMoment callback,
                                                void* record, char* text, int32_t textSize);
// Computes the times (no text) and shows them in their window; returns when it is closed.
VELARION_HOST_FUNCTION void ShowRiseSettDialog(double h0, double epoch, TRaDecAtMoment callback);

// ---- The main window ---------------------------------------------------------

// Queues a redraw, and returns at once: non-zero when queued. `recalculate` non-zero
// recalculates first; `groupCode`: the one group to recalculate, or none (null or empty)
// for the whole view; copied at once.
VELARION_HOST_FUNCTION int32_t RefreshSkyImage(uint8_t recalculate, const char* groupCode);
// The host's version text ("5.72 R"; its last letter is the edition) without a
// terminating zero: 6, or 0 (nothing written) for a null buffer or a size below 6.
VELARION_HOST_FUNCTION int32_t GetVelarionVersion(char* buffer, int32_t size);
}

#endif

// The enhanced metafile of a drawing: the header record (bounds, frame in 0.01 mm, the
// " EMF" signature, counts, the description "Velarion 5.72R", a 96 dpi reference device),
// the records, the end record. Every record is a 32-bit type and a 32-bit size in bytes,
// a multiple of 4; coordinates are the picture's pixels; texts are UTF-16 with the
// advance of each character.
#ifndef VELARION_APP_UI_PICTURES_EMFFILE_H
#define VELARION_APP_UI_PICTURES_EMFFILE_H

#include "MetafileRecords.h"

#include <string>

namespace velarion::ui {

namespace emf_layout {
inline constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
inline constexpr std::size_t kHeaderSize = 108;
// Header fields, counted from the record's start.
inline constexpr std::size_t kBounds = 8, kFrame = 24, kSignatureAt = 40, kVersion = 44,
                             kBytes = 48, kRecords = 52, kHandles = 56, kDescriptionLength = 60,
                             kDescriptionOffset = 64, kDevice = 72, kMillimetres = 80,
                             kMicrometres = 100;
// Record types written.
inline constexpr uint32_t kHeader = 1, kPolygon = 3, kPolyline = 4, kEof = 14, kSetBkMode = 18,
                          kSetRop2 = 20, kSetTextColor = 24, kSelectObject = 37, kCreatePen = 38,
                          kCreateBrush = 39, kDeleteObject = 40, kEllipse = 42, kRectangle = 43,
                          kCreateFont = 82, kExtTextOutW = 84;
inline constexpr int32_t kReferencePixels = 9600;  // a 96 dpi device of 2540 mm
inline constexpr int32_t kReferenceMillimetres = 2540;
inline constexpr char16_t kDescription[] = u"Velarion 5.72R\0\0";
}  // namespace emf_layout

std::string EmfFileBytes(const meta::TDrawing& drawing);

}  // namespace velarion::ui

#endif

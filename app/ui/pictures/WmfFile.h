// The Windows metafile of a drawing: the placeable header (the picture's box at 96 units per
// inch), the 18-byte metafile header, the records, the end record. Records are counted in
// 16-bit words: a 32-bit size, the function number, then the parameters, points and boxes
// with y before x as the format orders them. Coordinates are the picture's pixels.
#ifndef VELARION_APP_UI_PICTURES_WMFFILE_H
#define VELARION_APP_UI_PICTURES_WMFFILE_H

#include "MetafileRecords.h"

#include <string>

namespace velarion::ui {

namespace wmf_layout {
inline constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
inline constexpr std::size_t kPlaceableSize = 22, kHeaderSize = 18;
inline constexpr int16_t kUnitsPerInch = 96;
// Function numbers of the records written.
inline constexpr uint16_t kEof = 0x0000, kSetBkMode = 0x0102, kSetRop2 = 0x0104,
                          kSetTextColor = 0x0209, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C,
                          kRectangle = 0x041B, kEllipse = 0x0418, kPolygon = 0x0324,
                          kPolyline = 0x0325, kTextOut = 0x0521, kSelectObject = 0x012D,
                          kDeleteObject = 0x01F0, kCreatePen = 0x02FA, kCreateBrush = 0x02FC,
                          kCreateFont = 0x02FB;
inline constexpr uint16_t kTransparent = 1;
inline constexpr uint8_t kRussianCharset = 204, kSymbolCharset = 2;
}  // namespace wmf_layout

std::string WmfFileBytes(const meta::TDrawing& drawing);

}  // namespace velarion::ui

#endif

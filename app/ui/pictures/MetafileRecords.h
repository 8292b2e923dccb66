// What the metafile device keeps of a drawing, in order: the state changes and the shapes,
// already clipped to the clip rectangle and to the reach of 16-bit coordinates, so that
// the WMF and EMF writers only translate them into their records.
#ifndef VELARION_APP_UI_PICTURES_METAFILERECORDS_H
#define VELARION_APP_UI_PICTURES_METAFILERECORDS_H

#include "DrawDevice.h"

#include <string>
#include <variant>
#include <vector>

namespace velarion::ui::meta {

using velplatform::TColor;
using velplatform::TPoint;
using velplatform::TRect;

struct TPen {
  TColor color;  // RGB, the palette bit removed
  int32_t width;
  velplatform::TPenStyle style;
  bool operator==(const TPen&) const = default;
};
struct TBrush {
  TColor color;
  velplatform::TBrushStyle style;
  bool operator==(const TBrush&) const = default;
};
struct TFont {
  std::string face;  // the family, "Symbol" for the Greek font
  int32_t height;    // cell height, pixels
  bool bold;
  bool italic;
  bool symbolCharset;  // Latin letters shown as Greek ones
  bool operator==(const TFont&) const = default;
};
struct TTextColor {
  TColor color;
};
struct TRasterOp {
  velplatform::TRasterOp op;
};
struct TPolyline {
  std::vector<TPoint> points;  // at least 2
};
struct TPolygon {
  std::vector<TPoint> points;  // at least 3; outlined with the pen, filled with the brush
};
struct TEllipse {
  TRect box;  // right and bottom exclusive
};
struct TRectangle {
  TRect box;  // right and bottom exclusive
};
struct TText {
  TPoint cell;                    // the cell's top-left corner
  std::string text;               // CP1251
  std::vector<int32_t> advances;  // pixels per character
};

using TRecord = std::variant<TPen, TBrush, TFont, TTextColor, TRasterOp, TPolyline, TPolygon,
                             TEllipse, TRectangle, TText>;

struct TDrawing {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<TRecord> records;
};

}  // namespace velarion::ui::meta

#endif

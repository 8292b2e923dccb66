#include "EmfFile.h"

#include "ByteWriter.h"
#include "Cp1251.h"
#include "MetafileObjects.h"

#include <algorithm>

namespace velarion::ui {

namespace {

using namespace emf_layout;

constexpr uint8_t kDefaultCharset = 1, kSymbolCharset = 2;
constexpr uint32_t kCompatibleGraphics = 1;

// Bounds inclusive, in pixels.
struct TBounds {
  int32_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
  void Add(meta::TPoint p) {
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x);
    bottom = std::max(bottom, p.y);
  }
};

class TEmfWriter {
 public:
  explicit TEmfWriter(const meta::TDrawing& drawing) : drawing_(drawing) {}

  std::string Write() {
    Header();
    Record(kSetBkMode, {1});  // transparent
    for (const meta::TRecord& record : drawing_.records)
      std::visit([this](const auto& r) { Add(r); }, record);
    Record(kEof, {0, 16, 20});  // no palette; the offset and this record's size
    out_.Patch(kBytes, static_cast<uint32_t>(out_.Size()));
    out_.Patch(kRecords, count_);
    out_.Patch(kHandles, static_cast<uint16_t>(objects_.TableSize()));
    return out_.Take();
  }

 private:
  void Begin(uint32_t type, uint32_t size) {
    out_.Put(type);
    out_.Put(size);
    ++count_;
  }
  void Record(uint32_t type, std::initializer_list<uint32_t> fields) {
    Begin(type, static_cast<uint32_t>(8 + 4 * fields.size()));
    for (const uint32_t field : fields) out_.Put(field);
  }
  void PutBox(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    out_.Put(left);
    out_.Put(top);
    out_.Put(right);
    out_.Put(bottom);
  }

  void Header() {
    const int32_t w = drawing_.width;
    const int32_t h = drawing_.height;
    Begin(kHeader, static_cast<uint32_t>(kHeaderSize + sizeof(kDescription) - sizeof(char16_t)));
    PutBox(0, 0, w - 1, h - 1);
    // The frame in 0.01 mm at 96 dpi.
    const auto hundredths = [](int32_t pixels) {
      return static_cast<int32_t>(static_cast<int64_t>(pixels) * 2540 / 96);
    };
    PutBox(0, 0, hundredths(w) - 1, hundredths(h) - 1);
    out_.Put(kSignature);
    out_.Put(uint32_t{0x10000});
    out_.Put(uint32_t{0});  // bytes, filled in at the end
    out_.Put(uint32_t{0});  // records
    out_.Put(uint16_t{0});  // handles
    out_.Put(uint16_t{0});
    const auto descriptionChars = static_cast<uint32_t>(std::size(kDescription) - 1);
    out_.Put(descriptionChars);
    out_.Put(static_cast<uint32_t>(kHeaderSize));
    out_.Put(uint32_t{0});  // palette entries
    out_.Put(kReferencePixels);
    out_.Put(kReferencePixels);
    out_.Put(kReferenceMillimetres);
    out_.Put(kReferenceMillimetres);
    out_.Put(uint32_t{0});  // no pixel format
    out_.Put(uint32_t{0});
    out_.Put(uint32_t{0});  // no OpenGL
    out_.Put(kReferenceMillimetres * 1000);
    out_.Put(kReferenceMillimetres * 1000);
    for (std::size_t i = 0; i < descriptionChars; ++i)
      out_.Put(static_cast<uint16_t>(kDescription[i]));
  }

  // Creates the object, selects it and deletes the one it replaces.
  uint32_t NewSlot(uint32_t& selected) {
    const uint32_t slot = objects_.Create();
    previous_ = selected;
    selected = slot;
    return slot;
  }
  void SelectNew(uint32_t slot) {
    Record(kSelectObject, {slot});
    if (previous_ != TSelectedObjects::kNone) {
      Record(kDeleteObject, {previous_});
      objects_.Delete(previous_);
    }
  }

  void Add(const meta::TPen& pen) {
    const uint32_t slot = NewSlot(selected_.pen);
    Record(kCreatePen,
           {slot, PenStyleCode(pen.style), static_cast<uint32_t>(pen.width), 0, pen.color});
    SelectNew(slot);
  }
  void Add(const meta::TBrush& brush) {
    const uint32_t slot = NewSlot(selected_.brush);
    Record(kCreateBrush, {slot, BrushStyleCode(brush.style), brush.color, 0});
    SelectNew(slot);
  }
  void Add(const meta::TFont& font) {
    constexpr std::size_t kFaceChars = 32;
    const uint32_t slot = NewSlot(selected_.font);
    Begin(kCreateFont, 8 + 4 + 28 + 2 * kFaceChars);
    out_.Put(slot);
    out_.Put(font.height);  // positive: the cell height
    out_.PutZeros(12);      // width, escapement, orientation
    out_.Put(static_cast<int32_t>(font.bold ? kBoldWeight : kNormalWeight));
    out_.Put(static_cast<uint8_t>(font.italic));
    out_.PutZeros(2);
    out_.Put(font.symbolCharset ? kSymbolCharset : kDefaultCharset);
    out_.PutZeros(4);
    std::u16string face = velplatform::Cp1251ToUtf16(font.face).substr(0, kFaceChars - 1);
    face.resize(kFaceChars, u'\0');
    for (const char16_t c : face) out_.Put(static_cast<uint16_t>(c));
    SelectNew(slot);
  }
  void Add(const meta::TTextColor& colour) { Record(kSetTextColor, {colour.color}); }
  void Add(const meta::TRasterOp& op) { Record(kSetRop2, {RasterOpCode(op.op)}); }
  void AddPoints(uint32_t type, const std::vector<meta::TPoint>& points) {
    TBounds bounds;
    for (const meta::TPoint p : points) bounds.Add(p);
    Begin(type, static_cast<uint32_t>(28 + 8 * points.size()));
    PutBox(bounds.left, bounds.top, bounds.right, bounds.bottom);
    out_.Put(static_cast<uint32_t>(points.size()));
    for (const meta::TPoint p : points) {
      out_.Put(p.x);
      out_.Put(p.y);
    }
  }
  void Add(const meta::TPolyline& line) { AddPoints(kPolyline, line.points); }
  void Add(const meta::TPolygon& polygon) { AddPoints(kPolygon, polygon.points); }
  void AddBox(uint32_t type, const meta::TRect& box) {
    Begin(type, 24);
    PutBox(box.left, box.top, box.right, box.bottom);
  }
  void Add(const meta::TEllipse& ellipse) { AddBox(kEllipse, ellipse.box); }
  void Add(const meta::TRectangle& rectangle) { AddBox(kRectangle, rectangle.box); }
  void Add(const meta::TText& text) {
    const std::u16string characters = velplatform::Cp1251ToUtf16(text.text);
    const std::size_t count = characters.size();
    const std::size_t stringBytes = (2 * count + 3) / 4 * 4;
    constexpr uint32_t kStringAt = 76;
    const auto dxAt = static_cast<uint32_t>(kStringAt + stringBytes);
    Begin(kExtTextOutW, static_cast<uint32_t>(dxAt + 4 * count));
    int32_t width = 0;
    for (std::size_t i = 0; i < count && i < text.advances.size(); ++i) width += text.advances[i];
    PutBox(text.cell.x, text.cell.y, text.cell.x + width, text.cell.y);
    out_.Put(kCompatibleGraphics);
    out_.Put(uint32_t{0});  // x and y scales, unused in compatible mode
    out_.Put(uint32_t{0});
    out_.Put(text.cell.x);
    out_.Put(text.cell.y);
    out_.Put(static_cast<uint32_t>(count));
    out_.Put(kStringAt);
    out_.Put(uint32_t{0});  // no options: no clipping, no opaque background
    PutBox(0, 0, -1, -1);
    out_.Put(dxAt);
    for (const char16_t c : characters) out_.Put(static_cast<uint16_t>(c));
    out_.PutZeros(stringBytes - 2 * count);
    for (std::size_t i = 0; i < count; ++i)
      out_.Put(i < text.advances.size() ? text.advances[i] : 0);
  }

  const meta::TDrawing& drawing_;
  TByteWriter out_;
  uint32_t count_ = 0;
  TMetafileObjects objects_{1};
  TSelectedObjects selected_;
  uint32_t previous_ = TSelectedObjects::kNone;
};

}  // namespace

std::string EmfFileBytes(const meta::TDrawing& drawing) { return TEmfWriter(drawing).Write(); }

}  // namespace velarion::ui

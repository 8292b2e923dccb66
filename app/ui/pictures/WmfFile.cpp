#include "WmfFile.h"

#include "ByteWriter.h"
#include "MetafileObjects.h"

#include <algorithm>

namespace velarion::ui {

namespace {

using namespace wmf_layout;

class TWmfWriter {
 public:
  explicit TWmfWriter(const meta::TDrawing& drawing) : drawing_(drawing) {}

  std::string Write() {
    Record(kSetWindowOrg, {0, 0});
    Record(kSetWindowExt, {Word(drawing_.height), Word(drawing_.width)});
    Record(kSetBkMode, {kTransparent});
    for (const meta::TRecord& record : drawing_.records)
      std::visit([this](const auto& r) { Add(r); }, record);
    Record(kEof, {});
    return Finish();
  }

 private:
  static uint16_t Word(int32_t value) { return static_cast<uint16_t>(static_cast<int16_t>(value)); }

  void Record(uint16_t function, std::initializer_list<uint16_t> parameters) {
    std::vector<uint16_t> words(parameters);
    Record(function, words);
  }
  void Record(uint16_t function, const std::vector<uint16_t>& parameters) {
    const auto size = static_cast<uint32_t>(3 + parameters.size());
    largest_ = std::max(largest_, size);
    records_.Put(size);
    records_.Put(function);
    for (const uint16_t word : parameters) records_.Put(word);
  }
  static void PutColour(std::vector<uint16_t>& words, meta::TColor colour) {
    words.push_back(static_cast<uint16_t>(colour & 0xFFFF));
    words.push_back(static_cast<uint16_t>(colour >> 16));
  }
  // Creates the object, selects it and deletes the one it replaces.
  void Replace(uint16_t function, const std::vector<uint16_t>& parameters, uint32_t& selected) {
    Record(function, parameters);
    const uint32_t slot = objects_.Create();
    Record(kSelectObject, {static_cast<uint16_t>(slot)});
    if (selected != TSelectedObjects::kNone) {
      Record(kDeleteObject, {static_cast<uint16_t>(selected)});
      objects_.Delete(selected);
    }
    selected = slot;
  }
  static std::vector<uint16_t> PointWords(const std::vector<meta::TPoint>& points) {
    std::vector<uint16_t> words{static_cast<uint16_t>(points.size())};
    for (const meta::TPoint p : points) {
      words.push_back(Word(p.x));
      words.push_back(Word(p.y));
    }
    return words;
  }
  static std::vector<uint16_t> BoxWords(const meta::TRect& box) {
    return {Word(box.bottom), Word(box.right), Word(box.top), Word(box.left)};
  }

  void Add(const meta::TPen& pen) {
    std::vector<uint16_t> words{PenStyleCode(pen.style), Word(pen.width), 0};
    PutColour(words, pen.color);
    Replace(kCreatePen, words, selected_.pen);
  }
  void Add(const meta::TBrush& brush) {
    std::vector<uint16_t> words{BrushStyleCode(brush.style)};
    PutColour(words, brush.color);
    words.push_back(0);  // hatch
    Replace(kCreateBrush, words, selected_.brush);
  }
  void Add(const meta::TFont& font) {
    TByteWriter bytes;
    bytes.Put(static_cast<int16_t>(font.height));  // positive: the cell height
    bytes.PutZeros(6);                             // width, escapement, orientation
    bytes.Put(static_cast<int16_t>(font.bold ? kBoldWeight : kNormalWeight));
    bytes.Put(static_cast<uint8_t>(font.italic));
    bytes.PutZeros(2);  // underline, strike out
    bytes.Put(font.symbolCharset ? kSymbolCharset : kRussianCharset);
    bytes.PutZeros(4);  // precisions, quality, pitch and family
    bytes.PutBytes(std::string_view(font.face).substr(0, 31));
    bytes.PutZeros(bytes.Size() % 2 == 0 ? 2 : 1);
    Replace(kCreateFont, Words(bytes.Take()), selected_.font);
  }
  void Add(const meta::TTextColor& colour) {
    std::vector<uint16_t> words;
    PutColour(words, colour.color);
    Record(kSetTextColor, words);
  }
  void Add(const meta::TRasterOp& op) { Record(kSetRop2, {RasterOpCode(op.op), 0}); }
  void Add(const meta::TPolyline& line) { Record(kPolyline, PointWords(line.points)); }
  void Add(const meta::TPolygon& polygon) { Record(kPolygon, PointWords(polygon.points)); }
  void Add(const meta::TEllipse& ellipse) { Record(kEllipse, BoxWords(ellipse.box)); }
  void Add(const meta::TRectangle& rectangle) { Record(kRectangle, BoxWords(rectangle.box)); }
  void Add(const meta::TText& text) {
    std::string bytes = text.text.substr(0, 0x7FFF);
    std::vector<uint16_t> words{static_cast<uint16_t>(bytes.size())};
    if (bytes.size() % 2 != 0) bytes.push_back('\0');
    const std::vector<uint16_t> characters = Words(bytes);
    words.insert(words.end(), characters.begin(), characters.end());
    words.push_back(Word(text.cell.y));
    words.push_back(Word(text.cell.x));
    Record(kTextOut, words);
  }
  static std::vector<uint16_t> Words(std::string_view bytes) {
    std::vector<uint16_t> words(bytes.size() / 2);
    for (std::size_t i = 0; i < words.size(); ++i) {
      words[i] = static_cast<uint16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                       (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
    }
    return words;
  }

  std::string Finish() {
    std::string body = records_.Take();
    TByteWriter out;
    // The placeable header: key, handle, box, units per inch, reserved, checksum.
    const uint16_t placeable[10] = {static_cast<uint16_t>(kPlaceableKey & 0xFFFF),
                                    static_cast<uint16_t>(kPlaceableKey >> 16),
                                    0,
                                    0,
                                    0,
                                    Word(drawing_.width),
                                    Word(drawing_.height),
                                    static_cast<uint16_t>(kUnitsPerInch),
                                    0,
                                    0};
    uint16_t checksum = 0;
    for (const uint16_t word : placeable) {
      out.Put(word);
      checksum ^= word;
    }
    out.Put(checksum);
    // The metafile header: in memory, 9 words, version 3.0, sizes in words.
    out.Put(uint16_t{1});
    out.Put(uint16_t{kHeaderSize / 2});
    out.Put(uint16_t{0x0300});
    out.Put(static_cast<uint32_t>((kHeaderSize + body.size()) / 2));
    out.Put(static_cast<uint16_t>(objects_.TableSize()));
    out.Put(largest_);
    out.Put(uint16_t{0});
    out.PutBytes(body);
    return out.Take();
  }

  const meta::TDrawing& drawing_;
  TByteWriter records_;
  TMetafileObjects objects_{0};
  TSelectedObjects selected_;
  uint32_t largest_ = 0;
};

}  // namespace

std::string WmfFileBytes(const meta::TDrawing& drawing) { return TWmfWriter(drawing).Write(); }

}  // namespace velarion::ui

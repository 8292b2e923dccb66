#include "SavePicture.h"

#include "AtomicFile.h"
#include "BmpFile.h"
#include "ColourQuantiser.h"
#include "Cp1251.h"
#include "Devices.h"
#include "EmfFile.h"
#include "GifFile.h"
#include "MetafileDevice.h"
#include "PictureLegend.h"
#include "QtPictureFiles.h"
#include "WmfFile.h"

#include <new>
#include <variant>

namespace velarion::ui {

namespace {

using velplatform::Cp1251;
using velplatform::TPixelView;

// The printer's colour scheme while a 1-bit picture is drawn; the view is redrawn after.
class TPrintingScope {
 public:
  TPrintingScope(sky::TSkyImage& image, bool printing) : image_(image) {
    image_.SetPrinting(printing);
  }
  ~TPrintingScope() {
    image_.SetPrinting(false);
    image_.MarkViewChanged();
  }
  TPrintingScope(const TPrintingScope&) = delete;
  TPrintingScope& operator=(const TPrintingScope&) = delete;

 private:
  sky::TSkyImage& image_;
};

uint32_t PixelOf(velplatform::TColor color) {
  return 0xFF000000 | (velplatform::RedOf(color) << 16) | (velplatform::GreenOf(color) << 8) |
         velplatform::BlueOf(color);
}

std::optional<std::string> RasterBytes(TPictureKind kind, int32_t depth, const TPixelView& view,
                                       velplatform::TColor background) {
  const auto indexed = [&] {
    return depth == 1 ? ReduceToMono(view, PixelOf(background)) : ReduceTo256Colours(view);
  };
  switch (kind) {
    case TPictureKind::kBmp:
      return depth == 24 ? BmpFileBytes(view) : BmpFileBytes(indexed());
    case TPictureKind::kGif:
      return GifFileBytes(indexed());
    case TPictureKind::kPng:
      return depth == 24 ? PngFileBytes(view) : PngFileBytes(indexed());
    case TPictureKind::kSvg:
      return SvgFileBytes(view);
    case TPictureKind::kPdf:
      return PdfFileBytes(view);
    case TPictureKind::kWmf:
    case TPictureKind::kEmf:
      break;
  }
  return std::nullopt;
}

std::string NotEnoughMemory(const TPictureRequest& request) {
  return Cp1251("Недостаточно памяти для рисунка ") + std::to_string(request.width) + " x " +
         std::to_string(request.height) + ".";
}

// The picture drawn and encoded; the message of the failure otherwise.
std::variant<std::string, std::string> Encoded(sky::TSkyImage& image,
                                               const TPictureRequest& request) {
  using TResult = std::variant<std::string, std::string>;
  const TPrintingScope printing(image, request.depth == 1);
  const auto draw = [&](velplatform::TDrawDevice& device) {
    image.PaintSky(device, true);
    if (request.legend) DrawPictureLegend(image, device);
  };
  if (IsMetafileKind(request.kind)) {
    TMetafileDevice device(request.width, request.height, request.depth);
    draw(device);
    return TResult(std::in_place_index<0>, request.kind == TPictureKind::kWmf
                                               ? WmfFileBytes(device.Drawing())
                                               : EmfFileBytes(device.Drawing()));
  }
  const auto device = velplatform::TryCreateImageDevice(request.width, request.height);
  if (!device) return TResult(std::in_place_index<1>, NotEnoughMemory(request));
  draw(*device);
  const std::optional<TPixelView> view = velplatform::PixelsOf(*device);
  std::optional<std::string> bytes;
  if (view) bytes = RasterBytes(request.kind, request.depth, *view, image.BackgroundColor());
  if (!bytes) return TResult(std::in_place_index<1>, Cp1251("Не удалось записать рисунок."));
  return TResult(std::in_place_index<0>, std::move(*bytes));
}

}  // namespace

std::optional<std::string> PictureSizeProblem(int32_t width, int32_t height) {
  if (width >= kMinPictureSide && width <= kMaxPictureSide && height >= kMinPictureSide &&
      height <= kMaxPictureSide) {
    return std::nullopt;
  }
  return Cp1251("Ширина и высота рисунка должны быть от ") + std::to_string(kMinPictureSide) +
         Cp1251(" до ") + std::to_string(kMaxPictureSide) + Cp1251(" точек.");
}

std::optional<std::string> SavePicture(sky::TSkyImage& image, const TPictureRequest& request) {
  if (auto problem = PictureSizeProblem(request.width, request.height)) return problem;
  if (!KindTakesDepth(request.kind, request.depth)) {
    return Cp1251("Этот вид файла не допускает глубину цвета ") + std::to_string(request.depth) +
           ".";
  }
  std::variant<std::string, std::string> encoded;
  try {
    encoded = Encoded(image, request);
  } catch (const std::bad_alloc&) {
    return NotEnoughMemory(request);
  }
  if (encoded.index() == 1) return std::get<1>(encoded);
  if (!velplatform::WriteFileAtomically(request.file, std::get<0>(encoded)))
    return Cp1251("Не удалось записать файл ") + velplatform::Utf8ToCp1251(request.file) + ".";
  return std::nullopt;
}

}  // namespace velarion::ui

#include "QtPictureFiles.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace velarion::ui {

namespace {

constexpr double kDotsPerInch = 96.0;
constexpr double kPointsPerInch = 72.0;

// The view's pixels as a Qt image, not copied.
QImage ImageOf(const velplatform::TPixelView& picture) {
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, picture.width * 4, QImage::Format_RGB32);
}

std::optional<std::string> Encoded(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format)) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace

std::optional<std::string> PngFileBytes(const velplatform::TPixelView& picture) {
  return Encoded(ImageOf(picture), "PNG");
}

std::optional<std::string> PngFileBytes(const TIndexedPicture& picture) {
  QImage image(picture.width, picture.height,
               picture.bits == 1 ? QImage::Format_Mono : QImage::Format_Indexed8);
  if (image.isNull()) return std::nullopt;
  image.setColorTable(QList<QRgb>(picture.palette.begin(), picture.palette.end()));
  for (int32_t y = 0; y < picture.height; ++y) {
    const uint8_t* row = picture.indices.data() + static_cast<std::size_t>(y) * picture.width;
    for (int32_t x = 0; x < picture.width; ++x) image.setPixel(x, y, row[x]);
  }
  return Encoded(image, "PNG");
}

std::optional<std::string> PdfFileBytes(const velplatform::TPixelView& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator("Velarion");
    writer.setResolution(static_cast<int>(kDotsPerInch));
    const QSizeF points(picture.width * kPointsPerInch / kDotsPerInch,
                        picture.height * kPointsPerInch / kDotsPerInch);
    writer.setPageSize(QPageSize(points, QPageSize::Point));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter;
    if (!painter.begin(&writer)) return std::nullopt;
    painter.drawImage(QRect(0, 0, picture.width, picture.height), ImageOf(picture));
    if (!painter.end()) return std::nullopt;
  }
  return bytes.toStdString();
}

std::optional<std::string> SvgFileBytes(const velplatform::TPixelView& picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(picture.width, picture.height));
  generator.setViewBox(QRect(0, 0, picture.width, picture.height));
  generator.setResolution(static_cast<int>(kDotsPerInch));
  generator.setTitle("Velarion");
  QPainter painter;
  if (!painter.begin(&generator)) return std::nullopt;
  painter.drawImage(QPoint(0, 0), ImageOf(picture));
  if (!painter.end()) return std::nullopt;
  return bytes.toStdString();
}

}  // namespace velarion::ui

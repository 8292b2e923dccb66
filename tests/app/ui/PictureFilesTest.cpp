// Every picture kind and colour depth, read back by programs that share no code with ours
// (ImageMagick for BMP, GIF, PNG and SVG, pdftoppm for PDF, wmf2svg for WMF; the EMF walked
// record by record here): the file opens at its size and shows the bright stars where an
// independent computation puts them (tests/fixtures/oracles/star_pixels_oracle.csv, made
// for 1600 x 1200; these pictures are half that size, zoom 100, so every place halves).
#include "ByteFields.h"
#include "Cp1251.h"
#include "EmfFile.h"
#include "OracleTable.h"
#include "PictureExport.h"
#include "StarsOnlyFolder.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using velarion::ui::TExportOptions;
using velarion::ui::TPictureKind;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr double kOracleScale = 0.5;
constexpr int kReach = 3;  // pixels: rounding, and the readers' own smoothing

struct TStar {
  std::string name;
  double x;
  double y;
};

std::vector<TStar> OracleStars() {
  const veltest::TOracleTable table("star_pixels_oracle.csv");
  std::vector<TStar> stars;
  for (std::size_t i = 0; i < table.Size(); ++i) {
    stars.push_back({table.Text(i, "name"), table.Number(i, "x") * kOracleScale,
                     table.Number(i, "y") * kOracleScale});
  }
  return stars;
}

TExportOptions Options(const std::string& file, TPictureKind kind, int depth, bool legend) {
  TExportOptions options;
  options.file = file;
  options.kind = kind;
  options.depth = depth;
  options.legend = legend;
  options.width = kWidth;
  options.height = kHeight;
  options.time = velarion::sky::TLocalDateTime{10, 12, 2026, 22, 0, 0};
  return options;
}

int Run(const std::string& command) { return std::system(command.c_str()); }

// The picture as an independent reader draws it, as a PNG beside the file.
QImage ReadBack(const std::string& file, TPictureKind kind) {
  const std::string png = file + ".read.png";
  const std::string quoted = "'" + file + "'";
  int status = 0;
  switch (kind) {
    case TPictureKind::kPdf:
      status = Run("pdftoppm -png -r 96 -singlefile " + quoted + " '" + file + ".read'");
      break;
    case TPictureKind::kWmf:
      // wmf2svg shrinks to 768 x 512 unless told the size, and copies the texts' bytes as
      // they are: CP1251, which the SVG reader refuses.
      status = Run("wmf2svg --maxsize --maxwidth=" + std::to_string(kWidth) + " --maxheight=" +
                   std::to_string(kHeight) + " " + quoted + " | iconv -f cp1251 -t utf-8 > '" +
                   file + ".svg' && convert '" + file + ".svg' '" + png + "'");
      break;
    default:
      status = Run("convert " + quoted + " -alpha off -depth 8 '" + png + "'");
      break;
  }
  if (status != 0) return {};
  return QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
}

bool Painted(const QImage& picture, QRgb sky, int x, int y) {
  const QRgb p = picture.pixel(x, y);
  return std::abs(qRed(p) - qRed(sky)) + std::abs(qGreen(p) - qGreen(sky)) +
             std::abs(qBlue(p) - qBlue(sky)) >
         96;
}

bool PaintedNear(const QImage& picture, double x, double y) {
  const QRgb sky = picture.pixel(3, 3);  // outside the disc: the sky's colour
  for (int dy = -kReach; dy <= kReach; ++dy) {
    for (int dx = -kReach; dx <= kReach; ++dx) {
      const int px = static_cast<int>(std::lround(x)) + dx;
      const int py = static_cast<int>(std::lround(y)) + dy;
      if (picture.valid(px, py) && Painted(picture, sky, px, py)) return true;
    }
  }
  return false;
}

struct TKindDepth {
  TPictureKind kind;
  const char* extension;
  int depth;
};

class TPictureFiles : public testing::TestWithParam<TKindDepth> {};

TEST_P(TPictureFiles, AnIndependentReaderShowsTheBrightStars) {
  const TKindDepth& c = GetParam();
  const veltest::TStarsOnlyFolder folder;
  const std::string file = folder.Folder() + "sky" + std::to_string(c.depth) + c.extension;
  std::ostringstream log;
  ASSERT_EQ(
      velarion::ui::RunPictureExport(Options(file, c.kind, c.depth, false), folder.Folder(), log),
      0)
      << log.str();
  const QImage picture = ReadBack(file, c.kind);
  ASSERT_FALSE(picture.isNull()) << file << " could not be read";
  EXPECT_EQ(picture.size(), QSize(kWidth, kHeight));
  for (const TStar& star : OracleStars())
    EXPECT_TRUE(PaintedNear(picture, star.x, star.y)) << star.name << " missing in " << file;
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindAndDepth, TPictureFiles,
    testing::Values(
        TKindDepth{TPictureKind::kBmp, ".bmp", 1}, TKindDepth{TPictureKind::kBmp, ".bmp", 8},
        TKindDepth{TPictureKind::kBmp, ".bmp", 24}, TKindDepth{TPictureKind::kGif, ".gif", 1},
        TKindDepth{TPictureKind::kGif, ".gif", 8}, TKindDepth{TPictureKind::kPng, ".png", 1},
        TKindDepth{TPictureKind::kPng, ".png", 24}, TKindDepth{TPictureKind::kSvg, ".svg", 24},
        TKindDepth{TPictureKind::kPdf, ".pdf", 1}, TKindDepth{TPictureKind::kPdf, ".pdf", 24},
        TKindDepth{TPictureKind::kWmf, ".wmf", 1}, TKindDepth{TPictureKind::kWmf, ".wmf", 24}),
    [](const testing::TestParamInfo<TKindDepth>& info) {
      return std::string(info.param.extension + 1) + std::to_string(info.param.depth);
    });

// ---- EMF, walked record by record -------------------------------------------------------

struct TEmfRecord {
  uint32_t type;
  std::string bytes;
};

std::vector<TEmfRecord> EmfRecords(const std::string& file) {
  namespace layout = velarion::ui::emf_layout;
  std::vector<TEmfRecord> records;
  const std::span bytes(reinterpret_cast<const std::byte*>(file.data()), file.size());
  const auto count = velplatform::GetField<uint32_t>(bytes, layout::kRecords);
  std::size_t at = 0;
  for (uint32_t i = 0; i < count && at + 8 <= file.size(); ++i) {
    const auto type = velplatform::GetField<uint32_t>(bytes, at);
    const auto size = velplatform::GetField<uint32_t>(bytes, at + 4);
    if (size < 8 || size % 4 != 0 || at + size > file.size()) break;
    records.push_back({type, file.substr(at, size)});
    at += size;
  }
  return records;
}

int32_t Field(const std::string& record, std::size_t offset) {
  return velplatform::GetField<int32_t>(
      std::span(reinterpret_cast<const std::byte*>(record.data()), record.size()), offset);
}

TEST(EmfPicture, HeaderRecordsStarsAndLegendHoldTogether) {
  namespace layout = velarion::ui::emf_layout;
  const veltest::TStarsOnlyFolder folder;
  const std::string file = folder.Folder() + "sky.emf";
  std::ostringstream log;
  ASSERT_EQ(velarion::ui::RunPictureExport(Options(file, TPictureKind::kEmf, 24, true),
                                           folder.Folder(), log),
            0)
      << log.str();
  const std::string bytes = std::string(
      std::istreambuf_iterator<char>(*std::make_unique<std::ifstream>(file, std::ios::binary)), {});
  const std::vector<TEmfRecord> records = EmfRecords(bytes);
  ASSERT_GE(records.size(), 3U);
  const std::string& header = records.front().bytes;
  EXPECT_EQ(records.front().type, layout::kHeader);
  EXPECT_EQ(static_cast<uint32_t>(Field(header, layout::kSignatureAt)), layout::kSignature);
  EXPECT_EQ(static_cast<std::size_t>(Field(header, layout::kBytes)), bytes.size());
  EXPECT_EQ(static_cast<std::size_t>(Field(header, layout::kRecords)), records.size());
  EXPECT_EQ(Field(header, layout::kBounds + 8), kWidth - 1);
  EXPECT_EQ(Field(header, layout::kBounds + 12), kHeight - 1);
  EXPECT_EQ(records.back().type, layout::kEof);
  // Every object selected was made before, in a slot within the header's handle count.
  const uint32_t handles = static_cast<uint16_t>(Field(header, layout::kHandles));
  std::vector<bool> made(handles, false);
  bool legend = false;
  std::vector<velplatform::TRect> boxes;
  for (const TEmfRecord& r : records) {
    if (r.type == layout::kCreatePen || r.type == layout::kCreateBrush ||
        r.type == layout::kCreateFont) {
      const auto slot = static_cast<uint32_t>(Field(r.bytes, 8));
      ASSERT_LT(slot, handles);
      made[slot] = true;
    } else if (r.type == layout::kSelectObject) {
      const auto slot = static_cast<uint32_t>(Field(r.bytes, 8));
      ASSERT_LT(slot, handles);
      EXPECT_TRUE(made[slot]);
    } else if (r.type == layout::kRectangle || r.type == layout::kEllipse) {
      boxes.push_back(
          {Field(r.bytes, 8), Field(r.bytes, 12), Field(r.bytes, 16), Field(r.bytes, 20)});
    } else if (r.type == layout::kExtTextOutW) {
      const auto chars = static_cast<std::size_t>(Field(r.bytes, 44));
      const auto offset = static_cast<std::size_t>(Field(r.bytes, 48));
      ASSERT_LE(offset + 2 * chars, r.bytes.size());
      std::u16string text(chars, u'\0');
      std::memcpy(text.data(), r.bytes.data() + offset, 2 * chars);
      legend = legend || text.starts_with(u"Шир");
    }
  }
  EXPECT_TRUE(legend) << "no legend text";
  for (const TStar& star : OracleStars()) {
    const bool drawn = std::ranges::any_of(boxes, [&](const velplatform::TRect& b) {
      return b.right - b.left < 30 && b.left - kReach <= star.x && star.x <= b.right + kReach &&
             b.top - kReach <= star.y && star.y <= b.bottom + kReach;
    });
    EXPECT_TRUE(drawn) << star.name << " has no shape at " << star.x << ", " << star.y;
  }
}

// ---- The legend ---------------------------------------------------------------------------

// The bottom-left corner lies outside the disc: only the legend paints there.
int PaintedInLegendCorner(const QImage& picture) {
  const QRgb sky = picture.pixel(3, 3);
  int painted = 0;
  for (int y = picture.height() - 14; y < picture.height(); ++y)
    for (int x = 0; x < 120; ++x) painted += Painted(picture, sky, x, y) ? 1 : 0;
  return painted;
}

TEST(PictureLegend, WrittenAlongTheBottomOnlyWhenAsked) {
  const veltest::TStarsOnlyFolder folder;
  for (const bool legend : {false, true}) {
    const std::string file = folder.Folder() + (legend ? "with.png" : "without.png");
    std::ostringstream log;
    ASSERT_EQ(velarion::ui::RunPictureExport(Options(file, TPictureKind::kPng, 24, legend),
                                             folder.Folder(), log),
              0);
    const QImage picture(QString::fromStdString(file));
    if (legend) {
      EXPECT_GT(PaintedInLegendCorner(picture), 30);
    } else {
      EXPECT_EQ(PaintedInLegendCorner(picture), 0);
    }
  }
}

// ---- Failures -----------------------------------------------------------------------------

TEST(PictureFailures, AFailedWriteIsReportedAndLeavesWhatWasThere) {
  const veltest::TStarsOnlyFolder folder;
  // A folder stands under the name: the rename cannot replace it.
  const fs::path taken = fs::path(folder.Folder()) / "taken.png";
  fs::create_directories(taken / "inside");
  std::ostringstream log;
  EXPECT_EQ(velarion::ui::RunPictureExport(Options(taken.string(), TPictureKind::kPng, 24, false),
                                           folder.Folder(), log),
            velarion::ui::kExportFailed);
  EXPECT_NE(log.str().find("taken.png"), std::string::npos) << log.str();
  EXPECT_TRUE(fs::is_directory(taken / "inside"));
  for (const auto& entry : fs::directory_iterator(folder.Folder()))
    EXPECT_EQ(entry.path().filename().string().find(".~"), std::string::npos) << entry.path();
}

}  // namespace

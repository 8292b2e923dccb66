// An exported picture of a known sky: the bright stars stand where ERFA puts them.
#include "PictureExport.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TExpectedStar {
  std::string name;
  double x;
  double y;
};

std::vector<TExpectedStar> ReadOracle() {
  std::ifstream in(std::string(VELARION_FIXTURES) + "/oracles/star_pixels_oracle.csv");
  std::vector<TExpectedStar> stars;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#' || line.starts_with("hr,")) continue;
    std::vector<std::string> cells;
    std::stringstream row(line);
    for (std::string cell; std::getline(row, cell, ',');) cells.push_back(cell);
    stars.push_back({cells.at(1), std::stod(cells.at(5)), std::stod(cells.at(6))});
  }
  return stars;
}

// A program folder with the star catalogue and a configuration that shows the stars alone,
// unlabelled, on a black sky; removed at the end.
class TStarsOnlyFolder {
 public:
  TStarsOnlyFolder()
      : path_(fs::temp_directory_path() / ("velarion-stars-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
    for (const char* file : {"stars.dat", "astrof.ttf"}) {
      fs::copy_file(fs::path(VELARION_DATA_DIR) / file, path_ / file);
    }
    std::ofstream ini(path_ / "Velarion.ini");
    ini << "[Sky]\nObjectsVis=1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\nMaxStarV=460\nMaxLabelV=-200\n"
           "ChangeSpaceColor=0\n[Location]\nTimeZone=3\nLatitude=55.75\nLongitude=37.62\n"
           "[Grid]\nAzGrid=0\nEqGrid=0\n";
  }
  ~TStarsOnlyFolder() { fs::remove_all(path_); }
  std::string Folder() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

// The centre of the painted blob nearest to (x, y): its pixels that differ from the sky.
std::optional<QPointF> BlobCentre(const QImage& picture, int x, int y) {
  const QRgb sky = picture.pixel(0, 0);
  std::optional<QPoint> seed;
  for (int r = 0; r <= 4 && !seed; ++r) {
    for (int dy = -r; dy <= r && !seed; ++dy) {
      for (int dx = -r; dx <= r && !seed; ++dx) {
        if (picture.valid(x + dx, y + dy) && picture.pixel(x + dx, y + dy) != sky)
          seed = QPoint(x + dx, y + dy);
      }
    }
  }
  if (!seed) return std::nullopt;
  std::vector<QPoint> stack{*seed};
  std::vector<bool> seen(static_cast<std::size_t>(picture.width() * picture.height()));
  double sumX = 0, sumY = 0;
  int count = 0;
  while (!stack.empty() && count < 2000) {
    const QPoint p = stack.back();
    stack.pop_back();
    if (!picture.valid(p)) continue;
    const auto index = static_cast<std::size_t>(p.y() * picture.width() + p.x());
    if (seen[index] || picture.pixel(p) == sky) continue;
    seen[index] = true;
    sumX += p.x();
    sumY += p.y();
    ++count;
    for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
      stack.push_back(p + d);
  }
  return QPointF(sumX / count, sumY / count);
}

TEST(StarPixels, BrightStarsStandWhereAnIndependentComputationPutsThem) {
  const std::vector<TExpectedStar> stars = ReadOracle();
  ASSERT_EQ(stars.size(), 20U);
  const TStarsOnlyFolder folder;
  velarion::ui::TExportOptions options;
  options.file = folder.Folder() + "sky.png";
  options.time = velarion::sky::TLocalDateTime{10, 12, 2026, 22, 0, 0};
  std::ostringstream log;
  ASSERT_EQ(velarion::ui::RunPictureExport(options, folder.Folder(), log), 0) << log.str();

  const QImage picture(QString::fromStdString(options.file));
  ASSERT_EQ(picture.size(), QSize(1600, 1200));
  for (const TExpectedStar& star : stars) {
    const auto centre = BlobCentre(picture, static_cast<int>(std::lround(star.x)),
                                   static_cast<int>(std::lround(star.y)));
    ASSERT_TRUE(centre) << star.name << " not drawn near " << star.x << ", " << star.y;
    EXPECT_LE(std::hypot(centre->x() - star.x, centre->y() - star.y), 2.0)
        << star.name << " at " << centre->x() << ", " << centre->y() << " expected " << star.x
        << ", " << star.y;
  }
}

}  // namespace

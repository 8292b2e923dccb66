// An exported picture with the ecliptic plug-in loaded from Plugins/: the line passes
// through the Sun, which stands on the ecliptic by definition.
#include "PictureExport.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

// A program folder with the ecliptic plug-in and a configuration showing only the Sun (and
// the plug-ins' groups) on a black sky; removed at the end.
class TSunAndEclipticFolder {
 public:
  TSunAndEclipticFolder()
      : path_(fs::temp_directory_path() / ("velarion-ecliptic-" + std::to_string(::getpid()))) {
    fs::create_directories(path_ / "Plugins");
    fs::copy_file(fs::path(VELARION_PLUGIN_DIR) / "zodiac.so", path_ / "Plugins" / "zodiac.so");
    std::ofstream ini(path_ / "Velarion.ini");
    ini << "[Sky]\nObjectsVis=0,0,0,0,1,0,0,0,0,0,0,0,0,0,0,1\nChangeSpaceColor=0\n"
           "[Location]\nTimeZone=3\nLatitude=55.75\nLongitude=37.62\n[Grid]\nAzGrid=0\nEqGrid=0\n";
  }
  ~TSunAndEclipticFolder() { fs::remove_all(path_); }
  std::string Folder() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

bool IsLine(QRgb c) { return qRed(c) > 200 && qBlue(c) > 200 && qGreen(c) < 60; }  // magenta
bool IsSun(QRgb c) { return qRed(c) > 200 && qGreen(c) > 200 && qBlue(c) < 100; }  // yellow

TEST(EclipticThroughSun, TheLineCrossesTheSunsDisc) {
  const TSunAndEclipticFolder folder;
  velarion::ui::TExportOptions options;
  options.file = folder.Folder() + "noon.png";
  options.time = velarion::sky::TLocalDateTime{21, 6, 2026, 13, 0, 0};
  options.zoom = 300;  // a disc of several pixels, the line dotted across it
  std::ostringstream log;
  ASSERT_EQ(velarion::ui::RunPictureExport(options, folder.Folder(), log), 0) << log.str();
  ASSERT_NE(log.str().find("OK"), std::string::npos) << log.str();

  const QImage picture(QString::fromStdString(options.file));
  double sumX = 0, sumY = 0;
  int sun = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (IsSun(picture.pixel(x, y))) {
        sumX += x;
        sumY += y;
        ++sun;
      }
    }
  }
  ASSERT_GT(sun, 0) << "the Sun is not in the picture";
  const double cx = sumX / sun, cy = sumY / sun;
  // The nearest pixel of the line to the centre of the Sun's disc.
  double nearest = 1e9;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (IsLine(picture.pixel(x, y))) nearest = std::min(nearest, std::hypot(x - cx, y - cy));
    }
  }
  EXPECT_LE(nearest, 2.0) << "Sun at " << cx << ", " << cy;
}

}  // namespace

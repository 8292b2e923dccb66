// A program folder for exported pictures of known skies: the star catalogue and a
// configuration that shows the stars alone, unlabelled, on a black sky seen from Moscow;
// removed at the end.
#ifndef VELARION_TESTS_APP_UI_STARSONLYFOLDER_H
#define VELARION_TESTS_APP_UI_STARSONLYFOLDER_H

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace veltest {

namespace fs = std::filesystem;

class TStarsOnlyFolder {
 public:
  TStarsOnlyFolder()
      : path_(fs::temp_directory_path() / ("velarion-stars-" + std::to_string(::getpid()))) {
    fs::create_directories(path_);
    for (const char* file : {"stars.dat", "astrof.ttf"}) {
      fs::copy_file(fs::path(VELARION_DATA_DIR) / file, path_ / file);
    }
    std::ofstream ini(path_ / "Velarion.ini");
    // The detailed view shows the whole catalogue.
    ini << "[Sky]\nObjectsVis=1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0\nMaxStarV=460\nMaxLabelV=-200\n"
           "DMaxStarV=700\nDMaxLabelV=-200\n"
           "ChangeSpaceColor=0\n[Location]\nTimeZone=3\nLatitude=55.75\nLongitude=37.62\n"
           "[Grid]\nAzGrid=0\nEqGrid=0\n";
  }
  ~TStarsOnlyFolder() { fs::remove_all(path_); }
  std::string Folder() const { return path_.string() + "/"; }

 private:
  fs::path path_;
};

}  // namespace veltest

#endif

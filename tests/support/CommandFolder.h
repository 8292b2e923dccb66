// A program folder for the commands that need no window (--info, --ephemeris): the star,
// constellation and deep-sky catalogues of the build and a settings file of the test's own;
// removed at the end. The solar system's series file lives beside its library.
#ifndef VELARION_TESTS_COMMAND_FOLDER_H
#define VELARION_TESTS_COMMAND_FOLDER_H

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace veltest {

class TCommandFolder {
 public:
  // `settings`: the text of "Velarion.ini".
  TCommandFolder(std::string_view name, std::string_view settings)
      : path_(std::filesystem::temp_directory_path() /
              (std::string(name) + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
    for (const char* file :
         {"stars.dat", "STARNAME.DAT", "CONSTELL.DAT", "CLINES.DAT", "Bounds.dat", "DEEPSKY.DAT"}) {
      std::filesystem::copy_file(std::filesystem::path(VELARION_DATA_DIR) / file, path_ / file);
    }
    std::ofstream(path_ / "Velarion.ini") << settings;
  }
  ~TCommandFolder() { std::filesystem::remove_all(path_); }
  TCommandFolder(const TCommandFolder&) = delete;
  TCommandFolder& operator=(const TCommandFolder&) = delete;
  std::string Folder() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

}  // namespace veltest

#endif

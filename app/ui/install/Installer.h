// Installing the program for the user: the program folder copied into the install folder,
// the user's city list, colour schemes and settings kept (the shipped cities merged in,
// colour lists of an earlier version converted), and the desktop registrations made. All
// of it or nothing: a step that fails takes back every change made before it.
#ifndef VELARION_APP_UI_INSTALL_INSTALLER_H
#define VELARION_APP_UI_INSTALL_INSTALLER_H

#include "Progress.h"
#include "XdgPlaces.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velarion::install {

struct TInstallRequest {
  std::filesystem::path sourceFolder;  // the program folder the installer runs from
  std::filesystem::path installFolder;
  bool menuEntry = true;           // the program listed in the desktop's menu
  bool registerStateFiles = true;  // "*.vls" files opened with the program
};

struct TInstallFailure {
  std::string title;   // CP1251, one of the installer's messages
  std::string detail;  // UTF-8: the file and the system's reason
};

struct TInstallReport {
  std::vector<std::string> done;  // UTF-8, one line per thing done
  std::optional<TInstallFailure> failure;
};

// The folder an earlier installation registered, when it still holds one; else the
// default below the user's data folder.
std::filesystem::path DefaultInstallFolder(const TXdgPlaces& places);

// Reports 0 … 100 as the steps go; a report answering false stops and takes all back.
TInstallReport Install(const TInstallRequest& request, const TXdgPlaces& places,
                       const velplatform::TProgressReport& progress);

}  // namespace velarion::install

#endif

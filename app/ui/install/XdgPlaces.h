// Where a user's installation and its desktop registrations go, after the XDG base
// directory conventions: everything below the user's data folder.
#ifndef VELARION_APP_UI_INSTALL_XDGPLACES_H
#define VELARION_APP_UI_INSTALL_XDGPLACES_H

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace velarion::install {

// An environment variable's value; none when unset.
using TEnvironment = std::function<std::optional<std::string>(const char* name)>;
TEnvironment ProcessEnvironment();

struct TXdgPlaces {
  std::filesystem::path dataHome;  // $XDG_DATA_HOME, else $HOME/.local/share

  std::filesystem::path DefaultInstallFolder() const { return dataHome / "velarion"; }
  std::filesystem::path DesktopEntry() const { return dataHome / "applications/velarion.desktop"; }
  std::filesystem::path Icon() const {
    return dataHome / "icons/hicolor/scalable/apps/velarion.svg";
  }
  std::filesystem::path MimeDatabase() const { return dataHome / "mime"; }
  std::filesystem::path MimePackage() const { return dataHome / "mime/packages/velarion.xml"; }
};

// None when neither variable gives an absolute folder (the base directory rules ignore a
// relative one).
std::optional<TXdgPlaces> XdgPlacesFrom(const TEnvironment& environment);

}  // namespace velarion::install

#endif

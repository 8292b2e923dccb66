#include "UninstallScript.h"

#include "InstallManifest.h"

namespace velarion::install {

std::string ShellQuoted(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string UninstallScriptText(const std::filesystem::path& installFolder,
                                std::span<const std::filesystem::path> shippedFiles,
                                const TXdgPlaces& places) {
  const auto quoted = [](const std::filesystem::path& path) { return ShellQuoted(path.string()); };
  std::string script =
      "#!/bin/sh\n"
      "# Removes Velarion and its desktop registrations; the settings, city list, colour\n"
      "# schemes and state files stay.\n";
  script += "rm -f " + quoted(places.DesktopEntry()) + " " + quoted(places.Icon()) + " " +
            quoted(places.MimePackage()) + "\n";
  script += "command -v update-mime-database >/dev/null && [ -d " + quoted(places.MimeDatabase()) +
            " ] && update-mime-database " + quoted(places.MimeDatabase()) + "\n";
  for (const auto& file : shippedFiles) script += "rm -f " + quoted(installFolder / file) + "\n";
  script += "rm -f " + quoted(installFolder / kManifestName) + " " +
            quoted(installFolder / kUninstallScriptName) + "\n";
  for (const char* folder : {"Plugins", "VLSFiles", ""}) {
    script += "rmdir " + quoted((installFolder / folder).lexically_normal()) + " 2>/dev/null\n";
  }
  script += "exit 0\n";
  return script;
}

}  // namespace velarion::install

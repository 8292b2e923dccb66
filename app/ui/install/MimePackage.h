// The shared-mime-info package that makes "*.vls" files the program's state files.
#ifndef VELARION_APP_UI_INSTALL_MIMEPACKAGE_H
#define VELARION_APP_UI_INSTALL_MIMEPACKAGE_H

#include <string>

namespace velarion::install {

// UTF-8 XML of the package.
std::string MimePackageText();

// The program's icon, a scalable picture of a star chart.
std::string IconText();

}  // namespace velarion::install

#endif

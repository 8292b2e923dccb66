#include "MimePackage.h"

#include "DesktopEntry.h"

namespace velarion::install {

std::string MimePackageText() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
         "  <mime-type type=\"" +
         std::string(kStateFileType) +
         "\">\n"
         "    <comment>Файл состояния Velarion</comment>\n"
         "    <glob pattern=\"*.vls\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string IconText() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
         "viewBox=\"0 0 64 64\">\n"
         "  <circle cx=\"32\" cy=\"32\" r=\"30\" fill=\"#0b1e4a\" stroke=\"#8fa8d8\" "
         "stroke-width=\"2\"/>\n"
         "  <path d=\"M32 12 L36 28 L52 32 L36 36 L32 52 L28 36 L12 32 L28 28 Z\" "
         "fill=\"#fff6c8\"/>\n"
         "  <circle cx=\"48\" cy=\"16\" r=\"2\" fill=\"#ffffff\"/>\n"
         "  <circle cx=\"18\" cy=\"46\" r=\"1.5\" fill=\"#ffffff\"/>\n"
         "</svg>\n";
}

}  // namespace velarion::install

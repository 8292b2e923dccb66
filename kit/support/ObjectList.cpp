#include "ObjectList.h"

#include <iostream>

namespace velarion::kit {

void ReportToStandardError(std::string_view title, std::string_view message) {
  std::cerr << title << ": " << message << '\n';
}

}  // namespace velarion::kit

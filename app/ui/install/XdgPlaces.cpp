#include "XdgPlaces.h"

#include <cstdlib>

namespace velarion::install {

TEnvironment ProcessEnvironment() {
  return [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  };
}

std::optional<TXdgPlaces> XdgPlacesFrom(const TEnvironment& environment) {
  if (const auto dataHome = environment("XDG_DATA_HOME");
      dataHome && std::filesystem::path(*dataHome).is_absolute()) {
    return TXdgPlaces{std::filesystem::path(*dataHome).lexically_normal()};
  }
  if (const auto home = environment("HOME"); home && std::filesystem::path(*home).is_absolute()) {
    return TXdgPlaces{(std::filesystem::path(*home) / ".local/share").lexically_normal()};
  }
  return std::nullopt;
}

}  // namespace velarion::install

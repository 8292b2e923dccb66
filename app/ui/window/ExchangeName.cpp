#include "ExchangeName.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace velarion::ui {

namespace {

// FNV-1a, 64 bits: the same name from every build, unlike std::hash.
uint64_t Fnv1a(std::string_view text, uint64_t hash = 0xcbf29ce484222325ULL) {
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string Hex(uint64_t value) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string text(16, '0');
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, value >>= 4) {
    *digit = kDigits[value & 0xF];
  }
  return text;
}

std::string CanonicalFolder(std::string_view folder) {
  std::error_code error;
  std::filesystem::path path = std::filesystem::weakly_canonical(folder, error);
  if (error) path = std::filesystem::path(folder).lexically_normal();
  if (!path.has_filename()) path = path.parent_path();
  return path.string();
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string ExchangeName(std::string_view programFolder, std::string_view display) {
  const std::string folder = CanonicalFolder(programFolder);
  // The zero keeps "/a" + "b:0" apart from "/ab" + ":0".
  const uint64_t hash = Fnv1a(display, Fnv1a(std::string_view("\0", 1), Fnv1a(folder)));
  return std::string(kExchangeBaseName) + "-" + Hex(hash);
}

std::string CurrentDisplay() {
  return "wayland=" + Variable("WAYLAND_DISPLAY") + " x11=" + Variable("DISPLAY");
}

}  // namespace velarion::ui

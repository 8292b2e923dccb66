#include "InstallManifest.h"

#include <algorithm>

namespace velarion::install {

namespace {

// Far more than a program folder ships.
constexpr std::size_t kMaxManifestLines = 10000;

bool StaysInside(const std::filesystem::path& path) {
  if (path.empty() || path.is_absolute() || path.has_root_name()) return false;
  return std::none_of(path.begin(), path.end(),
                      [](const std::filesystem::path& part) { return part == ".."; });
}

}  // namespace

std::string ManifestText(std::span<const std::filesystem::path> shippedFiles) {
  std::string text;
  for (const auto& file : shippedFiles) text += file.generic_string() + "\n";
  return text;
}

std::optional<std::vector<std::filesystem::path>> ParseManifest(std::string_view text) {
  std::vector<std::filesystem::path> files;
  for (std::size_t line = 0; line < kMaxManifestLines && !text.empty(); ++line) {
    const std::size_t end = text.find('\n');
    const std::filesystem::path path(std::string(text.substr(0, end)));
    if (StaysInside(path)) files.push_back(path.lexically_normal());
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (files.empty()) return std::nullopt;
  return files;
}

}  // namespace velarion::install

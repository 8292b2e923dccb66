#include "IniAccess.h"

#include "IniFile.h"

#include <algorithm>
#include <cstring>

namespace velarion::sky {

namespace {

std::string& SettingsFilePath() {
  static std::string path = "Velarion.ini";
  return path;
}

std::string_view TextOrEmpty(const char* text) { return text != nullptr ? text : ""; }

bool& SettingsWritable() {
  static bool writable = true;
  return writable;
}

}  // namespace

void SetSettingsFile(std::string path) { SettingsFilePath() = std::move(path); }
void SetSettingsWritable(bool writable) { SettingsWritable() = writable; }
const std::string& SettingsFile() { return SettingsFilePath(); }

std::string ReadIniValue(std::string_view section, std::string_view key,
                         std::string_view defaultValue, const std::string& file) {
  std::string value =
      velplatform::TIniFile(file).Read(section, key).value_or(std::string(defaultValue));
  if (value.size() > kMaxIniValueLength) value.resize(kMaxIniValueLength);
  return value;
}

}  // namespace velarion::sky

using velarion::sky::SettingsFile;

extern "C" {

VELARION_HOST_EXPORT void SaveIniString(const char* section, const char* key, const char* value) {
  if (section == nullptr || key == nullptr || *key == '\0' || !velarion::sky::SettingsWritable()) {
    return;
  }
  velplatform::TIniFile(SettingsFile()).Write(section, key, velarion::sky::TextOrEmpty(value));
}

VELARION_HOST_EXPORT int32_t RestoreIniString(const char* section, const char* key,
                                              const char* defaultValue, char* buffer,
                                              int32_t size) {
  if (buffer == nullptr || size <= 0) return 0;
  using velarion::sky::TextOrEmpty;
  const std::string value = velarion::sky::ReadIniValue(TextOrEmpty(section), TextOrEmpty(key),
                                                        TextOrEmpty(defaultValue), SettingsFile());
  const auto count = static_cast<int32_t>(std::min<std::size_t>(value.size(), size - 1));
  std::memcpy(buffer, value.data(), static_cast<std::size_t>(count));
  buffer[count] = '\0';
  return count;
}

}  // extern "C"

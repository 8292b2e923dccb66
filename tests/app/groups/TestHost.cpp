#include "TestHost.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

std::string& HostVersion() {
  static std::string version = "5.72 R";
  return version;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int32_t GetVelarionVersion(char* buffer,
                                                                             int32_t size) {
  const std::string& version = HostVersion();
  if (version.empty() || buffer == nullptr || size < static_cast<int32_t>(version.size())) return 0;
  std::memcpy(buffer, version.data(), version.size());
  return static_cast<int32_t>(version.size());
}

namespace veltest {

void SetHostVersion(std::string version) { HostVersion() = std::move(version); }

std::string TestPluginFolder() { return VELARION_TEST_PLUGIN_DIR; }

std::string TestPlugin(const char* name) { return TestPluginFolder() + "/" + name + ".so"; }

}  // namespace veltest

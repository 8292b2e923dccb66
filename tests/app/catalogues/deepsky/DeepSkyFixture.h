// Small DEEPSKY.DAT files for the deep-sky tests, written record by record into a folder
// of their own.
#ifndef VELARION_TESTS_CATALOGUES_DEEPSKY_DEEPSKYFIXTURE_H
#define VELARION_TESTS_CATALOGUES_DEEPSKY_DEEPSKYFIXTURE_H

#include "ByteFields.h"
#include "Cp1251.h"

#include <unistd.h>
#include <array>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace veltest {

struct TDeepSkyEntry {
  int16_t messier = 0;
  int16_t ngc = 0;
  std::string name;
  std::string ra;
  std::string dec;
  uint8_t type = 0;
  uint8_t reserved = 0;
  int16_t magnitude = 0;
  int16_t size = 0;
};

// A 43-byte record with its length-prefixed texts.
inline std::array<std::byte, 43> DeepSkyRecordBytes(const TDeepSkyEntry& e) {
  std::array<std::byte, 43> r{};
  const auto text = [&r](std::size_t offset, const std::string& s) {
    velplatform::PutField(r, offset, static_cast<uint8_t>(s.size()));
    for (std::size_t i = 0; i < s.size(); ++i) r[offset + 1 + i] = std::byte(s[i]);
  };
  velplatform::PutField(r, 0, e.messier);
  velplatform::PutField(r, 2, e.ngc);
  text(4, e.name);
  text(25, e.ra);
  text(31, e.dec);
  velplatform::PutField(r, 37, e.type);
  velplatform::PutField(r, 38, e.reserved);
  velplatform::PutField(r, 39, e.magnitude);
  velplatform::PutField(r, 41, e.size);
  return r;
}

// For the search window: objects 1 .. 5 in an order no column has by itself, with and
// without numbers and names, and a Cloud.
inline std::vector<TDeepSkyEntry> SearchWindowEntries() {
  return {
      {0, 7000, "North America", "314.7", "44.3", 2},
      {42, 1976, "Orion", "83.8", "-5.4", 2},
      {0, 0, "LMC", "80.9", "-69.8", 4},
      {13, 6205, "", "250.4", "36.5", 1},
      {0, 869, "", "34.8", "57.1", 0},
  };
}

// A fresh folder (ending with "/") holding "deepsky.dat" in lower case, as a folder copied
// from another system may have it; one per process, as ctest runs test cases side by side.
inline std::string WriteDeepSkyFolder(const std::string& testName,
                                      const std::vector<TDeepSkyEntry>& entries) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("velarion-deepsky-" + testName + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::ofstream out(folder / "deepsky.dat", std::ios::binary);
  for (const TDeepSkyEntry& e : entries) {
    const auto bytes = DeepSkyRecordBytes(e);
    out.write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }
  return folder.string() + "/";
}

}  // namespace veltest

#endif

// The series file reader refuses damaged files instead of reading past their end.
#include "SeriesFile.h"
#include "SolarTheory.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using velsolar::ReadSeriesFile;

const std::string kInstalled = velsolar::InstalledSeriesPath();

std::vector<char> InstalledBytes() {
  std::ifstream in(kInstalled, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string WriteTemporary(const std::vector<char>& bytes) {
  char name[] = "/tmp/velsolar-test-XXXXXX";
  const int fd = ::mkstemp(name);
  ::close(fd);
  std::ofstream(name, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return name;
}

TEST(SeriesFile, InstalledFileHoldsEverySeries) {
  const auto contents = ReadSeriesFile(kInstalled);
  ASSERT_TRUE(contents.error.empty()) << contents.error;
  EXPECT_EQ(contents.series.size(), 148u);
}

struct TDamage {
  const char* what;
  void (*apply)(std::vector<char>&);
};

class DamagedSeriesFile : public testing::TestWithParam<TDamage> {};

TEST_P(DamagedSeriesFile, IsRefusedWithAReason) {
  std::vector<char> bytes = InstalledBytes();
  ASSERT_GT(bytes.size(), 1000u);
  GetParam().apply(bytes);
  const std::string path = WriteTemporary(bytes);
  const auto contents = ReadSeriesFile(path);
  EXPECT_FALSE(contents.error.empty());
  EXPECT_TRUE(contents.series.empty());
  const velsolar::TSolarTheory theory(path, velsolar::TTruncation::kAccuracyBudget);
  EXPECT_FALSE(theory.Valid());
  std::remove(path.c_str());
}

void SetU64(std::vector<char>& b, std::size_t at, uint64_t v) { std::memcpy(&b[at], &v, 8); }

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedSeriesFile,
    testing::Values(TDamage{"truncated", [](std::vector<char>& b) { b.resize(b.size() / 2); }},
                    TDamage{"bad magic", [](std::vector<char>& b) { b[0] = 'X'; }},
                    TDamage{"empty", [](std::vector<char>& b) { b.clear(); }},
                    TDamage{"offset past the end",
                            [](std::vector<char>& b) { SetU64(b, 24 + 8, b.size() - 8); }},
                    TDamage{"unaligned offset",
                            [](std::vector<char>& b) { SetU64(b, 24 + 8, 1001); }},
                    TDamage{"unknown kind", [](std::vector<char>& b) { b[24 + 3] = 9; }},
                    TDamage{"not finite",
                            [](std::vector<char>& b) {
                              uint64_t offset;
                              std::memcpy(&offset, &b[24 + 8], 8);
                              const double nan = std::numeric_limits<double>::quiet_NaN();
                              std::memcpy(&b[offset], &nan, 8);
                            }}),
    [](const testing::TestParamInfo<TDamage>& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

TEST(SeriesFile, MissingFileIsReported) {
  const auto contents = ReadSeriesFile("/nonexistent/velsolar.dat");
  EXPECT_NE(contents.error.find("No such file"), std::string::npos) << contents.error;
}

}  // namespace

#include "SeriesFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace velsolar {

static_assert(std::endian::native == std::endian::little, "the series file is little-endian");

namespace {

constexpr char kMagic[8] = {'V', 'E', 'L', 'S', 'O', 'L', 'R', '1'};
constexpr uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kEntrySize = 16;
constexpr uint32_t kMaxSeries = 1024;

// A read-only mapping of a whole file, released with the object.
class TMappedFile {
 public:
  explicit TMappedFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      error_ = std::strerror(errno);
      return;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size <= 0) {
      error_ = "empty or unreadable file";
    } else {
      void* p =
          ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
      if (p == MAP_FAILED) {
        error_ = std::strerror(errno);
      } else {
        data_ = static_cast<const unsigned char*>(p);
        size_ = static_cast<std::size_t>(st.st_size);
      }
    }
    ::close(fd);
  }
  TMappedFile(const TMappedFile&) = delete;
  TMappedFile& operator=(const TMappedFile&) = delete;
  ~TMappedFile() {
    if (data_ != nullptr) {
      ::munmap(const_cast<unsigned char*>(data_), size_);
    }
  }

  const unsigned char* Data() const { return data_; }
  std::size_t Size() const { return size_; }
  const std::string& Error() const { return error_; }

 private:
  const unsigned char* data_ = nullptr;
  std::size_t size_ = 0;
  std::string error_;
};

template <typename T>
T ReadAt(const unsigned char* base, std::size_t offset) {
  T value;
  std::memcpy(&value, base + offset, sizeof(T));
  return value;
}

TSeriesFileContents Failure(std::string message) { return {{}, std::move(message)}; }

}  // namespace

int TermWidth(TTermKind kind) {
  switch (kind) {
    case TTermKind::kVsop:
      return 3;
    case TTermKind::kElp:
      return 6;
    case TTermKind::kPolynomial:
      return 1;
  }
  return 0;
}

TSeriesFileContents ReadSeriesFile(const std::string& path) {
  const TMappedFile file(path);
  if (file.Data() == nullptr) {
    return Failure(file.Error());
  }
  const unsigned char* base = file.Data();
  const std::size_t size = file.Size();
  if (size < kHeaderSize || std::memcmp(base, kMagic, sizeof kMagic) != 0) {
    return Failure("not a series file");
  }
  if (ReadAt<uint32_t>(base, 8) != kVersion) {
    return Failure("unknown series file version");
  }
  const uint32_t count = ReadAt<uint32_t>(base, 12);
  if (ReadAt<uint64_t>(base, 16) != size) {
    return Failure("file size differs from the size recorded in it (truncated?)");
  }
  if (count == 0 || count > kMaxSeries || kHeaderSize + count * kEntrySize > size) {
    return Failure("bad series directory");
  }

  TSeriesFileContents contents;
  contents.series.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const std::size_t entry = kHeaderSize + i * kEntrySize;
    TSeriesRecord record{
        base[entry], base[entry + 1], base[entry + 2], static_cast<TTermKind>(base[entry + 3]), {}};
    const uint64_t terms = ReadAt<uint32_t>(base, entry + 4);
    const uint64_t offset = ReadAt<uint64_t>(base, entry + 8);
    const int width = TermWidth(record.kind);
    if (width == 0 || record.body < 1 || record.body > kMaxBody || record.coordinate > 2 ||
        record.power > kMaxPower) {
      return Failure("bad directory entry " + std::to_string(i));
    }
    const uint64_t bytes = terms * static_cast<uint64_t>(width) * sizeof(double);
    if (offset % sizeof(double) != 0 || offset > size || bytes > size - offset) {
      return Failure("series " + std::to_string(i) + " lies outside the file");
    }
    record.values.resize(terms * width);
    std::memcpy(record.values.data(), base + offset, bytes);
    for (double v : record.values) {
      if (!std::isfinite(v)) {
        return Failure("series " + std::to_string(i) + " holds a value that is not finite");
      }
    }
    contents.series.push_back(std::move(record));
  }
  return contents;
}

}  // namespace velsolar

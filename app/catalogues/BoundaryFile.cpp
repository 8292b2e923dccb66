#include "BoundaryFile.h"

#include "ByteFields.h"
#include "FileBytes.h"

namespace velarion::catalogues {
namespace {

constexpr std::size_t kRa1 = 0;
constexpr std::size_t kDec1 = 2;
constexpr std::size_t kRa2 = 4;
constexpr std::size_t kDec2 = 6;
constexpr std::size_t kFirst = 8;
constexpr std::size_t kSecond = 9;
static_assert(kSecond + 1 == TBoundaryFile::kRecordSize);

}  // namespace

TReadResult<TBoundaryFile> TBoundaryFile::FromBytes(std::span<const std::byte> bytes) {
  return TBoundaryFile(std::vector<std::byte>(bytes.begin(), bytes.end()));
}

TReadResult<TBoundaryFile> TBoundaryFile::FromPath(const std::filesystem::path& path) {
  TReadResult<std::vector<std::byte>> bytes = ReadFileBytes(path);
  if (!bytes) {
    return TReadError{bytes.Error()};
  }
  return TBoundaryFile(std::move(bytes).Value());
}

std::optional<TBoundarySegment> TBoundaryFile::Record(std::size_t index) const {
  const std::optional<std::span<const std::byte>> bytes = file_.RecordBytes(index);
  if (!bytes) {
    return std::nullopt;
  }
  const std::span<const std::byte> r = *bytes;
  return TBoundarySegment{
      velplatform::GetField<int16_t>(r, kRa1),   velplatform::GetField<int16_t>(r, kDec1),
      velplatform::GetField<int16_t>(r, kRa2),   velplatform::GetField<int16_t>(r, kDec2),
      velplatform::GetField<uint8_t>(r, kFirst), velplatform::GetField<uint8_t>(r, kSecond)};
}

}  // namespace velarion::catalogues

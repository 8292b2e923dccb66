// A binary file of equal-sized records without a header: the record count is the file
// size divided by the record size, and a trailing partial record is ignored.
//
// Its format TFormat names the record type TRecord and its size kRecordSize, and reads one
// record with Decode(bytes); a format whose records can be malformed also has
// Refusal(bytes, index), the error that makes the whole file unreadable, or none.
#ifndef VELARION_APP_CATALOGUES_FIXEDRECORDFILE_H
#define VELARION_APP_CATALOGUES_FIXEDRECORDFILE_H

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "FileBytes.h"
#include "ReadResult.h"

namespace velarion::catalogues {

template <class TFormat>
class TFixedRecordFile {
 public:
  using TRecord = typename TFormat::TRecord;
  static constexpr std::size_t kRecordSize = TFormat::kRecordSize;

  static TReadResult<TFixedRecordFile> FromBytes(std::span<const std::byte> bytes) {
    TFixedRecordFile file(std::vector<std::byte>(bytes.begin(), bytes.end()));
    if constexpr (requires { TFormat::Refusal(bytes, std::size_t{0}); }) {
      for (std::size_t i = 0; i < file.Count(); ++i) {
        if (std::optional<TReadError> error = TFormat::Refusal(*file.RecordBytes(i), i)) {
          return *std::move(error);
        }
      }
    }
    return file;
  }

  static TReadResult<TFixedRecordFile> FromPath(const std::filesystem::path& path) {
    return ReadWholeFile<TFixedRecordFile>(path);
  }

  [[nodiscard]] std::size_t Count() const { return bytes_.size() / kRecordSize; }

  // Record index, from 0 (file order); none past the last whole record.
  [[nodiscard]] std::optional<TRecord> Record(std::size_t index) const {
    const std::optional<std::span<const std::byte>> bytes = RecordBytes(index);
    if (!bytes) {
      return std::nullopt;
    }
    return TFormat::Decode(*bytes);
  }

 private:
  explicit TFixedRecordFile(std::vector<std::byte> bytes) : bytes_(std::move(bytes)) {}

  [[nodiscard]] std::optional<std::span<const std::byte>> RecordBytes(std::size_t index) const {
    if (index >= Count()) {
      return std::nullopt;
    }
    return std::span<const std::byte>(bytes_).subspan(index * kRecordSize, kRecordSize);
  }

  std::vector<std::byte> bytes_;
};

}  // namespace velarion::catalogues

#endif

// A binary file of equal-sized records without a header: the record count is the file
// size divided by the record size, and a trailing partial record is ignored.
#ifndef VELARION_APP_CATALOGUES_FIXEDRECORDFILE_H
#define VELARION_APP_CATALOGUES_FIXEDRECORDFILE_H

#include <cstddef>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace velarion::catalogues {

class TFixedRecordFile {
 public:
  TFixedRecordFile(std::vector<std::byte> bytes, std::size_t recordSize)
      : bytes_(std::move(bytes)), recordSize_(recordSize) {}

  [[nodiscard]] std::size_t Count() const { return bytes_.size() / recordSize_; }

  // The bytes of record index (from 0); none past the last whole record.
  [[nodiscard]] std::optional<std::span<const std::byte>> RecordBytes(std::size_t index) const {
    if (index >= Count()) {
      return std::nullopt;
    }
    return std::span<const std::byte>(bytes_).subspan(index * recordSize_, recordSize_);
  }

 private:
  std::vector<std::byte> bytes_;
  std::size_t recordSize_;
};

}  // namespace velarion::catalogues

#endif

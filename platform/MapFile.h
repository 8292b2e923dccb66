// TMapFile: a data file read through a memory mapping, with an appending writer.
//
// The whole file is mapped; reads copy from the mapping, writes inside the file go
// through it, and bytes written past the end collect in an append buffer that is written
// out whenever it fills, when a seek goes back into the file, and at destruction. Reading
// lines remembers the line end seen, so that lines written later get the same one.
#ifndef VELARION_PLATFORM_MAP_FILE_H
#define VELARION_PLATFORM_MAP_FILE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velplatform {

class TMapFile {
 public:
  static constexpr uint32_t kModeWrite = 1;   // open for writing
  static constexpr uint32_t kModeCreate = 2;  // create anew (with kModeWrite)

  enum TOpenState : int32_t { kReady = 0, kCannotOpen = 1, kCannotMap = 2 };
  static constexpr uint32_t kErrorReadPastEnd = 1;
  static constexpr uint32_t kErrorWriteOut = 2;

  enum class TLineEnd : uint8_t { kCrLf = 0, kCr = 1, kLf = 2 };

  TMapFile(std::string fileName, uint32_t mode, int64_t bufferSize = 1024);
  TMapFile(const TMapFile&) = delete;
  TMapFile& operator=(const TMapFile&) = delete;
  ~TMapFile();

  TOpenState OpenState() const { return openState_; }
  uint32_t ErrorFlags() const { return errorFlags_; }
  int64_t Size() const { return logicalSize_; }
  int64_t Position() const { return position_; }
  TLineEnd LineEnd() const { return lineEnd_; }

  bool AtEnd() const { return position_ >= logicalSize_; }
  // Ignored for a position below 0 or beyond the size.
  void Seek(int64_t position);

  // Copies `count` bytes; a negative count or one reaching past the end copies nothing,
  // sets kErrorReadPastEnd and answers false.
  bool Read(void* destination, int64_t count);
  std::string ReadText(int64_t count);
  // The bytes up to the next CR or LF (or the end), without the line end.
  std::string ReadLine();

  // Ignored unless the file is open for writing.
  void Write(const void* source, int64_t count);
  void WriteText(std::string_view text, int64_t start, int64_t count);
  void WriteLine(std::string_view text);

  // Writes the pending appended bytes out now; false when that failed (kErrorWriteOut).
  bool Flush();

  // The byte (or two bytes) at the position without moving it; null when none is left.
  const unsigned char* PeekByte() const;
  const unsigned char* PeekWord();

 private:
  bool Writable() const { return (mode_ & kModeWrite) != 0 && openState_ == kReady; }
  int64_t Pending() const { return logicalSize_ - mappedSize_; }
  unsigned char* At(int64_t position);
  bool Map();
  void Unmap();
  void WriteOut();

  std::string fileName_;
  uint32_t mode_;
  int fd_ = -1;
  unsigned char* view_ = nullptr;
  int64_t logicalSize_ = 0;
  int64_t mappedSize_ = 0;
  int64_t bufferSize_;
  int64_t position_ = 0;
  std::vector<unsigned char> appendBuffer_;
  TOpenState openState_ = kReady;
  uint32_t errorFlags_ = 0;
  bool mapped_ = false;
  TLineEnd lineEnd_ = TLineEnd::kCrLf;
  unsigned char wordScratch_[2] = {0, 0};
};

}  // namespace velplatform

#endif

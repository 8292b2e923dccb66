#include "MapFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace velplatform {

TMapFile::TMapFile(std::string fileName, uint32_t mode, int64_t bufferSize)
    : fileName_(std::move(fileName)),
      mode_(mode),
      bufferSize_(std::max<int64_t>(bufferSize, 1024)) {
  const bool write = (mode_ & kModeWrite) != 0;
  if (write) appendBuffer_.resize(static_cast<std::size_t>(bufferSize_));
  int flags = (write ? O_RDWR : O_RDONLY) | O_CLOEXEC;
  if (write && (mode_ & kModeCreate) != 0) flags |= O_CREAT | O_TRUNC;
  fd_ = ::open(fileName_.c_str(), flags, 0644);
  if (fd_ < 0) {
    openState_ = kCannotOpen;
    return;
  }
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    openState_ = kCannotOpen;
    return;
  }
  logicalSize_ = mappedSize_ = st.st_size;
  if (!Map()) openState_ = kCannotMap;
}

TMapFile::~TMapFile() {
  if (Writable() && Pending() > 0) WriteOut();
  Unmap();
  if (fd_ >= 0) ::close(fd_);
}

bool TMapFile::Map() {
  mapped_ = true;
  view_ = nullptr;
  if (mappedSize_ == 0) return true;  // an empty file has no view
  const int protection = PROT_READ | ((mode_ & kModeWrite) != 0 ? PROT_WRITE : 0);
  void* p = ::mmap(nullptr, static_cast<std::size_t>(mappedSize_), protection, MAP_SHARED, fd_, 0);
  if (p == MAP_FAILED) {
    mapped_ = false;
    return false;
  }
  view_ = static_cast<unsigned char*>(p);
  return true;
}

void TMapFile::Unmap() {
  if (view_ != nullptr) ::munmap(view_, static_cast<std::size_t>(mappedSize_));
  view_ = nullptr;
  mapped_ = false;
}

unsigned char* TMapFile::At(int64_t position) {
  return position < mappedSize_ ? view_ + position
                                : appendBuffer_.data() + (position - mappedSize_);
}

void TMapFile::WriteOut() {
  const int64_t pending = Pending();
  Unmap();
  int64_t done = 0;
  while (done < pending) {
    const ssize_t n = ::pwrite(fd_, appendBuffer_.data() + done,
                               static_cast<std::size_t>(pending - done), mappedSize_ + done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  if (done == pending) {
    mappedSize_ = logicalSize_;
  } else {
    errorFlags_ |= kErrorWriteOut;
    // The bytes already on disk belong to the file now; the rest stays pending.
    if (done > 0) {
      std::memmove(appendBuffer_.data(), appendBuffer_.data() + done,
                   static_cast<std::size_t>(pending - done));
      mappedSize_ += done;
    }
  }
  if (!Map()) openState_ = kCannotMap;
}

bool TMapFile::Flush() {
  if (Writable() && Pending() > 0) WriteOut();
  return (errorFlags_ & kErrorWriteOut) == 0;
}

void TMapFile::Seek(int64_t position) {
  if (position < 0 || position > logicalSize_) return;
  if (Writable() && Pending() > 0 && position < mappedSize_) WriteOut();
  position_ = position;
}

bool TMapFile::Read(void* destination, int64_t count) {
  if (openState_ != kReady || count < 0 || count > logicalSize_ - position_) {
    errorFlags_ |= kErrorReadPastEnd;
    return false;
  }
  auto* out = static_cast<unsigned char*>(destination);
  while (count > 0) {
    const int64_t run = position_ < mappedSize_ ? std::min(count, mappedSize_ - position_) : count;
    std::memcpy(out, At(position_), static_cast<std::size_t>(run));
    out += run;
    position_ += run;
    count -= run;
  }
  return true;
}

std::string TMapFile::ReadText(int64_t count) {
  if (count < 0 || count > logicalSize_ - position_) {
    errorFlags_ |= kErrorReadPastEnd;
    return {};
  }
  std::string text(static_cast<std::size_t>(count), '\0');
  Read(text.data(), count);
  return text;
}

std::string TMapFile::ReadLine() {
  std::string line;
  if (openState_ != kReady) return line;
  while (position_ < logicalSize_) {
    const unsigned char c = *At(position_);
    if (c == '\r' || c == '\n') break;
    line += static_cast<char>(c);
    ++position_;
  }
  if (position_ < logicalSize_) {
    const unsigned char c = *At(position_++);
    if (c == '\n') {
      lineEnd_ = TLineEnd::kLf;
    } else if (position_ < logicalSize_ && *At(position_) == '\n') {
      ++position_;
      lineEnd_ = TLineEnd::kCrLf;
    } else {
      lineEnd_ = TLineEnd::kCr;
    }
  }
  return line;
}

void TMapFile::Write(const void* source, int64_t count) {
  if (!Writable() || count <= 0) return;
  const auto* in = static_cast<const unsigned char*>(source);
  while (count > 0) {
    int64_t run;
    if (position_ < mappedSize_) {
      run = std::min(count, mappedSize_ - position_);
    } else {
      const int64_t room = bufferSize_ - (position_ - mappedSize_);
      if (room <= 0) {
        // The buffer is full because writing it out failed: refuse the rest rather than
        // write past it.
        errorFlags_ |= kErrorWriteOut;
        return;
      }
      run = std::min(count, room);
    }
    std::memcpy(At(position_), in, static_cast<std::size_t>(run));
    in += run;
    position_ += run;
    count -= run;
    logicalSize_ = std::max(logicalSize_, position_);
    if (Pending() >= bufferSize_) WriteOut();
  }
}

void TMapFile::WriteText(std::string_view text, int64_t start, int64_t count) {
  if (start < 0 || count < 0 || start > static_cast<int64_t>(text.size())) return;
  count = std::min<int64_t>(count, static_cast<int64_t>(text.size()) - start);
  Write(text.data() + start, count);
}

void TMapFile::WriteLine(std::string_view text) {
  Write(text.data(), static_cast<int64_t>(text.size()));
  switch (lineEnd_) {
    case TLineEnd::kCrLf:
      Write("\r\n", 2);
      break;
    case TLineEnd::kCr:
      Write("\r", 1);
      break;
    case TLineEnd::kLf:
      Write("\n", 1);
      break;
  }
}

const unsigned char* TMapFile::PeekByte() const {
  if (openState_ != kReady || position_ >= logicalSize_) return nullptr;
  return position_ < mappedSize_ ? view_ + position_
                                 : appendBuffer_.data() + (position_ - mappedSize_);
}

const unsigned char* TMapFile::PeekWord() {
  if (openState_ != kReady || logicalSize_ - position_ < 2) return nullptr;
  if (position_ + 1 < mappedSize_ || position_ >= mappedSize_) return At(position_);
  // The two bytes straddle the end of the mapping and the append buffer.
  wordScratch_[0] = *At(position_);
  wordScratch_[1] = *At(position_ + 1);
  return wordScratch_;
}

}  // namespace velplatform

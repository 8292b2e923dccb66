// TMapFile: reads split across the mapping and the append buffer, line ends, seek bounds,
// the buffered appends and the refusals of reads and writes that would overrun.
#include "MapFile.h"

#include "AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>

namespace {

using velplatform::ReadWholeFile;
using velplatform::TMapFile;
using velplatform::WriteFileAtomically;

class MapFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("velmap-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string Path(const char* name) const { return (folder_ / name).string(); }
  std::filesystem::path folder_;
};

TEST_F(MapFile, EmptyFileIsAtEndAndEveryReadFails) {
  ASSERT_TRUE(WriteFileAtomically(Path("empty"), ""));
  TMapFile file(Path("empty"), 0);
  EXPECT_EQ(file.OpenState(), TMapFile::kReady);
  EXPECT_TRUE(file.AtEnd());
  char c = 'x';
  EXPECT_FALSE(file.Read(&c, 1));
  EXPECT_EQ(file.ErrorFlags(), TMapFile::kErrorReadPastEnd);
  EXPECT_EQ(file.PeekByte(), nullptr);
  EXPECT_EQ(c, 'x');
}

TEST_F(MapFile, MissingFileReportsItsOpenState) {
  TMapFile file(Path("missing"), 0);
  EXPECT_EQ(file.OpenState(), TMapFile::kCannotOpen);
  EXPECT_TRUE(file.AtEnd());
}

TEST_F(MapFile, ReadsLinesOfEveryLineEndAndRemembersTheLast) {
  ASSERT_TRUE(WriteFileAtomically(Path("lines"), "one\r\ntwo\rthree\nfour"));
  TMapFile file(Path("lines"), 0);
  EXPECT_EQ(file.ReadLine(), "one");
  EXPECT_EQ(file.LineEnd(), TMapFile::TLineEnd::kCrLf);
  EXPECT_EQ(file.ReadLine(), "two");
  EXPECT_EQ(file.LineEnd(), TMapFile::TLineEnd::kCr);
  EXPECT_EQ(file.ReadLine(), "three");
  EXPECT_EQ(file.LineEnd(), TMapFile::TLineEnd::kLf);
  EXPECT_EQ(file.ReadLine(), "four");
  EXPECT_TRUE(file.AtEnd());
}

TEST_F(MapFile, LinesWrittenAfterReadingTakeTheFilesLineEnd) {
  ASSERT_TRUE(WriteFileAtomically(Path("lf"), "a\nb\n"));
  {
    TMapFile file(Path("lf"), TMapFile::kModeWrite);
    file.ReadLine();
    file.ReadLine();
    file.WriteLine("c");
  }
  EXPECT_EQ(ReadWholeFile(Path("lf")), "a\nb\nc\n");
  {
    TMapFile fresh(Path("new"), TMapFile::kModeWrite | TMapFile::kModeCreate);
    fresh.WriteLine("x");
  }
  EXPECT_EQ(ReadWholeFile(Path("new")), "x\r\n");
}

TEST_F(MapFile, SeekAcceptsTheSizeAndIgnoresBeyond) {
  ASSERT_TRUE(WriteFileAtomically(Path("f"), "0123456789"));
  TMapFile file(Path("f"), 0);
  file.Seek(10);
  EXPECT_EQ(file.Position(), 10);
  EXPECT_TRUE(file.AtEnd());
  file.Seek(3);
  file.Seek(11);
  file.Seek(-1);
  EXPECT_EQ(file.Position(), 3);
  EXPECT_EQ(file.ReadText(4), "3456");
}

TEST_F(MapFile, ReadsThatWouldOverrunAreRefused) {
  ASSERT_TRUE(WriteFileAtomically(Path("f"), "0123456789"));
  TMapFile file(Path("f"), 0);
  char buffer[16] = {};
  file.Seek(8);
  EXPECT_FALSE(file.Read(buffer, 3));
  EXPECT_FALSE(file.Read(buffer, -1));
  EXPECT_EQ(file.ErrorFlags(), TMapFile::kErrorReadPastEnd);
  EXPECT_EQ(file.Position(), 8);
  EXPECT_EQ(file.ReadText(-5), "");
  EXPECT_EQ(file.ReadText(2), "89");
}

TEST_F(MapFile, AppendsReachTheDiskWhenTheBufferFillsAndAtTheEnd) {
  const std::string path = Path("big");
  const std::string data(10000, 'q');
  {
    TMapFile file(path, TMapFile::kModeWrite | TMapFile::kModeCreate, 8192);
    file.Write(data.data(), static_cast<int64_t>(data.size()));
    EXPECT_EQ(std::filesystem::file_size(path), 8192u);
    EXPECT_EQ(file.Size(), 10000);
    // A read crossing from the written-out part into the pending bytes is split there.
    file.Seek(8190);
    EXPECT_EQ(file.ReadText(4), "qqqq");
  }
  EXPECT_EQ(std::filesystem::file_size(path), 10000u);
}

TEST_F(MapFile, WritesInsideTheFileGoThroughTheMapping) {
  ASSERT_TRUE(WriteFileAtomically(Path("f"), "abcdef"));
  {
    TMapFile file(Path("f"), TMapFile::kModeWrite);
    file.Seek(4);
    file.Write("XYZ", 3);  // two bytes over the end of the file, one appended
    file.Seek(0);          // going back writes the pending byte out first
    EXPECT_EQ(file.ReadText(7), "abcdXYZ");
    file.Seek(5);
    const unsigned char* word = file.PeekWord();
    ASSERT_NE(word, nullptr);
    EXPECT_EQ(word[0], 'Y');
    EXPECT_EQ(word[1], 'Z');
    file.Seek(6);
    EXPECT_EQ(file.PeekWord(), nullptr);
  }
  EXPECT_EQ(ReadWholeFile(Path("f")), "abcdXYZ");
}

TEST_F(MapFile, AFailedWriteOutNeverOverrunsTheBuffer) {
  // A file size limit of 1 KiB makes writing the appended bytes out fail.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 1024;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string data(5000, 'w');
  {
    TMapFile file(Path("limited"), TMapFile::kModeWrite | TMapFile::kModeCreate, 2048);
    file.Write(data.data(), static_cast<int64_t>(data.size()));
    file.Write(data.data(), static_cast<int64_t>(data.size()));
    EXPECT_NE(file.ErrorFlags() & TMapFile::kErrorWriteOut, 0u);
    EXPECT_FALSE(file.Flush());
  }
  ::setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_LE(std::filesystem::file_size(Path("limited")), 1024u);
}

}  // namespace

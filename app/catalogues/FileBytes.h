// Whole-file reading for the catalogue readers.
#ifndef VELARION_APP_CATALOGUES_FILEBYTES_H
#define VELARION_APP_CATALOGUES_FILEBYTES_H

#include <cstddef>
#include <filesystem>
#include <vector>

#include "ReadResult.h"

namespace velarion::catalogues {

// The bytes of the file at path; an error naming the file when it cannot be read.
TReadResult<std::vector<std::byte>> ReadFileBytes(const std::filesystem::path& path);

// The file at path read whole by the reader TFile (its FromBytes).
template <class TFile>
TReadResult<TFile> ReadWholeFile(const std::filesystem::path& path) {
  const TReadResult<std::vector<std::byte>> bytes = ReadFileBytes(path);
  if (!bytes) {
    return TReadError{bytes.Error()};
  }
  return TFile::FromBytes(bytes.Value());
}

}  // namespace velarion::catalogues

#endif

#include "FileBytes.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace velarion::catalogues {

TReadResult<std::vector<std::byte>> ReadFileBytes(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::ifstream in(path, std::ios::binary);
  if (error || !in) {
    return TReadError{"cannot open " + path.string()};
  }
  std::vector<std::byte> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
    return TReadError{"cannot read " + path.string()};
  }
  return bytes;
}

}  // namespace velarion::catalogues

// The object file "orbits.dat": every asteroid record, then every comet record, each led by
// its type byte; no header. A damaged file is refused whole with where and why, never used
// in part, so that the group does not save the remains back over it.
#ifndef VELARION_PLUGINS_ORBITS_OBJECTFILE_H
#define VELARION_PLUGINS_ORBITS_OBJECTFILE_H

#include "Asteroid.h"
#include "ByteFields.h"
#include "Comet.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velarion::orbits {

struct TOrbitalLists {
  std::vector<std::unique_ptr<TAsteroid>> asteroids;
  std::vector<std::unique_ptr<TComet>> comets;
};

struct TObjectFileFault {
  std::size_t recordNumber = 0;  // from 1
  std::size_t byteOffset = 0;    // of the record's type byte
  uint8_t typeByte = 0;
  TElementFault element = TElementFault::kNone;  // kNone: the type byte is unknown
};

std::variant<TOrbitalLists, TObjectFileFault> ReadObjectFile(velplatform::TConstBytes bytes);
std::string WriteObjectFile(const TOrbitalLists& lists);

// The reader's message about `fileName`, in CP1251, Russian or English.
std::string DescribeObjectFileFault(const TObjectFileFault& fault, std::string_view fileName,
                                    bool russian);

}  // namespace velarion::orbits

#endif

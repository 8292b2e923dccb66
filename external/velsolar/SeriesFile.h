// Reader of the series file "velsolar.dat" (written by tools/solar_series/make_solar_series.py).
//
// Layout, little-endian:
//   header, 24 bytes:   +0 magic "VELSOLR1"  +8 uint32 version (1)  +12 uint32 series count
//                       +16 uint64 file size
//   directory entries, 16 bytes each:
//                       +0 uint8 body  +1 uint8 coordinate  +2 uint8 power  +3 uint8 kind
//                       +4 uint32 term count  +8 uint64 byte offset of the first term
//   terms: doubles, 8-byte aligned; kind 1 VSOP (A, B, C), kind 2 ELP (A, p0..p4),
//   kind 3 polynomial (one double per count).
#ifndef VELSOLAR_SERIES_FILE_H
#define VELSOLAR_SERIES_FILE_H

#include "Bodies.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velsolar {

enum class TTermKind : uint8_t { kVsop = 1, kElp = 2, kPolynomial = 3 };

struct TSeriesRecord {
  int body;        // the body number (velcommon::TBody): 1 Moon, 2 Mercury .. 9 Neptune
  int coordinate;  // 0 longitude, 1 latitude, 2 radius
  int power;
  TTermKind kind;
  std::vector<double> values;  // count x width doubles, in file order
};

struct TSeriesFileContents {
  std::vector<TSeriesRecord> series;
  std::string error;  // empty when the file was read completely
};

inline constexpr int kMaxBody = velcommon::BodyNumber(velcommon::TBody::kNeptune);
inline constexpr int kMaxPower = 5;

// Doubles per term of a kind.
int TermWidth(TTermKind kind);

// Reads and checks the whole file; on any fault the series list is empty and `error`
// says what was wrong.
TSeriesFileContents ReadSeriesFile(const std::string& path);

}  // namespace velsolar

#endif

// The ecliptic's declination against right ascension, kept as a table of the first quadrant
// in arc-seconds so that neither view evaluates a trigonometric function per point.
#ifndef VELARION_PLUGINS_ZODIAC_ECLIPTICTABLE_H
#define VELARION_PLUGINS_ZODIAC_ECLIPTICTABLE_H

#include <array>
#include <cstdint>

namespace velarion::zodiac {

class TEclipticTable {
 public:
  static constexpr int kEntries = 136;                // 0° … 90° in steps of 40'
  static constexpr double kRebuildLimit = 0.0002778;  // degrees, about one arc-second

  // Rebuilds the table when the obliquity (degrees) moved by more than the limit; true
  // when it did.
  bool Update(double obliquity);
  // Forgets the obliquity, so that the next update rebuilds.
  void Invalidate() { obliquity_ = 0.0; }
  double Obliquity() const { return obliquity_; }
  int32_t Entry(int i) const { return table_[static_cast<std::size_t>(i)]; }

  // Declination in arc-minutes of the point at `ra` arc-minutes (0 … 21599), integer only.
  int32_t QuickDeclination(int32_t ra) const;
  // Declination in degrees of the point at `ra` degrees (0 ≤ ra < 360).
  double DetailedDeclination(double ra) const;

 private:
  std::array<int32_t, kEntries> table_{};
  double obliquity_ = 0.0;
};

}  // namespace velarion::zodiac

#endif

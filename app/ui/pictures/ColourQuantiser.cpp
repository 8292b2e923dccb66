#include "ColourQuantiser.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_map>

namespace velarion::ui {

namespace {

using velplatform::BlueOfPixel;
using velplatform::GreenOfPixel;
using velplatform::RedOfPixel;

constexpr int kBinBits = 5;
constexpr int kBinCount = 1 << (3 * kBinBits);

int BinOf(uint32_t pixel) {
  return static_cast<int>(((RedOfPixel(pixel) >> 3) << 10) | ((GreenOfPixel(pixel) >> 3) << 5) |
                          (BlueOfPixel(pixel) >> 3));
}
int Channel(int bin, int axis) { return (bin >> (10 - 5 * axis)) & 0x1F; }

// The pixels that fall in each bin and the sums of their channels.
struct TBin {
  uint64_t count = 0;
  std::array<uint64_t, 3> sum{};
};

struct TBox {
  std::vector<int> bins;  // occupied bins only
  uint64_t count = 0;
};

// The box's longest side, as an axis (0 red, 1 green, 2 blue) and its length in bins.
std::pair<int, int> LongestSide(const TBox& box) {
  std::pair<int, int> longest{0, -1};
  for (int axis = 0; axis < 3; ++axis) {
    const auto [low, high] =
        std::ranges::minmax(box.bins, {}, [axis](int bin) { return Channel(bin, axis); });
    const int length = Channel(high, axis) - Channel(low, axis);
    if (length > longest.second) longest = {axis, length};
  }
  return longest;
}

// Splits at the median pixel along the longest side; both halves keep at least one bin.
std::pair<TBox, TBox> Split(TBox box, const std::vector<TBin>& bins) {
  const int axis = LongestSide(box).first;
  std::ranges::sort(box.bins, {}, [axis](int bin) { return Channel(bin, axis); });
  TBox low;
  std::size_t cut = 0;
  while (cut + 1 < box.bins.size() && low.count * 2 < box.count) {
    low.count += bins[box.bins[cut]].count;
    ++cut;
  }
  cut = std::max<std::size_t>(cut, 1);
  low.bins.assign(box.bins.begin(), box.bins.begin() + static_cast<std::ptrdiff_t>(cut));
  low.count = 0;
  for (int bin : low.bins) low.count += bins[bin].count;
  TBox high{{box.bins.begin() + static_cast<std::ptrdiff_t>(cut), box.bins.end()},
            box.count - low.count};
  return {std::move(low), std::move(high)};
}

std::vector<TBox> MedianCut(const std::vector<TBin>& bins) {
  TBox all;
  for (int bin = 0; bin < kBinCount; ++bin) {
    if (bins[bin].count == 0) continue;
    all.bins.push_back(bin);
    all.count += bins[bin].count;
  }
  std::vector<TBox> boxes{std::move(all)};
  while (boxes.size() < kMaxPaletteColours) {
    const auto largest = std::ranges::max_element(
        boxes, {}, [](const TBox& b) { return b.bins.size() > 1 ? b.count : 0; });
    if (largest->bins.size() < 2) break;
    auto [low, high] = Split(std::move(*largest), bins);
    *largest = std::move(low);
    boxes.push_back(std::move(high));
  }
  return boxes;
}

uint32_t MeanColour(const TBox& box, const std::vector<TBin>& bins) {
  std::array<uint64_t, 3> sum{};
  for (int bin : box.bins)
    for (int axis = 0; axis < 3; ++axis) sum[axis] += bins[bin].sum[axis];
  const auto mean = [&](int axis) { return static_cast<uint32_t>(sum[axis] / box.count); };
  return 0xFF000000 | (mean(0) << 16) | (mean(1) << 8) | mean(2);
}

TIndexedPicture MedianCutPicture(const velplatform::TPixelView& picture) {
  std::vector<TBin> bins(kBinCount);
  for (const uint32_t pixel : picture.pixels) {
    TBin& bin = bins[BinOf(pixel)];
    ++bin.count;
    bin.sum[0] += RedOfPixel(pixel);
    bin.sum[1] += GreenOfPixel(pixel);
    bin.sum[2] += BlueOfPixel(pixel);
  }
  TIndexedPicture indexed{picture.width, picture.height, 8, {}, {}};
  std::vector<uint8_t> indexOfBin(kBinCount, 0);
  for (const TBox& box : MedianCut(bins)) {
    for (int bin : box.bins) indexOfBin[bin] = static_cast<uint8_t>(indexed.palette.size());
    indexed.palette.push_back(MeanColour(box, bins));
  }
  indexed.indices.resize(picture.pixels.size());
  std::ranges::transform(picture.pixels, indexed.indices.begin(),
                         [&](uint32_t pixel) { return indexOfBin[BinOf(pixel)]; });
  return indexed;
}

}  // namespace

TIndexedPicture ReduceTo256Colours(const velplatform::TPixelView& picture) {
  std::unordered_map<uint32_t, uint8_t> exact;
  TIndexedPicture indexed{picture.width, picture.height, 8, {}, {}};
  indexed.indices.resize(picture.pixels.size());
  uint32_t last = 0;
  uint8_t lastIndex = 0;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const uint32_t pixel = picture.pixels[i] | 0xFF000000;
    if (i == 0 || pixel != last) {
      auto [entry, added] = exact.try_emplace(pixel, static_cast<uint8_t>(exact.size()));
      if (added && exact.size() > kMaxPaletteColours) return MedianCutPicture(picture);
      if (added) indexed.palette.push_back(pixel);
      last = pixel;
      lastIndex = entry->second;
    }
    indexed.indices[i] = lastIndex;
  }
  return indexed;
}

}  // namespace velarion::ui

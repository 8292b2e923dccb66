// Colour schemes: named sets of the 14 colours of the sky picture, one list for the screen
// and one for the printer, kept in "colors.dat" in the program folder.
//
// "colors.dat": for each scheme a line "SCRSCHEME:" or "PRNSCHEME:" followed by its name,
// then 14 lines with the colours 0 .. 13 as decimal 0x00BBGGRR values; all screen schemes
// first. Lines end in CR LF (CR or LF alone are read as well).
#ifndef VELARION_APP_SKY_COLORSCHEMES_H
#define VELARION_APP_SKY_COLORSCHEMES_H

#include "BoundaryRecords.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace velarion::sky {

// A scheme's colours are those of the view's colour table, in file order: the slots are
// the kit's (kit::TColourSlot).

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
  return red | (green << 8) | (blue << 16);
}

class TColorScheme {
 public:
  // A scheme with the default colours of its kind.
  TColorScheme(std::string name, bool printer);

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  bool Printer() const { return printer_; }
  bool Invalid() const { return invalid_; }
  void SetInvalid(bool invalid) { invalid_ = invalid; }

  // Slots outside 0 .. 13 read as 0 and ignore writes.
  uint32_t Color(int slot) const;
  void SetColor(int slot, uint32_t color);
  const std::array<uint32_t, kit::kColourTableEntries>& Colors() const { return colors_; }

  static const std::array<uint32_t, kit::kColourTableEntries>& DefaultColors(bool printer);

 private:
  std::string name_;
  std::array<uint32_t, kit::kColourTableEntries> colors_;
  bool printer_;
  bool invalid_ = false;
};

// Schemes are shared: the sky image keeps the current ones alive even when the editor
// deletes them from their list.
using TColorSchemePtr = std::shared_ptr<TColorScheme>;
using TColorSchemeList = std::vector<TColorSchemePtr>;

class TColorSchemes {
 public:
  TColorSchemeList screen;
  TColorSchemeList printer;
  bool changed = false;

  // Reads "colors.dat" from the folder (ending with "/"); a missing file or an empty
  // list gives a "default" scheme of that kind and marks the file changed.
  void Load(const std::string& programFolder);
  // Writes "colors.dat" (atomically, through a temporary file); false on failure.
  bool Save(const std::string& programFolder) const;

  // The scheme at a configured position; a position outside the list selects the first.
  static TColorSchemePtr Select(const TColorSchemeList& list, int position);
};

}  // namespace velarion::sky

#endif

// TZStrings: a list of texts kept as one text in which every entry ends with a zero byte,
// the form in which information lines and captions cross the plug-in boundary.
#ifndef VELARION_KIT_ZSTRINGS_H
#define VELARION_KIT_ZSTRINGS_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velarion::kit {

class TZStrings {
 public:
  void Clear();
  // Appends `text` as it stands; every zero byte in it counts as the end of one entry.
  void AddText(std::string_view text);
  // Appends one entry.
  void Add(std::string_view text);

  int32_t Count() const { return count_; }
  const std::string& Text() const { return text_; }
  // The entries, one string each (for the host's own use).
  std::vector<std::string> Entries() const;

 private:
  std::string text_;
  int32_t count_ = 0;
};

// The text up to and including its count-th zero byte: a list handed back with `count`
// entries keeps exactly those (nothing for a count of 0 or less).
std::string CutAfterEntries(std::string_view text, int32_t count);

}  // namespace velarion::kit

#endif

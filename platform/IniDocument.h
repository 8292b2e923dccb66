// The text of a private-profile settings file ("[Section]" lines and "Key=Value" lines),
// kept line by line so that writing one key changes no other byte of the file.
//
// Rules, as settings files have always been read: section names and keys compare without
// regard to case (CP1251 letters included); surrounding spaces of keys and values are not
// part of them; a value enclosed in matching quotes reads without them; the first of
// duplicate sections or keys counts; lines before the first section, comments (";") and
// anything else are carried along untouched. Lines may end in CR LF or LF (or CR); new
// lines take the file's first line end, CR LF for a new file.
#ifndef VELARION_PLATFORM_INI_DOCUMENT_H
#define VELARION_PLATFORM_INI_DOCUMENT_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velplatform {

class TIniDocument {
 public:
  TIniDocument() = default;
  static TIniDocument Parse(std::string_view bytes);
  std::string Serialize() const;

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  // Keys of a section in file order (empty when the section is absent).
  std::vector<std::string> Keys(std::string_view section) const;
  bool HasSection(std::string_view section) const;

  void Set(std::string_view section, std::string_view key, std::string_view value);
  void RemoveKey(std::string_view section, std::string_view key);
  void RemoveSection(std::string_view section);

 private:
  enum class TKind { kOther, kSection, kKey };
  struct TLine {
    std::string text;     // without its line end
    std::string lineEnd;  // "\r\n", "\n", "\r" or "" for a last line without one
    TKind kind = TKind::kOther;
    std::string name;  // section name or key, trimmed
  };

  static TLine Classify(std::string text, std::string lineEnd);
  // Index of the first line of the section's header, or none.
  std::optional<std::size_t> FindSection(std::string_view section) const;
  // One past the section's last line (the next header or the end).
  std::size_t SectionEnd(std::size_t header) const;
  std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;
  std::string NewLineEnd() const;

  std::vector<TLine> lines_;
};

}  // namespace velplatform

#endif

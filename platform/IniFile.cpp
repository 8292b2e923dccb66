#include "IniFile.h"

namespace velplatform {

TIniDocument TIniFile::Load() const {
  const auto bytes = ReadWholeFile(path_);
  return bytes ? TIniDocument::Parse(*bytes) : TIniDocument{};
}

std::optional<std::string> TIniFile::Read(std::string_view section, std::string_view key) const {
  return Load().Get(section, key);
}

bool TIniFile::Update(const std::function<void(TIniDocument&)>& edit,
                      const TAtomicWriteHooks& hooks) const {
  const auto bytes = ReadWholeFile(path_);
  TIniDocument doc = bytes ? TIniDocument::Parse(*bytes) : TIniDocument{};
  edit(doc);
  const std::string text = doc.Serialize();
  if (bytes && *bytes == text) return true;  // nothing changed: leave the file alone
  return WriteFileAtomically(path_, text, hooks);
}

bool TIniFile::Write(std::string_view section, std::string_view key, std::string_view value) const {
  return Update([&](TIniDocument& doc) { doc.Set(section, key, value); });
}

}  // namespace velplatform

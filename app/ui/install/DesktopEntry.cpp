#include "DesktopEntry.h"

namespace velarion::install {

namespace {

constexpr std::string_view kPathKey = "Path=";
// An entry is a few lines; a longer file is no entry of ours.
constexpr std::size_t kMaxEntryLines = 200;

// A string value: the entry format escapes backslashes and control characters.
std::string EscapeValue(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string UnescapeValue(std::string_view text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
      continue;
    }
    const char next = text[++i];
    plain += next == 'n'   ? '\n'
             : next == 't' ? '\t'
             : next == 'r' ? '\r'
             : next == 's' ? ' '
                           : next;
  }
  return plain;
}

}  // namespace

std::string ExecArgument(std::string_view path) {
  std::string quoted = "\"";
  for (const char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  quoted += '"';
  return EscapeValue(quoted);
}

std::string DesktopEntryText(const std::filesystem::path& program,
                             const std::filesystem::path& installFolder,
                             const TDesktopEntryOptions& options) {
  std::string text =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Version=1.4\n"
      "Name=Velarion 5.72\n"
      "GenericName=Planetarium\n"
      "Comment=Desktop planetarium: the sky for any place and moment\n"
      "Exec=" +
      ExecArgument(program.string()) + " %f\n" + std::string(kPathKey) +
      EscapeValue(installFolder.string()) +
      "\n"
      "Icon=velarion\n"
      "Terminal=false\n"
      "Categories=Education;Science;Astronomy;\n";
  if (options.opensStateFiles) text += "MimeType=" + std::string(kStateFileType) + ";\n";
  if (!options.inMenu) text += "NoDisplay=true\n";
  return text;
}

std::optional<std::filesystem::path> InstallFolderOfEntry(std::string_view entryText) {
  for (std::size_t line = 0; line < kMaxEntryLines && !entryText.empty(); ++line) {
    const std::size_t end = entryText.find('\n');
    const std::string_view text = entryText.substr(0, end);
    if (text.starts_with(kPathKey) && text.size() > kPathKey.size()) {
      return std::filesystem::path(UnescapeValue(text.substr(kPathKey.size())));
    }
    if (end == std::string_view::npos) break;
    entryText.remove_prefix(end + 1);
  }
  return std::nullopt;
}

}  // namespace velarion::install

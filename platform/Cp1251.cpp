#include "Cp1251.h"

#include <array>
#include <cstdint>

namespace velplatform {

namespace {

// Bytes 0x80 .. 0xFF of code page 1251 (the Unicode consortium's mapping table
// CP1251.TXT; 0x98 is unassigned).
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr char32_t kReplacement = 0xFFFD;

constexpr char32_t UpperCodePoint(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0x0430 && c <= 0x044F) return c - 0x20;  // а .. я
  if (c >= 0x0450 && c <= 0x045F) return c - 0x50;  // ѐ .. џ
  if (c == 0x0491) return 0x0490;                   // ґ
  return c;
}

constexpr char32_t LowerCodePoint(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;
  if (c == 0x0490) return 0x0491;
  return c;
}

constexpr char32_t CodePointOf(unsigned char byte) {
  return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

constexpr unsigned char ByteOf(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
    if (kHighHalf[i] == c && c != kReplacement) return static_cast<unsigned char>(0x80 + i);
  }
  return '?';
}

template <char32_t (*Map)(char32_t)>
constexpr std::array<unsigned char, 256> CaseTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) {
    const char32_t mapped = Map(CodePointOf(static_cast<unsigned char>(b)));
    const unsigned char back = ByteOf(mapped);
    table[b] = (back == '?' && mapped != U'?') ? static_cast<unsigned char>(b) : back;
  }
  return table;
}

constexpr auto kUpper = CaseTable<UpperCodePoint>();
constexpr auto kLower = CaseTable<LowerCodePoint>();

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i], advancing i; a malformed sequence gives the
// replacement character and consumes one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t c = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    c = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    c = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    c = lead & 0x07;
  } else {
    return kReplacement;
  }
  if (i + extra > text.size()) return kReplacement;
  for (int k = 0; k < extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    c = (c << 6) | (next & 0x3F);
  }
  i += extra;
  return c;
}

}  // namespace

char32_t Cp1251ToCodePoint(unsigned char byte) { return CodePointOf(byte); }

unsigned char CodePointToCp1251(char32_t codePoint) { return ByteOf(codePoint); }

std::string Cp1251ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char ch : text) {
    AppendUtf8(out, CodePointOf(static_cast<unsigned char>(ch)));
  }
  return out;
}

std::u16string Cp1251ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char ch : text) {
    out += static_cast<char16_t>(CodePointOf(static_cast<unsigned char>(ch)));
  }
  return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    out += static_cast<char>(ByteOf(DecodeUtf8(utf8, i)));
  }
  return out;
}

std::string Utf16ToCp1251(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size()) {
      ++i;  // a surrogate pair: no CP1251 character lies outside the basic plane
      c = kReplacement;
    }
    out += static_cast<char>(ByteOf(c));
  }
  return out;
}

unsigned char UpperCp1251(unsigned char byte) { return kUpper[byte]; }
unsigned char LowerCp1251(unsigned char byte) { return kLower[byte]; }

std::string UpperCp1251(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(kUpper[static_cast<unsigned char>(ch)]);
  return out;
}

std::string LowerCp1251(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(kLower[static_cast<unsigned char>(ch)]);
  return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (kUpper[static_cast<unsigned char>(a[i])] != kUpper[static_cast<unsigned char>(b[i])]) {
      return false;
    }
  }
  return true;
}

}  // namespace velplatform

#include "net/script_unescape.h"

#include <optional>
#include <string>

#include "net/text_search.h"
#include "net/utf16_units.h"
#include "platform/codepage.h"

namespace vexo {
namespace {

constexpr std::string_view kCrLf = "\r\n";

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The value of `count` hex digits at `pos`, or -1 when they are not all there.
long HexRun(std::u16string_view s, std::size_t pos, std::size_t count) {
  if (pos + count > s.size()) return -1;
  long value = 0;
  for (std::size_t k = 0; k < count; ++k) {
    int digit = HexValue(s[pos + k]);
    if (digit < 0) return -1;
    value = value * 16 + digit;
  }
  return value;
}

bool IsOctalDigit(char16_t c) {
  return c >= u'0' && c <= u'7';
}

// Appends the code point as UTF-16 units.
void AppendCodePoint(std::u16string& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(cp));
  }
}

// The \u escape: four hex digits, or a code point in braces.
bool ReadUnicodeEscape(std::u16string_view s, std::size_t& i, std::u16string& out) {
  if (i < s.size() && s[i] == u'{') {
    std::size_t close = s.find(u'}', i + 1);
    if (close == std::u16string_view::npos || close == i + 1) return false;
    char32_t cp = 0;
    for (std::size_t k = i + 1; k < close; ++k) {
      int digit = HexValue(s[k]);
      if (digit < 0) return false;
      cp = cp * 16 + static_cast<char32_t>(digit);
      if (cp > 0x10FFFF) return false;
    }
    AppendCodePoint(out, cp);
    i = close + 1;
    return true;
  }
  long value = HexRun(s, i, 4);
  if (value < 0) return false;
  out.push_back(static_cast<char16_t>(value));
  i += 4;
  return true;
}

// The body of a single-quoted string literal with its escapes applied; none
// when the literal would not compile.
std::optional<std::u16string> ReadStringLiteral(std::u16string_view s) {
  std::u16string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    char16_t c = s[i++];
    if (c == u'\r' || c == u'\n') return std::nullopt;  // a line break ends the line
    if (c != u'\\') {
      out.push_back(c);
      continue;
    }
    if (i == s.size()) return std::nullopt;  // the backslash escapes the closing quote
    char16_t e = s[i++];
    switch (e) {
      case u'b':
        out.push_back(u'\b');
        break;
      case u't':
        out.push_back(u'\t');
        break;
      case u'n':
        out.push_back(u'\n');
        break;
      case u'v':
        out.push_back(u'\v');
        break;
      case u'f':
        out.push_back(u'\f');
        break;
      case u'r':
        out.push_back(u'\r');
        break;
      case u'\r':
      case u'\n':
        return std::nullopt;  // a raw line break, escaped or not, breaks the literal
      case u'\u2028':
      case u'\u2029':
        break;  // line continuation: stands for nothing
      case u'x': {
        long value = HexRun(s, i, 2);
        if (value < 0) return std::nullopt;
        out.push_back(static_cast<char16_t>(value));
        i += 2;
        break;
      }
      case u'u':
        if (!ReadUnicodeEscape(s, i, out)) return std::nullopt;
        break;
      default:
        if (IsOctalDigit(e)) {
          // Legacy octal: up to three digits from 0-3, up to two from 4-7.
          int value = e - u'0';
          std::size_t maxMore = e <= u'3' ? 2 : 1;
          for (std::size_t k = 0; k < maxMore && i < s.size() && IsOctalDigit(s[i]); ++k) {
            value = value * 8 + (s[i++] - u'0');
          }
          out.push_back(static_cast<char16_t>(value));
        } else {
          out.push_back(e);  // \\ \" \/ \8 and any other character stand for themselves
        }
    }
  }
  return out;
}

// The global unescape(): %uXXXX and %XX become that code unit, any other "%"
// stays.
std::u16string Unescape(std::u16string_view s) {
  std::u16string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    char16_t c = s[i];
    if (c == u'%') {
      long value = -1;
      if (i + 1 < s.size() && s[i + 1] == u'u') value = HexRun(s, i + 2, 4);
      if (value >= 0) {
        out.push_back(static_cast<char16_t>(value));
        i += 6;
        continue;
      }
      value = HexRun(s, i + 1, 2);
      if (value >= 0) {
        out.push_back(static_cast<char16_t>(value));
        i += 3;
        continue;
      }
    }
    out.push_back(c);
    ++i;
  }
  return out;
}

}  // namespace

Text UnescapeScriptText(std::string_view text) {
  Text t = ReplaceText(text, kCrLf, kLineBreakPlaceholder);
  if (!t.empty() && t.front() == '\r') t.erase(0, 1);
  t = ReplaceText(t, "\\u", "%u");
  t = ReplaceText(t, "'", kApostropheStandIn);

  std::optional<std::u16string> literal = ReadStringLiteral(Utf8ToUtf16(SystemToUtf8(t)));
  if (!literal) return {};
  std::u16string value = Unescape(*literal);
  std::size_t nul = value.find(u'\0');
  if (nul != std::u16string::npos) value.resize(nul);  // a text ends at its first NUL

  Text result = Utf8ToSystem(Utf16ToUtf8(value));
  result = ReplaceText(result, kApostropheStandIn, "'");
  return ReplaceText(result, kLineBreakPlaceholder, kCrLf);
}

}  // namespace vexo

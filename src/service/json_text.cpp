#include "service/json_text.h"

#include "service/utf8.h"

namespace vexo::service {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

void AppendUnicodeEscape(std::string& out, char32_t unit) {
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4)
    out.push_back(kHexDigits[(unit >> shift) & 0xF]);
}

void AppendEscapedCodePoint(std::string& out, char32_t code_point) {
  if (code_point < 0x10000) {
    AppendUnicodeEscape(out, code_point);
    return;
  }
  const char32_t offset = code_point - 0x10000;
  AppendUnicodeEscape(out, 0xD800 + (offset >> 10));
  AppendUnicodeEscape(out, 0xDC00 + (offset & 0x3FF));
}

// The short escape of a control character, or nothing.
const char* ShortEscape(char c) {
  switch (c) {
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    default:
      return nullptr;
  }
}

void AppendEscapedText(std::string& out, std::string_view utf8, JsonStyle style) {
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    char32_t code_point = 0;
    if (!DecodeUtf8(utf8, pos, code_point)) {
      // Not expected: texts are sanitised when the library is loaded.
      ++pos;
      continue;
    }
    const char c = utf8[start];
    if (c == '"') {
      out += "\\\"";
    } else if (code_point < 0x20) {
      if (const char* escape = ShortEscape(c)) {
        out += escape;
      } else if (style == JsonStyle::kEscaped) {
        AppendUnicodeEscape(out, code_point);
      }
      // A plain answer drops other control characters: no \u escapes there.
    } else if (style == JsonStyle::kPlain) {
      if (c == '\\') {
        out += "\\\\";
      } else {
        out.append(utf8.substr(start, pos - start));
      }
    } else if (c == '/') {
      out += "\\/";
    } else if (code_point >= 0x80 || c == '\\' || c == '%' || c == '\'') {
      AppendEscapedCodePoint(out, code_point);
    } else {
      out.push_back(c);
    }
  }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8, JsonStyle style) {
  out.push_back('"');
  AppendEscapedText(out, utf8, style);
  out.push_back('"');
}

std::string JsonEscaped(std::string_view utf8, JsonStyle style) {
  std::string out;
  out.reserve(utf8.size() + 8);
  AppendEscapedText(out, utf8, style);
  return out;
}

}  // namespace vexo::service

#include "player_view.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <cctype>

#include "service/utf8.h"

namespace vexo::service::testing {

std::vector<SongRow> MatchSongRows(std::string_view text) {
  std::vector<SongRow> rows;
  int error = 0;
  PCRE2_SIZE offset = 0;
  pcre2_code* code =
      pcre2_compile(reinterpret_cast<PCRE2_SPTR>(kSongPattern), PCRE2_ZERO_TERMINATED,
                    PCRE2_UTF | PCRE2_CASELESS | PCRE2_MULTILINE, &error, &offset, nullptr);
  if (!code) return rows;
  pcre2_match_data* match = pcre2_match_data_create_from_pattern(code, nullptr);
  PCRE2_SIZE start = 0;
  while (start <= text.size()) {
    const int found = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(),
                                  start, 0, match, nullptr);
    if (found < 5) break;
    const PCRE2_SIZE* v = pcre2_get_ovector_pointer(match);
    auto group = [&](int i) { return std::string(text.substr(v[2 * i], v[2 * i + 1] - v[2 * i])); };
    rows.push_back({group(1), group(2), group(3), group(4)});
    start = v[1] > v[0] ? v[1] : v[1] + 1;
  }
  pcre2_match_data_free(match);
  pcre2_code_free(code);
  return rows;
}

namespace {

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool HexRun(std::string_view text, std::size_t pos, std::size_t count, char32_t& value) {
  if (pos + count > text.size()) return false;
  value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const int h = Hex(text[pos + i]);
    if (h < 0) return false;
    value = value * 16 + static_cast<char32_t>(h);
  }
  return true;
}

// UTF-16 code units of the literal's value, as the script engine holds it.
std::u32string ReadLiteral(std::string_view text) {
  std::u32string units;
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    if (text[pos] == '\\' && pos + 1 < text.size()) {
      const char e = text[pos + 1];
      pos += 2;
      switch (e) {
        case 'n':
          units.push_back('\n');
          break;
        case 'r':
          units.push_back('\r');
          break;
        case 't':
          units.push_back('\t');
          break;
        case 'b':
          units.push_back('\b');
          break;
        case 'f':
          units.push_back('\f');
          break;
        case 'v':
          units.push_back('\v');
          break;
        case 'x':
          if (HexRun(text, pos, 2, cp)) {
            units.push_back(cp);
            pos += 2;
          } else {
            units.push_back('x');
          }
          break;
        default:
          units.push_back(static_cast<unsigned char>(e));
          break;
      }
      continue;
    }
    if (!DecodeUtf8(text, pos, cp)) {
      ++pos;
      continue;
    }
    if (cp >= 0x10000) {
      units.push_back(0xD800 + ((cp - 0x10000) >> 10));
      units.push_back(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      units.push_back(cp);
    }
  }
  return units;
}

}  // namespace

std::string DecodeChartAnswer(std::string_view text) {
  std::string replaced(text);
  for (std::size_t p = replaced.find("\\u"); p != std::string::npos; p = replaced.find("\\u", p)) {
    replaced[p] = '%';
  }
  const auto literal = ReadLiteral(replaced);
  // unescape(): %uXXXX and %XX give code units; other percent signs stay.
  std::u32string units;
  for (std::size_t i = 0; i < literal.size(); ++i) {
    auto hex_at = [&](std::size_t from, std::size_t count, char32_t& value) {
      if (from + count > literal.size()) return false;
      value = 0;
      for (std::size_t k = 0; k < count; ++k) {
        const char32_t c = literal[from + k];
        const int h = c < 0x80 ? Hex(static_cast<char>(c)) : -1;
        if (h < 0) return false;
        value = value * 16 + static_cast<char32_t>(h);
      }
      return true;
    };
    char32_t value = 0;
    if (literal[i] == '%' && i + 1 < literal.size() && literal[i + 1] == 'u' &&
        hex_at(i + 2, 4, value)) {
      units.push_back(value);
      i += 5;
    } else if (literal[i] == '%' && hex_at(i + 1, 2, value)) {
      units.push_back(value);
      i += 2;
    } else {
      units.push_back(literal[i]);
    }
  }
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    char32_t cp = units[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (units[i + 1] - 0xDC00);
      ++i;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::string TextBetween(std::string_view text, std::string_view left, std::string_view right) {
  const std::string folded = FoldCase(text);
  const auto l = folded.find(FoldCase(left));
  if (l == std::string::npos) return {};
  const auto start = l + left.size();
  const auto r = folded.find(FoldCase(right), start);
  if (r == std::string::npos) return {};
  return std::string(text.substr(start, r - start));
}

}  // namespace vexo::service::testing

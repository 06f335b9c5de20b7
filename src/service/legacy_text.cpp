#include "service/legacy_text.h"

#include "platform/codepage.h"
#include "service/utf8.h"

namespace vexo::service {

namespace {

constexpr const char* kGb18030 = "GB18030";
constexpr const char* kBig5 = "BIG5";
// Fields of a tag are judged together, joined by a byte that ends any
// multi-byte sequence.
constexpr char kFieldJoiner = '\n';

bool IsHigh(unsigned char b) {
  return b >= 0x80;
}

bool IsAsciiLetter(unsigned char b) {
  return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z');
}

// Latin-1's accented letters: 0xC0 to 0xFF but for the signs × and ÷.
bool IsLatin1Letter(unsigned char b) {
  return b >= 0xC0 && b != 0xD7 && b != 0xF7;
}

// Whether every non-ASCII byte of `bytes` sits in Latin-1 text as such
// characters do: an accented letter beside a plain letter ("Björk",
// "Créée"), a sign ("°", "©", "«") beside no other non-ASCII byte. Runs of
// accented letters with no plain letter around them, signs in pairs and
// control codes are what GBK or Big5 bytes look like in Latin-1.
bool ReadsAsLatin1(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char b = at(i);
    if (!IsHigh(b)) continue;
    const bool has_before = i > 0;
    const bool has_after = i + 1 < bytes.size();
    if (b < 0xA0) return false;  // a control code
    if (IsLatin1Letter(b)) {
      if (!(has_before && IsAsciiLetter(at(i - 1))) && !(has_after && IsAsciiLetter(at(i + 1))))
        return false;
    } else if ((has_before && IsHigh(at(i - 1))) || (has_after && IsHigh(at(i + 1)))) {
      return false;
    }
  }
  return true;
}

bool IsCjkIdeograph(char32_t c) {
  return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
         (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3134F);
}

bool HoldsCjkIdeograph(std::string_view utf8) {
  std::size_t pos = 0;
  char32_t c = 0;
  while (pos < utf8.size()) {
    if (!DecodeUtf8(utf8, pos, c)) return false;
    if (IsCjkIdeograph(c)) return true;
  }
  return false;
}

// Valid in `charset` and holding an ideograph once converted.
bool FitsAsChinese(std::string_view bytes, const char* charset) {
  std::string utf8;
  return ConvertBytesStrictly(bytes, charset, "UTF-8", utf8) && HoldsCjkIdeograph(utf8);
}

// How much `bytes` look like ordinary Chinese text in GB18030: one point per
// character of GB2312's first level (the 3,755 most used ideographs), one
// off per symbol (kana, Greek, Cyrillic, box drawing: rows 0xA1 to 0xA9).
int Gb18030Score(std::string_view bytes) {
  int score = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (!IsHigh(lead) || i + 1 >= bytes.size()) {
      ++i;
      continue;
    }
    const auto trail = static_cast<unsigned char>(bytes[i + 1]);
    if (trail >= 0x30 && trail <= 0x39) {  // a four-byte character
      i += 4;
      continue;
    }
    if (lead >= 0xB0 && lead <= 0xD7 && trail >= 0xA1) ++score;
    if (lead >= 0xA1 && lead <= 0xA9) --score;
    i += 2;
  }
  return score;
}

// The same for Big5: one point per frequently used ideograph (0xA440 to
// 0xC67E), one off per symbol (rows 0xA1 to 0xA3).
int Big5Score(std::string_view bytes) {
  int score = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (!IsHigh(lead) || i + 1 >= bytes.size()) {
      ++i;
      continue;
    }
    const auto trail = static_cast<unsigned char>(bytes[i + 1]);
    if ((lead >= 0xA4 && lead <= 0xC5) || (lead == 0xC6 && trail <= 0x7E)) ++score;
    if (lead >= 0xA1 && lead <= 0xA3) --score;
    i += 2;
  }
  return score;
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes)
    AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

}  // namespace

LegacyCharset GuessLegacyCharset(const std::vector<std::string>& texts) {
  std::string joined;
  for (const auto& text : texts) {
    joined += text;
    joined.push_back(kFieldJoiner);
  }
  if (ReadsAsLatin1(joined)) return LegacyCharset::kLatin1;
  const bool gb = FitsAsChinese(joined, kGb18030);
  const bool big5 = FitsAsChinese(joined, kBig5);
  if (gb && big5) {
    return Big5Score(joined) > Gb18030Score(joined) ? LegacyCharset::kBig5
                                                    : LegacyCharset::kGb18030;
  }
  if (gb) return LegacyCharset::kGb18030;
  if (big5) return LegacyCharset::kBig5;
  return LegacyCharset::kLatin1;
}

std::string LegacyToUtf8(std::string_view bytes, LegacyCharset charset) {
  if (charset == LegacyCharset::kLatin1) return SanitizeUtf8(Latin1ToUtf8(bytes));
  std::string utf8;
  ConvertBytes(bytes, charset == LegacyCharset::kBig5 ? kBig5 : kGb18030, "UTF-8", utf8);
  return SanitizeUtf8(utf8);
}

std::string FileNameText(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return SanitizeUtf8(bytes);
  return LegacyToUtf8(bytes, LegacyCharset::kGb18030);
}

}  // namespace vexo::service

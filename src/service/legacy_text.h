#pragma once
// Texts of tags that carry no character set of their own: ID3v1 tags and
// ID3v2 frames marked Latin-1. Most Chinese music tagged before UTF-8 holds
// GBK (GB18030) bytes there, some Big5; the rest is real Latin-1. Tags are
// judged as a whole, never one field alone: one unmistakable field decides
// for its short neighbours.
#include <string>
#include <string_view>
#include <vector>

namespace vexo::service {

enum class LegacyCharset { kLatin1, kGb18030, kBig5 };

// The character set of the 8-bit texts of one tag. GB18030 (or Big5) when
// the texts together are valid in it, hold at least one CJK ideograph, and
// read as Latin-1 gibberish (an accented letter with no plain letter beside
// it, a sign between other signs, a control code); Big5 over GB18030 only
// when both fit and Big5 reads as the more common characters. Latin-1
// otherwise, so "Café" and "Björk" stay as they are.
LegacyCharset GuessLegacyCharset(const std::vector<std::string>& texts);

// `bytes` in `charset` as UTF-8; a sequence that is not valid in it becomes
// "?" (Latin-1 has none).
std::string LegacyToUtf8(std::string_view bytes, LegacyCharset charset);

// A file name's bytes as a text to show: UTF-8 as it is, anything else read
// as GB18030 (archives unpacked from Chinese Windows), bytes valid in
// neither becoming "?".
std::string FileNameText(std::string_view bytes);

}  // namespace vexo::service

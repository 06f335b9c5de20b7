#pragma once
// The names a music file's tags give it, as UTF-8. Formats whose tags hold
// 8-bit texts without a character set (ID3v1, ID3v2 frames marked Latin-1)
// are read tag by tag with the legacy character set guess; every other tag
// (UTF-8, UTF-16, and WAV's INFO list, which TagLib reads as UTF-8) is taken
// as it is.
#include <string>

#include "service/legacy_text.h"

namespace TagLib {
class File;
class String;
namespace ID3v2 {
class Tag;
}  // namespace ID3v2
}  // namespace TagLib

namespace vexo::service {

struct TagTexts {
  std::string title;
  std::string artist;
  std::string album;
};

// The title, singer and album of `file`: per field the first one found, in
// the order ID3v2, APE, ID3v1 (MP3), ID3v2, INFO (WAV), else the format's own
// tag. Texts are trimmed; missing ones are empty.
TagTexts ReadTagTexts(TagLib::File& file);

// The character set the Latin-1 frames of `tag` are in, judged on its title,
// singer and album frames, and on its lyrics when those are all plain.
LegacyCharset Id3v2Charset(const TagLib::ID3v2::Tag& tag);

// Whether an ID3v2 frame's text encoding is Latin-1. It is taken as a
// number: TagLib keeps the encoding byte of a damaged frame as it found it,
// which may be no encoding at all.
bool IsLatin1Encoding(long long encoding);

// An ID3v2 frame's text as UTF-8: one marked Latin-1 decoded in `charset`,
// any other as TagLib decoded it.
std::string Id3v2FrameText(const TagLib::String& text, bool marked_latin1, LegacyCharset charset);

}  // namespace vexo::service

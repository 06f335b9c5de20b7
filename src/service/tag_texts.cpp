#include "service/tag_texts.h"

#include <aifffile.h>
#include <apetag.h>
#include <id3v1tag.h>
#include <id3v2tag.h>
#include <infotag.h>
#include <mpegfile.h>
#include <synchronizedlyricsframe.h>
#include <textidentificationframe.h>
#include <unsynchronizedlyricsframe.h>
#include <wavfile.h>

#include <vector>

#include "service/utf8.h"

namespace vexo::service {

namespace {

constexpr const char* kTitleFrame = "TIT2";
constexpr const char* kArtistFrame = "TPE1";
constexpr const char* kAlbumFrame = "TALB";
constexpr const char* kLyricsFrame = "USLT";
constexpr const char* kSyncedLyricsFrame = "SYLT";

// A text TagLib read as Latin-1, given back as the bytes it was read from.
std::string RawBytes(const TagLib::String& text) {
  return text.to8Bit(false);
}

std::string Trimmed(std::string text) {
  return std::string(TrimWhite(SanitizeUtf8(text)));
}

// The first text frame `id` of `tag`: its first value, and whether it is
// marked Latin-1.
const TagLib::ID3v2::TextIdentificationFrame* TextFrame(const TagLib::ID3v2::Tag& tag,
                                                        const char* id) {
  const auto& frames = tag.frameListMap()[id];
  if (frames.isEmpty()) return nullptr;
  return dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(frames.front());
}

TagLib::String FirstValue(const TagLib::ID3v2::TextIdentificationFrame& frame) {
  const auto values = frame.fieldList();
  return values.isEmpty() ? TagLib::String() : values.front();
}

std::string Id3v2Field(const TagLib::ID3v2::Tag& tag, const char* id, LegacyCharset charset) {
  const auto* frame = TextFrame(tag, id);
  if (!frame) return {};
  return Trimmed(
      Id3v2FrameText(FirstValue(*frame), IsLatin1Encoding(frame->textEncoding()), charset));
}

TagTexts Id3v2Texts(const TagLib::ID3v2::Tag& tag) {
  const auto charset = Id3v2Charset(tag);
  return {Id3v2Field(tag, kTitleFrame, charset), Id3v2Field(tag, kArtistFrame, charset),
          Id3v2Field(tag, kAlbumFrame, charset)};
}

// A tag whose every text is 8-bit without a character set (ID3v1).
TagTexts LegacyTexts(const TagLib::Tag& tag) {
  const std::vector<std::string> raw{RawBytes(tag.title()), RawBytes(tag.artist()),
                                     RawBytes(tag.album())};
  const auto charset = GuessLegacyCharset(raw);
  return {Trimmed(LegacyToUtf8(raw[0], charset)), Trimmed(LegacyToUtf8(raw[1], charset)),
          Trimmed(LegacyToUtf8(raw[2], charset))};
}

TagTexts PlainTexts(const TagLib::Tag& tag) {
  return {Trimmed(tag.title().to8Bit(true)), Trimmed(tag.artist().to8Bit(true)),
          Trimmed(tag.album().to8Bit(true))};
}

void FillGaps(TagTexts& texts, const TagTexts& more) {
  if (texts.title.empty()) texts.title = more.title;
  if (texts.artist.empty()) texts.artist = more.artist;
  if (texts.album.empty()) texts.album = more.album;
}

}  // namespace

bool IsLatin1Encoding(long long encoding) {
  return encoding == TagLib::String::Latin1;
}

LegacyCharset Id3v2Charset(const TagLib::ID3v2::Tag& tag) {
  std::vector<std::string> latin1;
  for (const char* id : {kTitleFrame, kArtistFrame, kAlbumFrame}) {
    const auto* frame = TextFrame(tag, id);
    if (frame && IsLatin1Encoding(frame->textEncoding()))
      latin1.push_back(RawBytes(FirstValue(*frame)));
  }
  const auto charset = GuessLegacyCharset(latin1);
  if (charset != LegacyCharset::kLatin1) return charset;
  // Names in plain ASCII say nothing; lyrics marked Latin-1 may.
  for (const auto* frame : tag.frameListMap()[kLyricsFrame]) {
    const auto* lyrics = dynamic_cast<const TagLib::ID3v2::UnsynchronizedLyricsFrame*>(frame);
    if (lyrics && IsLatin1Encoding(lyrics->textEncoding()))
      latin1.push_back(RawBytes(lyrics->text()));
  }
  for (const auto* frame : tag.frameListMap()[kSyncedLyricsFrame]) {
    const auto* lyrics = dynamic_cast<const TagLib::ID3v2::SynchronizedLyricsFrame*>(frame);
    if (!lyrics || !IsLatin1Encoding(lyrics->textEncoding())) continue;
    for (const auto& line : lyrics->synchedText())
      latin1.push_back(RawBytes(line.text));
  }
  return GuessLegacyCharset(latin1);
}

std::string Id3v2FrameText(const TagLib::String& text, bool marked_latin1, LegacyCharset charset) {
  if (marked_latin1) return LegacyToUtf8(RawBytes(text), charset);
  return SanitizeUtf8(text.to8Bit(true));
}

TagTexts ReadTagTexts(TagLib::File& file) {
  TagTexts texts;
  if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file)) {
    if (mpeg->hasID3v2Tag()) texts = Id3v2Texts(*mpeg->ID3v2Tag());
    if (mpeg->hasAPETag()) FillGaps(texts, PlainTexts(*mpeg->APETag()));
    if (mpeg->hasID3v1Tag()) FillGaps(texts, LegacyTexts(*mpeg->ID3v1Tag()));
    return texts;
  }
  if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file)) {
    if (wav->hasID3v2Tag()) texts = Id3v2Texts(*wav->ID3v2Tag());
    if (wav->hasInfoTag()) FillGaps(texts, PlainTexts(*wav->InfoTag()));
    return texts;
  }
  if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(&file)) {
    if (aiff->hasID3v2Tag()) texts = Id3v2Texts(*aiff->tag());
    return texts;
  }
  if (const auto* tag = file.tag()) texts = PlainTexts(*tag);
  return texts;
}

}  // namespace vexo::service

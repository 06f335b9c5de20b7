#include "service/embedded_media.h"

#include <apefile.h>
#include <apetag.h>
#include <asffile.h>
#include <asfpicture.h>
#include <asftag.h>
#include <attachedpictureframe.h>
#include <fileref.h>
#include <flacfile.h>
#include <flacpicture.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <mp4tag.h>
#include <mpegfile.h>
#include <oggflacfile.h>
#include <opusfile.h>
#include <synchronizedlyricsframe.h>
#include <tpropertymap.h>
#include <unsynchronizedlyricsframe.h>
#include <vorbisfile.h>
#include <wavfile.h>
#include <wavpackfile.h>
#include <xiphcomment.h>

#include <aifffile.h>

#include <cstdio>

#include "service/tag_texts.h"
#include "service/utf8.h"

namespace vexo::service {

namespace {

namespace ID3v2 = TagLib::ID3v2;

constexpr const char* kLyricsKeys[] = {"LYRICS", "UNSYNCEDLYRICS"};
constexpr const char* kApeCoverItem = "COVER ART (FRONT)";
constexpr const char* kMp4CoverItem = "covr";
constexpr const char* kAsfPictureAttribute = "WM/Picture";
constexpr std::string_view kJpegStart = "\xFF\xD8\xFF";
constexpr std::string_view kPngStart = "\x89PNG\r\n\x1A\n";

// The ID3v2 tag of the formats that carry one.
ID3v2::Tag* Id3v2TagOf(TagLib::File& file) {
  if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file))
    return mpeg->hasID3v2Tag() ? mpeg->ID3v2Tag() : nullptr;
  if (auto* wav = dynamic_cast<TagLib::RIFF::WAV::File*>(&file))
    return wav->hasID3v2Tag() ? wav->ID3v2Tag() : nullptr;
  if (auto* aiff = dynamic_cast<TagLib::RIFF::AIFF::File*>(&file))
    return aiff->hasID3v2Tag() ? aiff->tag() : nullptr;
  return nullptr;
}

// The Vorbis comment of the formats that carry one.
TagLib::Ogg::XiphComment* XiphCommentOf(TagLib::File& file) {
  if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(&file))
    return flac->hasXiphComment() ? flac->xiphComment() : nullptr;
  if (auto* vorbis = dynamic_cast<TagLib::Ogg::Vorbis::File*>(&file)) return vorbis->tag();
  if (auto* opus = dynamic_cast<TagLib::Ogg::Opus::File*>(&file)) return opus->tag();
  if (auto* ogg_flac = dynamic_cast<TagLib::Ogg::FLAC::File*>(&file)) return ogg_flac->tag();
  return nullptr;
}

// The APE tag of the formats that carry one.
TagLib::APE::Tag* ApeTagOf(TagLib::File& file) {
  if (auto* ape = dynamic_cast<TagLib::APE::File*>(&file))
    return ape->hasAPETag() ? ape->APETag() : nullptr;
  if (auto* wavpack = dynamic_cast<TagLib::WavPack::File*>(&file))
    return wavpack->hasAPETag() ? wavpack->APETag() : nullptr;
  if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(&file))
    return mpeg->hasAPETag() ? mpeg->APETag() : nullptr;
  return nullptr;
}

// `lines` when they can be followed in time, else nothing.
std::vector<std::string> Timed(std::vector<std::string> lines) {
  return HasTimeTag(lines) ? std::move(lines) : std::vector<std::string>{};
}

std::vector<std::string> Id3v2Lyrics(const ID3v2::Tag& tag) {
  const auto charset = Id3v2Charset(tag);
  for (const auto* frame : tag.frameListMap()["USLT"]) {
    const auto* lyrics = dynamic_cast<const ID3v2::UnsynchronizedLyricsFrame*>(frame);
    if (!lyrics) continue;
    const bool latin1 = IsLatin1Encoding(lyrics->textEncoding());
    auto lines = Timed(SplitLyricText(Id3v2FrameText(lyrics->text(), latin1, charset)));
    if (!lines.empty()) return lines;
  }
  for (const auto* frame : tag.frameListMap()["SYLT"]) {
    const auto* lyrics = dynamic_cast<const ID3v2::SynchronizedLyricsFrame*>(frame);
    if (!lyrics ||
        lyrics->timestampFormat() != ID3v2::SynchronizedLyricsFrame::AbsoluteMilliseconds)
      continue;
    const bool latin1 = IsLatin1Encoding(lyrics->textEncoding());
    std::vector<std::string> lines;
    for (const auto& entry : lyrics->synchedText()) {
      const auto text = Id3v2FrameText(entry.text, latin1, charset);
      lines.push_back(LrcTimeTag(entry.time) + std::string(TrimWhite(text)));
    }
    if (!lines.empty()) return lines;
  }
  return {};
}

std::optional<EmbeddedPicture> UsablePicture(const TagLib::ByteVector& data) {
  if (data.size() > kMaxEmbeddedPictureBytes) return std::nullopt;
  std::string bytes(data.data(), data.size());
  if (bytes.starts_with(kJpegStart)) return EmbeddedPicture{std::move(bytes), "jpg"};
  if (bytes.starts_with(kPngStart)) return EmbeddedPicture{std::move(bytes), "png"};
  return std::nullopt;
}

// The first usable picture of `pictures` of type `wanted`; `type_of` and
// `data_of` read one.
template <typename List, typename TypeOf, typename DataOf>
std::optional<EmbeddedPicture> PictureOfType(const List& pictures, int wanted, TypeOf type_of,
                                             DataOf data_of) {
  for (const auto& picture : pictures) {
    if (type_of(picture) != wanted) continue;
    if (auto usable = UsablePicture(data_of(picture))) return usable;
  }
  return std::nullopt;
}

// The front cover among `pictures`, else a picture marked "other" (what
// many taggers write for a cover).
template <typename List, typename TypeOf, typename DataOf>
std::optional<EmbeddedPicture> FrontCoverAmong(const List& pictures, int front, int other,
                                               TypeOf type_of, DataOf data_of) {
  if (auto cover = PictureOfType(pictures, front, type_of, data_of)) return cover;
  return PictureOfType(pictures, other, type_of, data_of);
}

std::optional<EmbeddedPicture> Id3v2Cover(const ID3v2::Tag& tag) {
  std::vector<const ID3v2::AttachedPictureFrame*> pictures;
  for (const auto* frame : tag.frameListMap()["APIC"]) {
    if (const auto* picture = dynamic_cast<const ID3v2::AttachedPictureFrame*>(frame))
      pictures.push_back(picture);
  }
  return FrontCoverAmong(
      pictures, ID3v2::AttachedPictureFrame::FrontCover, ID3v2::AttachedPictureFrame::Other,
      [](const auto* p) { return static_cast<int>(p->type()); },
      [](const auto* p) { return p->picture(); });
}

std::optional<EmbeddedPicture> FlacCover(const TagLib::List<TagLib::FLAC::Picture*>& pictures) {
  return FrontCoverAmong(
      pictures, TagLib::FLAC::Picture::FrontCover, TagLib::FLAC::Picture::Other,
      [](const auto* p) { return static_cast<int>(p->type()); },
      [](const auto* p) { return p->data(); });
}

std::optional<EmbeddedPicture> Mp4Cover(const TagLib::MP4::Tag& tag) {
  if (!tag.contains(kMp4CoverItem)) return std::nullopt;
  for (const auto& cover : tag.item(kMp4CoverItem).toCoverArtList()) {
    if (auto usable = UsablePicture(cover.data())) return usable;
  }
  return std::nullopt;
}

std::optional<EmbeddedPicture> ApeCover(const TagLib::APE::Tag& tag) {
  const auto& items = tag.itemListMap();
  const auto item = items.find(kApeCoverItem);
  if (item == items.end()) return std::nullopt;
  // The item holds a description, a NUL, then the picture.
  const auto data = item->second.binaryData();
  const int nul = data.find('\0');
  if (nul < 0) return std::nullopt;
  return UsablePicture(data.mid(static_cast<unsigned>(nul) + 1));
}

std::optional<EmbeddedPicture> AsfCover(const TagLib::ASF::Tag& tag) {
  std::vector<TagLib::ASF::Picture> pictures;
  for (const auto& attribute : tag.attribute(kAsfPictureAttribute))
    pictures.push_back(attribute.toPicture());
  return FrontCoverAmong(
      pictures, TagLib::ASF::Picture::FrontCover, TagLib::ASF::Picture::Other,
      [](const auto& p) { return p.isValid() ? static_cast<int>(p.type()) : -1; },
      [](const auto& p) { return p.picture(); });
}

}  // namespace

std::vector<std::string> SplitLyricText(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.push_back(std::move(line));
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  lines.push_back(std::move(line));
  while (!lines.empty() && TrimWhite(lines.back()).empty())
    lines.pop_back();
  return lines;
}

bool HasTimeTag(const std::vector<std::string>& lines) {
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (const auto& line : lines) {
    for (auto open = line.find('['); open != std::string::npos; open = line.find('[', open + 1)) {
      std::size_t i = open + 1;
      const std::size_t minutes = i;
      while (i < line.size() && digit(line[i]))
        ++i;
      if (i == minutes || i >= line.size() || line[i] != ':') continue;
      if (i + 1 < line.size() && digit(line[i + 1])) return true;
    }
  }
  return false;
}

std::string LrcTimeTag(unsigned milliseconds) {
  char tag[32];
  std::snprintf(tag, sizeof tag, "[%02u:%02u.%02u]", milliseconds / 60000, milliseconds / 1000 % 60,
                milliseconds % 1000 / 10);
  return tag;
}

std::vector<std::string> EmbeddedLyricLines(TagLib::File& file) {
  if (const auto* id3v2 = Id3v2TagOf(file)) {
    auto lines = Id3v2Lyrics(*id3v2);
    if (!lines.empty()) return lines;
  }
  // Every other tag names its lyrics in the format-neutral property map.
  const auto properties = file.properties();
  for (const char* key : kLyricsKeys) {
    const auto found = properties.find(key);
    if (found == properties.end()) continue;
    for (const auto& text : found->second) {
      auto lines = Timed(SplitLyricText(SanitizeUtf8(text.to8Bit(true))));
      if (!lines.empty()) return lines;
    }
  }
  return {};
}

std::optional<EmbeddedPicture> EmbeddedFrontCover(TagLib::File& file) {
  if (const auto* id3v2 = Id3v2TagOf(file)) {
    if (auto cover = Id3v2Cover(*id3v2)) return cover;
  }
  if (auto* flac = dynamic_cast<TagLib::FLAC::File*>(&file)) {
    if (auto cover = FlacCover(flac->pictureList())) return cover;
  }
  if (auto* xiph = XiphCommentOf(file)) {
    if (auto cover = FlacCover(xiph->pictureList())) return cover;
  }
  if (auto* mp4 = dynamic_cast<TagLib::MP4::File*>(&file)) {
    if (const auto* tag = mp4->tag()) return Mp4Cover(*tag);
  }
  if (const auto* ape = ApeTagOf(file)) {
    if (auto cover = ApeCover(*ape)) return cover;
  }
  if (auto* asf = dynamic_cast<TagLib::ASF::File*>(&file)) {
    if (const auto* tag = asf->tag()) return AsfCover(*tag);
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> ReadEmbeddedLyrics(const std::filesystem::path& file) {
  TagLib::FileRef ref(file.c_str(), false);
  if (ref.isNull() || !ref.file()->isValid()) return std::nullopt;
  auto lines = EmbeddedLyricLines(*ref.file());
  if (lines.empty()) return std::nullopt;
  return lines;
}

std::optional<EmbeddedPicture> ReadEmbeddedPicture(const std::filesystem::path& file) {
  TagLib::FileRef ref(file.c_str(), false);
  if (ref.isNull() || !ref.file()->isValid()) return std::nullopt;
  return EmbeddedFrontCover(*ref.file());
}

}  // namespace vexo::service

#include "listener_folder.h"

#include <apefile.h>
#include <apetag.h>
#include <asffile.h>
#include <attachedpictureframe.h>
#include <flacfile.h>
#include <flacpicture.h>
#include <gtest/gtest.h>
#include <id3v1tag.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <mpegfile.h>
#include <opusfile.h>
#include <synchronizedlyricsframe.h>
#include <textidentificationframe.h>
#include <unsynchronizedlyricsframe.h>
#include <vorbisfile.h>
#include <wavfile.h>
#include <wavpackfile.h>

#include <aifffile.h>
#include <fstream>

#include "platform/codepage.h"
#include "service/demo/encoded_tone.h"
#include "test_library.h"

namespace vexo::service::testing {

namespace fs = std::filesystem;
using TagLib::String;

namespace {

constexpr double kToneSeconds = 1.5;
constexpr const char* kTimedLyrics = "[00:00.50]第一句\n[00:01.00]第二句\n";

String Utf8(const std::string& text) {
  return String(text, String::UTF8);
}

// `utf8` as the GBK bytes a Windows tagger wrote, in a string TagLib keeps
// byte for byte as Latin-1.
String GbkBytes(const std::string& utf8) {
  std::string gbk;
  EXPECT_TRUE(ConvertBytesStrictly(utf8, "UTF-8", kSystemCharset, gbk));
  return String(gbk, String::Latin1);
}

TagLib::ByteVector Bytes(const std::string& bytes) {
  return TagLib::ByteVector(bytes.data(), static_cast<unsigned>(bytes.size()));
}

void AddTextFrame(TagLib::ID3v2::Tag& tag, const char* id, const String& text,
                  String::Type encoding) {
  auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, encoding);
  frame->setText(text);
  tag.addFrame(frame);
}

void AddCover(TagLib::ID3v2::Tag& tag, const std::string& cover) {
  auto* picture = new TagLib::ID3v2::AttachedPictureFrame;
  picture->setMimeType("image/jpeg");
  picture->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
  picture->setPicture(Bytes(cover));
  tag.addFrame(picture);
}

TagLib::FLAC::Picture* FlacCover(const std::string& cover) {
  auto* picture = new TagLib::FLAC::Picture;
  picture->setType(TagLib::FLAC::Picture::FrontCover);
  picture->setMimeType("image/jpeg");
  picture->setData(Bytes(cover));
  return picture;
}

// Older MP3s: an ID3v1 tag only, its fields GBK bytes.
void WriteGbkId3v1(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  TagLib::MPEG::File mpeg(file.c_str());
  auto* tag = mpeg.ID3v1Tag(true);
  tag->setTitle(GbkBytes(title));
  tag->setArtist(GbkBytes(singer));
  ASSERT_TRUE(mpeg.save(TagLib::MPEG::File::ID3v1, TagLib::File::StripOthers));
}

// An ID3v2.3 tag whose frames are marked Latin-1 and hold GBK bytes, with
// lyrics the same way.
void WriteGbkId3v23(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  TagLib::MPEG::File mpeg(file.c_str());
  auto* tag = mpeg.ID3v2Tag(true);
  AddTextFrame(*tag, "TIT2", GbkBytes(title), String::Latin1);
  AddTextFrame(*tag, "TPE1", GbkBytes(singer), String::Latin1);
  auto* lyrics = new TagLib::ID3v2::UnsynchronizedLyricsFrame(String::Latin1);
  lyrics->setText(GbkBytes(kTimedLyrics));
  tag->addFrame(lyrics);
  ASSERT_TRUE(mpeg.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v3));
}

// Real Latin-1 text in Latin-1 frames: it must stay as it is.
void WriteLatin1Id3v23(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  TagLib::MPEG::File mpeg(file.c_str());
  auto* tag = mpeg.ID3v2Tag(true);
  AddTextFrame(*tag, "TIT2", Utf8(title), String::Latin1);
  AddTextFrame(*tag, "TPE1", Utf8(singer), String::Latin1);
  ASSERT_TRUE(mpeg.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v3));
}

// Timed lyrics as SYLT only (milliseconds), UTF-16 frames.
void WriteSyltMp3(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteTaggedMp3(file, title, singer);
  TagLib::MPEG::File mpeg(file.c_str());
  auto* lyrics = new TagLib::ID3v2::SynchronizedLyricsFrame(String::UTF16);
  lyrics->setTimestampFormat(TagLib::ID3v2::SynchronizedLyricsFrame::AbsoluteMilliseconds);
  TagLib::ID3v2::SynchronizedLyricsFrame::SynchedTextList lines;
  lines.append({500, Utf8("月亮")});
  lines.append({61250, Utf8("代表")});
  lyrics->setSynchedText(lines);
  mpeg.ID3v2Tag(true)->addFrame(lyrics);
  ASSERT_TRUE(mpeg.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers));
}

// USLT lyrics and an APIC front cover in UTF-16 frames, no file beside it.
void WriteEmbeddedMp3(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteTaggedMp3(file, title, singer, FakeJpeg(2048));
  TagLib::MPEG::File mpeg(file.c_str());
  auto* lyrics = new TagLib::ID3v2::UnsynchronizedLyricsFrame(String::UTF16);
  lyrics->setText(Utf8(kTimedLyrics));
  mpeg.ID3v2Tag(true)->addFrame(lyrics);
  ASSERT_TRUE(mpeg.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers));
}

// A FLAC rip: Vorbis comments with timed LYRICS and a PICTURE block.
void WriteFlac(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  TagLib::FLAC::File flac(file.c_str());
  auto* comment = flac.xiphComment(true);
  comment->addField("TITLE", Utf8(title));
  comment->addField("ARTIST", Utf8(singer));
  comment->addField("LYRICS", Utf8(kTimedLyrics));
  flac.addPicture(FlacCover(FakeJpeg(1024)));
  ASSERT_TRUE(flac.save());
}

// Ogg Vorbis with lyrics that carry no time: not served.
void WriteOgg(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  TagLib::Ogg::Vorbis::File ogg(file.c_str());
  ogg.tag()->addField("TITLE", Utf8(title));
  ogg.tag()->addField("ARTIST", Utf8(singer));
  ogg.tag()->addField("UNSYNCEDLYRICS", Utf8("没有时间的歌词\n第二行"));
  ASSERT_TRUE(ogg.save());
}

// Opus with embedded timed lyrics and a sidecar LRC file, which wins.
void WriteOpus(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  TagLib::Ogg::Opus::File opus(file.c_str());
  opus.tag()->addField("TITLE", Utf8(title));
  opus.tag()->addField("ARTIST", Utf8(singer));
  opus.tag()->addField("LYRICS", Utf8("[00:00.10]内嵌的歌词"));
  ASSERT_TRUE(opus.save());
  std::ofstream(fs::path(file).replace_extension(".lrc"), std::ios::binary)
      << "[00:00.10]旁边的歌词\n";
}

// A phone download: MP4 atoms ©nam, ©ART, ©lyr and covr.
void WriteM4a(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  TagLib::MP4::File mp4(file.c_str());
  auto* tag = mp4.tag();
  tag->setTitle(Utf8(title));
  tag->setArtist(Utf8(singer));
  tag->setItem("\251lyr", TagLib::StringList(Utf8(kTimedLyrics)));
  tag->setItem("covr", TagLib::MP4::CoverArtList().append(TagLib::MP4::CoverArt(
                           TagLib::MP4::CoverArt::JPEG, Bytes(FakeJpeg(512)))));
  ASSERT_TRUE(mp4.save());
}

// The other formats with their own tags holding the names.
template <typename File>
void WriteWithTag(const fs::path& file, const std::string& title, const std::string& singer) {
  WriteToneFile(file);
  File audio(file.c_str());
  ASSERT_TRUE(audio.isValid()) << file;
  audio.tag()->setTitle(Utf8(title));
  audio.tag()->setArtist(Utf8(singer));
  ASSERT_TRUE(audio.save()) << file;
}

fs::path BuildListenerFolder(std::vector<ListenerSong>& songs) {
  const auto folder = MakeTempFolder("vexo-listener");
  const auto add = [&](const std::string& file, const std::string& name,
                       const std::string& singer) {
    songs.push_back({file, name, singer, fs::path(file).extension().string().substr(1)});
    return folder / file;
  };
  WriteGbkId3v1(add("old/qinghuaci.mp3", "青花瓷", "周杰伦"), "青花瓷", "周杰伦");
  WriteGbkId3v23(add("old/daoxiang.mp3", "稻香", "周杰伦"), "稻香", "周杰伦");
  WriteLatin1Id3v23(add("cafe.mp3", "Café", "Plain Band"), "Café", "Plain Band");
  WriteEmbeddedMp3(add("shinian.mp3", "十年", "陈奕迅"), "十年", "陈奕迅");
  WriteSyltMp3(add("moon.mp3", "月亮代表我的心", "邓丽君"), "月亮代表我的心", "邓丽君");
  WriteFlac(add("rips/hongdou.flac", "红豆", "王菲"), "红豆", "王菲");
  WriteOgg(add("houlai.ogg", "后来", "刘若英"), "后来", "刘若英");
  WriteOpus(add("guangnian.opus", "光年之外", "邓紫棋"), "光年之外", "邓紫棋");
  WriteM4a(add("phone/xiaoxingyun.m4a", "小幸运", "田馥甄"), "小幸运", "田馥甄");
  WriteWithTag<TagLib::RIFF::WAV::File>(add("wave.wav", "波形", "录音室"), "波形", "录音室");
  WriteWithTag<TagLib::RIFF::AIFF::File>(add("aiff.aiff", "苹果", "录音室"), "苹果", "录音室");
  WriteWithTag<TagLib::WavPack::File>(add("pack.wv", "无损", "录音室"), "无损", "录音室");
  WriteWithTag<TagLib::APE::File>(add("monkey.ape", "猴子", "录音室"), "猴子", "录音室");
  WriteWithTag<TagLib::ASF::File>(add("windows.wma", "视窗", "录音室"), "视窗", "录音室");
  // Unpacked from a Windows archive: the name in GBK bytes, no tags.
  std::string gbk_name;
  EXPECT_TRUE(ConvertBytesStrictly("张学友 - 吻别.mp3", "UTF-8", kSystemCharset, gbk_name));
  songs.push_back({gbk_name, "吻别", "张学友", "mp3"});
  WriteToneFile(folder / gbk_name);
  return folder;
}

struct Listener {
  std::vector<ListenerSong> songs;
  fs::path folder = BuildListenerFolder(songs);
};

const Listener& TheListener() {
  static const Listener listener;
  return listener;
}

}  // namespace

const fs::path& ListenerFolder() {
  return TheListener().folder;
}

const std::vector<ListenerSong>& ListenerSongs() {
  return TheListener().songs;
}

std::string FakeJpeg(std::size_t bytes) {
  std::string picture = "\xFF\xD8\xFF\xE0";
  picture.resize(bytes, 'j');
  return picture;
}

void WriteToneFile(const fs::path& file) {
  std::error_code ignored;
  fs::create_directories(file.parent_path(), ignored);
  std::string error;
  ASSERT_TRUE(demo::WriteTone(file, kToneSeconds, error)) << error;
}

void WriteTaggedMp3(const fs::path& file, const std::string& title, const std::string& singer,
                    const std::string& cover) {
  WriteToneFile(file);
  TagLib::MPEG::File mpeg(file.c_str());
  auto* tag = mpeg.ID3v2Tag(true);
  AddTextFrame(*tag, "TIT2", Utf8(title), String::UTF16);
  AddTextFrame(*tag, "TPE1", Utf8(singer), String::UTF16);
  if (!cover.empty()) AddCover(*tag, cover);
  ASSERT_TRUE(mpeg.save(TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers));
}

}  // namespace vexo::service::testing

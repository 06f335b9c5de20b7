#include "bench_library.h"

#include <attachedpictureframe.h>
#include <flacfile.h>
#include <flacpicture.h>
#include <id3v2tag.h>
#include <mp4file.h>
#include <mpegfile.h>

#include <fstream>
#include <iterator>
#include <random>

#include "service/demo/demo_library.h"
#include "service/demo/encoded_tone.h"
#include "service/demo/singer_portrait.h"
#include "service/service_constants.h"

namespace vexo::service::bench {

namespace fs = std::filesystem;

namespace {

constexpr const char* kWords[] = {"晴", "天", "月", "光", "海", "风", "雨", "花", "星", "梦",
                                  "心", "夜", "春", "秋", "雪", "山", "河", "歌", "爱", "路",
                                  "云", "城", "灯", "火", "远", "方", "时", "间", "旧", "新"};
constexpr const char* kSurnames[] = {"林", "陈", "周", "王", "李", "张", "刘", "杨", "赵", "黄"};
constexpr const char* kGiven[] = {"小雨", "子航", "晓月", "默", "雪", "一凡", "思远", "可欣"};
constexpr int kSingers = 400;
constexpr int kPictureSize = 16;
constexpr double kMixedToneSeconds = 0.5;
constexpr double kSeedToneSeconds = 0.05;
constexpr const char* kCoverMime = "image/jpeg";

// A JPEG start and filler: what the scan and the picture reader look at.
TagLib::ByteVector FakeCover(std::size_t bytes) {
  TagLib::ByteVector cover(static_cast<unsigned>(bytes), 'c');
  cover[0] = '\xFF';
  cover[1] = '\xD8';
  cover[2] = '\xFF';
  return cover;
}

bool EmbedCover(const fs::path& file, std::size_t bytes) {
  const auto extension = file.extension().string();
  if (extension == ".mp3") {
    TagLib::MPEG::File mpeg(file.c_str());
    auto* picture = new TagLib::ID3v2::AttachedPictureFrame;
    picture->setMimeType(kCoverMime);
    picture->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    picture->setPicture(FakeCover(bytes));
    mpeg.ID3v2Tag(true)->addFrame(picture);
    return mpeg.save();
  }
  if (extension == ".flac") {
    TagLib::FLAC::File flac(file.c_str());
    auto* picture = new TagLib::FLAC::Picture;
    picture->setType(TagLib::FLAC::Picture::FrontCover);
    picture->setMimeType(kCoverMime);
    picture->setData(FakeCover(bytes));
    flac.addPicture(picture);
    return flac.save();
  }
  if (extension == ".m4a") {
    TagLib::MP4::File mp4(file.c_str());
    mp4.tag()->setItem("covr", TagLib::MP4::CoverArtList().append(TagLib::MP4::CoverArt(
                                   TagLib::MP4::CoverArt::JPEG, FakeCover(bytes))));
    return mp4.save();
  }
  return true;
}

template <typename T, std::size_t N>
const T& Pick(const T (&items)[N], std::mt19937& random) {
  return items[random() % N];
}

}  // namespace

LibraryContents SyntheticLibrary(int songs, const fs::path& audio_file,
                                 const fs::path& picture_file) {
  std::mt19937 random(20260101);
  std::vector<std::string> singers;
  for (int i = 0; i < kSingers; ++i) {
    singers.push_back(std::string(Pick(kSurnames, random)) + Pick(kGiven, random) +
                      std::to_string(i));
  }
  LibraryContents contents;
  for (int i = 0; i < songs; ++i) {
    Song song;
    song.id = 100000 + i;
    const int length = 2 + static_cast<int>(random() % 3);
    for (int w = 0; w < length; ++w)
      song.name += Pick(kWords, random);
    song.name += " " + std::to_string(i % 97);
    song.singer = singers[random() % singers.size()];
    song.year = 1960 + static_cast<int>(random() % 66);
    song.added =
        "2025-" + std::to_string(10 + random() % 3) + "-" + std::to_string(10 + random() % 18);
    song.duration_seconds = 3;
    song.bit_rate = kDemoBitRate;
    song.plays = random() % 100000;
    song.searches = random() % 1000;
    song.audio_file = audio_file;
    contents.songs.push_back(std::move(song));
  }
  for (const auto& singer : singers)
    contents.pictures.push_back({singer, picture_file});
  return contents;
}

bool WriteSyntheticLibrary(const fs::path& folder, int songs) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  const auto& tune = demo::DemoTunes().front();
  Song audio;
  std::string error;
  if (!demo::WriteDemoSong(tune, demo::DemoSingers()[0], folder, {2.0, 3.0}, audio, error)) {
    return false;
  }
  const auto picture = folder / "singer.png";
  std::ofstream(picture, std::ios::binary)
      << demo::EncodePng(demo::SingerPortrait(0, kPictureSize));
  std::ofstream manifest(folder / std::string(kManifestFileName), std::ios::binary);
  manifest << WriteManifest(SyntheticLibrary(songs, audio.audio_file, picture), folder);
  return static_cast<bool>(manifest.flush());
}

bool WriteSyntheticFolder(const fs::path& folder, int songs) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  const auto& tune = demo::DemoTunes().front();
  Song audio;
  std::string error;
  const auto source = folder / "source";
  fs::create_directories(source, ec);
  if (!demo::WriteDemoSong(tune, demo::DemoSingers()[0], source, {0.5, 0.6}, audio, error)) {
    return false;
  }
  const auto contents = SyntheticLibrary(songs, audio.audio_file, {});
  for (std::size_t i = 0; i < contents.songs.size(); ++i) {
    const auto dir = folder / ("part" + std::to_string(i / 100));
    fs::create_directories(dir, ec);
    const auto& song = contents.songs[i];
    fs::create_hard_link(audio.audio_file, dir / (song.singer + " - " + song.name + ".mp3"), ec);
    if (ec) return false;
  }
  fs::remove_all(source, ec);
  return true;
}

bool WriteToneWithCover(const fs::path& file, std::size_t cover_bytes) {
  std::string error;
  return demo::WriteTone(file, kMixedToneSeconds, error) && EmbedCover(file, cover_bytes);
}

bool WriteMixedFolder(const fs::path& folder, int songs, std::size_t cover_bytes) {
  std::error_code ec;
  const auto source = folder / "source";
  fs::create_directories(source, ec);
  const auto& formats = demo::ToneFormats();
  std::vector<fs::path> tones;
  for (const auto& format : formats) {
    tones.push_back(source / ("tone." + std::string(format)));
    if (!WriteToneWithCover(tones.back(), cover_bytes)) return false;
  }
  const auto contents = SyntheticLibrary(songs, {}, {});
  for (std::size_t i = 0; i < contents.songs.size(); ++i) {
    const auto dir = folder / ("part" + std::to_string(i / 100));
    fs::create_directories(dir, ec);
    const auto& song = contents.songs[i];
    const auto& tone = tones[i % tones.size()];
    fs::create_hard_link(tone, dir / (song.singer + " - " + song.name + tone.extension().string()),
                         ec);
    if (ec) return false;
  }
  fs::remove_all(source, ec);
  return true;
}

bool WriteMusicFileSeeds(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (const auto& format : demo::ToneFormats()) {
    const auto name = "x." + std::string(format);
    const auto tone = folder / name;
    std::string error;
    if (!demo::WriteTone(tone, kSeedToneSeconds, error)) return false;
    std::ifstream in(tone, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    fs::remove(tone, ec);
    std::ofstream out(folder / ("format_" + std::string(format)), std::ios::binary);
    out << name << '\0' << bytes;
    if (!out.flush()) return false;
  }
  return true;
}

}  // namespace vexo::service::bench

#pragma once
// Generating the demo library: every demo tune synthesised and encoded as
// MP3, its LRC lyrics, a picture per singer, and the catalogue file that
// describes them.
#include <filesystem>
#include <string>
#include <vector>

#include "service/catalogue_manifest.h"
#include "service/demo/demo_tunes.h"

namespace vexo::service::demo {

// Length bounds of the demo songs, in seconds.
inline constexpr double kDemoMinSeconds = 24.0;
inline constexpr double kDemoMaxSeconds = 58.0;
inline constexpr int kDemoSampleRate = 44100;
inline constexpr int kPortraitSize = 160;

// Renders `tune` sung by `singer` into `folder`: "<id>.mp3" and, when it has
// lyrics, "<id>.lrc". Returns the song entry (paths filled in) or sets
// `error`. `length` bounds the song's duration.
bool WriteDemoSong(const DemoTune& tune, const DemoSinger& singer,
                   const std::filesystem::path& folder, PerformanceLength length, Song& song,
                   std::string& error);

// Writes the whole demo library into `folder` (created if needed), using up
// to `threads` threads. Returns false and sets `error` on the first failure.
bool GenerateDemoLibrary(const std::filesystem::path& folder, int threads, std::string& error);

}  // namespace vexo::service::demo

#pragma once
// Small libraries for the tests, generated with the demo library's own code
// (short synthesised songs) so that tests stay quick.
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace vexo::service::testing {

// A fresh empty folder under the system's temporary folder, removed when the
// test program ends.
std::filesystem::path MakeTempFolder(const std::string& prefix);

// A prepared library of four short songs, made once per test process:
//   501 "晴天"        by "测试歌手", lyrics, 50 plays, 1 search, 2001, added 2026-01-01
//   502 "晴天娃娃"    by "Rain Band", lyrics, 80 plays, 9 searches, 1990, added 2025-01-01
//   503 kOddName      by "Rain Band", no lyrics, 10 plays, 5 searches, no year, added 2026-05-01
//   504 "Blue Rain"   by "测试歌手", lyrics, 30 plays, 0 searches, 1985, added 2024-01-01
// "测试歌手" has a picture, "Rain Band" has none.
const std::filesystem::path& SmallLibrary();

// A song name holding every character that needs care in an answer.
inline constexpr const char* kOddName = "Say \"Hi\" \\ 100% 'ok' 😀/路";

// Checks `condition` again and again until it holds or `limit` passes;
// whether it held.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit);

// One short synthesised MP3 written to `file` (about two seconds).
void WriteShortMp3(const std::filesystem::path& file);

}  // namespace vexo::service::testing

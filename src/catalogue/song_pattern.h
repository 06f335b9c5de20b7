#pragma once
// The one pattern that cuts a song record out of a chart or search answer.
#include <string_view>

#include "platform/text.h"

namespace vexo {

// Groups: 1 song identifier, 2 song name, 3 singer, 4 URL of the
// standard-quality audio file. Every quantifier is lazy, so a group ends at the
// first place where the rest of the record can follow; "." stops at a line
// feed, so a record never spans lines.
// clang-format off
inline constexpr std::string_view kSongPatternUtf8 =
    "\"song_id\":(.*?),\".*?\"song_name\":\"(.*?)\",\"singer_name\":\"(.*?)\",\".*?标准品质\",\"url\":\"(.*?)\",\"";
// clang-format on

inline constexpr int kSongGroupId = 1;
inline constexpr int kSongGroupName = 2;
inline constexpr int kSongGroupSinger = 3;
inline constexpr int kSongGroupUrl = 4;

// The pattern in the system code page, as the pattern object takes it.
const Text& SongPattern();

}  // namespace vexo

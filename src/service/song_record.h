#pragma once
// One song as a JSON record of the chart and search answers. The player cuts
// four fields out of it with one pattern, so the order is fixed: "song_id" (a
// number) first, one more key, "song_name", "singer_name" right after it,
// further fields,
// and an audio-file list whose standard-quality entry is followed directly by
// its "url" and one more string key.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "service/catalogue.h"
#include "service/json_text.h"

namespace vexo::service {

// `plays`: the song's play count as the store has it; the cache's count when
// not given.
void AppendSongRecord(std::string& out, const Catalogue& catalogue, std::size_t index,
                      std::string_view base_url, JsonStyle style,
                      std::optional<std::uint64_t> plays = std::nullopt);

// "mm:ss" for a duration in seconds.
std::string MinutesSeconds(int seconds);

}  // namespace vexo::service

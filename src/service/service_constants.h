#pragma once
// Fixed values of the catalogue service: chart ids, answer texts, limits.
#include <chrono>
#include <cstddef>
#include <string_view>

namespace vexo::service {

// Chart ids the player asks for.
inline constexpr int kChartHot = 111;
inline constexpr int kChartNew = 112;
inline constexpr int kChartOld = 943;
inline constexpr int kChartHotSearches = 969;

// Paging of charts and searches.
inline constexpr int kDefaultPage = 1;
inline constexpr int kDefaultPageSize = 50;
inline constexpr int kMaxPageSize = 100;
// Suggestions offered when the request names no size.
inline constexpr int kDefaultSuggestionCount = 10;

// Text closing every lyrics answer after the last lyric line.
inline constexpr std::string_view kLyricsSlogan = "好音质,天天动听!";
// Quality label of the one audio file every song has.
inline constexpr std::string_view kStandardQuality = "标准品质";
// Singer shown for a song whose file names none.
inline constexpr std::string_view kUnknownSinger = "未知歌手";
// Title of a song whose tags and file name give none (a blank file name).
inline constexpr std::string_view kUnknownTitle = "未知歌曲";
// Bit rate of the demo library's MP3 files, in kbit/s.
inline constexpr int kDemoBitRate = 128;

// Where the service listens unless told otherwise.
inline constexpr std::string_view kDefaultHost = "127.0.0.1";
inline constexpr int kDefaultPort = 8917;

// Request bounds: the request line and the header section each stay within
// 8 KiB; beyond that the request is refused with 414 or 431.
inline constexpr std::size_t kMaxRequestLine = 8192;
inline constexpr std::size_t kMaxHeaderBytes = 8192;
// Longest JSONP callback name accepted.
inline constexpr std::size_t kMaxCallbackLength = 128;

// Worker threads that serve connections, and requests served on one
// keep-alive connection before it is closed.
inline constexpr int kWorkerThreads = 16;
inline constexpr std::size_t kKeepAliveMaxRequests = 10000;
// Seconds an idle keep-alive connection stays open. Short, because stopping
// the server waits for idle connections to close.
inline constexpr int kKeepAliveIdleSeconds = 1;
// How long a request waits for the library to finish loading before it is
// answered with 503.
inline constexpr std::chrono::seconds kLibraryWaitLimit{60};
// Bytes handed to the socket per step when a file is served.
inline constexpr std::size_t kFileChunkBytes = 64 * 1024;

// Name of the prepared catalogue file that describes a generated library
// (the demo library, benchmark libraries) instead of a folder scan.
inline constexpr std::string_view kManifestFileName = "vexo-catalogue.tsv";
// Environment variables the player reads to find or start the service.
inline constexpr const char* kServiceEnv = "VEXO_SERVICE";
inline constexpr const char* kLibraryEnv = "VEXO_LIBRARY";

}  // namespace vexo::service

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

// Threads that carry every connection's reading and writing, worker
// threads that work out the answers, and requests served on one keep-alive
// connection before it is closed.
inline constexpr int kIoThreads = 2;
inline constexpr int kWorkerThreads = 16;
inline constexpr std::size_t kKeepAliveMaxRequests = 10000;
// A request head (request line and headers) must arrive whole within this
// time of the connection being ready for it, however slowly it trickles; an
// idle keep-alive connection is closed after it too.
inline constexpr std::chrono::seconds kHeadDeadline{5};
// Each piece of an answer must be taken by the client within this time.
inline constexpr std::chrono::seconds kWriteIdleLimit{5};
// After its last answer a connection reads what the client still sends for
// at most this long before it closes.
inline constexpr std::chrono::seconds kLingerLimit{1};
// Connections held at once, in total and from one client address; beyond
// them a connection is answered 503 at once. At most this many such
// refusals are under way at a time; past that a connection is closed
// unanswered.
inline constexpr std::size_t kMaxConnections = 1024;
inline constexpr std::size_t kMaxConnectionsPerAddress = 64;
inline constexpr std::size_t kMaxRefusals = 256;
// Descriptors kept free for files and the store when the connection cap is
// fitted to the process's limit of open files.
inline constexpr std::size_t kReservedDescriptors = 64;
// How long stopping waits for the answers under way.
inline constexpr std::chrono::seconds kStopLimit{5};
// How long a request waits for the library to finish loading before it is
// answered with 503.
inline constexpr std::chrono::seconds kLibraryWaitLimit{60};
// Seconds a client is asked to wait before asking again after a 503.
inline constexpr int kRetryAfterSeconds = 5;
// Bytes handed to the socket per step when a file is served.
inline constexpr std::size_t kFileChunkBytes = 64 * 1024;

// Name of the prepared catalogue file that describes a generated library
// (the demo library, benchmark libraries) instead of a folder scan.
inline constexpr std::string_view kManifestFileName = "vexo-catalogue.tsv";
// Environment variables the player reads to find or start the service.
inline constexpr const char* kServiceEnv = "VEXO_SERVICE";
inline constexpr const char* kLibraryEnv = "VEXO_LIBRARY";

}  // namespace vexo::service

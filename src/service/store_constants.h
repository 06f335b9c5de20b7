#pragma once
// Fixed values of the catalogue store and of keeping the cache current.
#include <chrono>
#include <cstddef>

namespace vexo::service {

// Characters a query needs before a trigram index can answer it.
inline constexpr std::size_t kTrigramLength = 3;

// How long an SQLite write waits for another writer before giving up.
inline constexpr std::chrono::milliseconds kSqliteBusyWait{5000};
// Connections an SQLite index file keeps open for concurrent readers.
inline constexpr std::size_t kSqliteConnections = 4;
// Connections a service keeps to a PostgreSQL database (besides the one that
// listens for the other services' changes).
inline constexpr std::size_t kPostgresConnections = 4;
// Waiting between attempts to reach a lost database: doubled from the first
// to the last.
inline constexpr std::chrono::milliseconds kReconnectFirstWait{100};
inline constexpr std::chrono::milliseconds kReconnectLastWait{5000};
// How long a connection attempt to PostgreSQL may take, in seconds.
inline constexpr int kPostgresConnectSeconds = 5;
// The channel on which services sharing a PostgreSQL database tell each
// other of changes.
inline constexpr const char* kChangeChannel = "vexo_catalogue";

// Counts are gathered for this long before they are written, so a burst of
// plays and searches becomes one write.
inline constexpr std::chrono::milliseconds kCountWriteDelay{50};
// The cache's popularity order follows the counts at most this often.
inline constexpr std::chrono::seconds kPopularityRefresh{10};
// A watched folder is scanned again once it has been quiet this long after
// a change, and at the latest this long after the first change.
inline constexpr std::chrono::milliseconds kWatchQuiet{300};
inline constexpr std::chrono::milliseconds kWatchLatest{2000};

// File name of the default index in the user's data folder.
inline constexpr const char* kIndexFolderName = "vexo";
inline constexpr const char* kIndexFileName = "catalogue.sqlite";

}  // namespace vexo::service

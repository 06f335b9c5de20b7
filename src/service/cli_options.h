#pragma once
// The command line of vexo-catalogue.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vexo::service {

struct CliOptions {
  // Empty: the demo library.
  std::filesystem::path library;
  // SQLite index file; empty: the one in the user's data folder.
  std::filesystem::path index_file;
  // PostgreSQL address; when given the catalogue lives there.
  std::string database_url;
  bool reindex = false;
  std::string host;
  int port = 0;
  bool quiet = false;
  bool help = false;
  bool version = false;
};

// Parses `args` (without the program name): --library DIR, --listen
// HOST:PORT (IPv6 hosts in brackets; port 0 picks a free one), --index FILE,
// --database URL, --reindex, --quiet, --help, --version. Gives nothing and sets `error` for
// anything else.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

// Splits "host:port" / "[v6]:port"; false when malformed.
bool SplitListenAddress(const std::string& text, std::string& host, int& port);

extern const char* const kCliUsage;

}  // namespace vexo::service

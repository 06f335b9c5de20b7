#include "service/cli_options.h"

#include <charconv>

#include "service/service_constants.h"

namespace vexo::service {

const char* const kCliUsage =
    "usage: vexo-catalogue [--library DIR] [--listen HOST:PORT] [--index FILE | --database URL]\n"
    "                      [--reindex] [--quiet]\n"
    "       vexo-catalogue --help | --version\n"
    "  --library DIR       serve the MP3 files under DIR (default: the demo library)\n"
    "  --listen HOST:PORT  address to listen on (default: 127.0.0.1:8917; port 0 picks one)\n"
    "  --index FILE        keep the catalogue in this SQLite file\n"
    "                      (default: $XDG_DATA_HOME/vexo/catalogue.sqlite)\n"
    "  --database URL      keep the catalogue in PostgreSQL (postgresql://...), shared by\n"
    "                      every service started with the same URL\n"
    "  --reindex           start the index afresh (a damaged SQLite file is made anew)\n"
    "  --quiet             no line per request on stderr\n"
    "  -h, --help          print this help and exit\n"
    "  --version           print the version and exit\n";

bool SplitListenAddress(const std::string& text, std::string& host, int& port) {
  const auto colon = text.rfind(':');
  if (colon == std::string::npos || colon == 0) return false;
  host = text.substr(0, colon);
  if (host.front() == '[') {
    if (host.size() < 3 || host.back() != ']') return false;
    host = host.substr(1, host.size() - 2);
  } else if (host.find(':') != std::string::npos) {
    return false;
  }
  const std::string_view port_text = std::string_view(text).substr(colon + 1);
  const auto* end = port_text.data() + port_text.size();
  const auto [ptr, ec] = std::from_chars(port_text.data(), end, port);
  return !port_text.empty() && ec == std::errc{} && ptr == end && port >= 0 && port <= 65535;
}

std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                          std::string& error) {
  CliOptions options;
  options.host = std::string(kDefaultHost);
  options.port = kDefaultPort;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const auto& arg = args[i];
    const bool has_value = i + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--quiet") {
      options.quiet = true;
    } else if (arg == "--library" && has_value) {
      options.library = args[++i];
      if (options.library.empty()) {
        error = "--library needs a folder";
        return std::nullopt;
      }
    } else if (arg == "--reindex") {
      options.reindex = true;
    } else if (arg == "--index" && has_value) {
      options.index_file = args[++i];
      if (options.index_file.empty()) {
        error = "--index needs a file";
        return std::nullopt;
      }
    } else if (arg == "--database" && has_value) {
      options.database_url = args[++i];
      if (options.database_url.empty()) {
        error = "--database needs an address";
        return std::nullopt;
      }
    } else if (arg == "--listen" && has_value) {
      if (!SplitListenAddress(args[++i], options.host, options.port)) {
        error = "--listen needs HOST:PORT, not " + args[i];
        return std::nullopt;
      }
    } else {
      error = "unknown or incomplete option " + arg;
      return std::nullopt;
    }
  }
  if (!options.index_file.empty() && !options.database_url.empty()) {
    error = "--index and --database exclude each other";
    return std::nullopt;
  }
  return options;
}

}  // namespace vexo::service

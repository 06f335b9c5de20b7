// vexo-catalogue: the catalogue service on its own, serving the demo library
// or a music folder until it is interrupted.
#include <csignal>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "service/catalogue_server.h"
#include "service/cli_options.h"
#include "service/postgres_store.h"
#include "vexo_version.h"

namespace {

std::mutex log_mutex;

void LogLine(const std::string& line) {
  std::lock_guard lock(log_mutex);
  std::fprintf(stderr, "%s\n", line.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vexo::service;
  std::string error;
  const auto options = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "vexo-catalogue: %s\n%s", error.c_str(), kCliUsage);
    return 2;
  }
  if (options->help) {
    std::fputs(kCliUsage, stdout);
    return 0;
  }
  if (options->version) {
    std::printf("vexo-catalogue %s\n", vexo::kVersion);
    return 0;
  }

  // Signals are taken by sigwait below, never by a handler on a worker.
  sigset_t stop_signals;
  sigemptyset(&stop_signals);
  sigaddset(&stop_signals, SIGINT);
  sigaddset(&stop_signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  const auto source =
      options->library.empty() ? LibrarySource::Demo() : LibrarySource::Folder(options->library);
  ServerOptions server_options;
  UsePostgresStores();
  // The store is opened here, so a damaged index or a database out of reach
  // is reported before the service starts.
  StoreSettings store;
  store.database_url = options->database_url;
  store.index_file = options->index_file.empty() && options->database_url.empty()
                         ? DefaultIndexFile()
                         : options->index_file;
  store.reindex = options->reindex;
  if (store.database_url.empty() && store.index_file.empty()) {
    std::fprintf(stderr,
                 "vexo-catalogue: no data folder (HOME) for the index; name one with --index\n");
    return 1;
  }
  try {
    server_options.opened_store = OpenStore(store);
  } catch (const StoreError& error) {
    std::fprintf(stderr, "vexo-catalogue: %s\n", error.what());
    return 1;
  }
  server_options.store = store;
  server_options.warning_log = [](const std::string& warning) {
    LogLine("vexo-catalogue: warning: " + warning);
  };
  server_options.loaded = [](std::size_t songs) {
    LogLine("vexo-catalogue: library loaded, " + std::to_string(songs) + " songs");
  };
  server_options.synced = [](const SyncReport& report) {
    LogLine("vexo-catalogue: library scanned: " + std::to_string(report.read) + " read, " +
            std::to_string(report.unchanged) + " unchanged, " + std::to_string(report.removed) +
            " removed, " + std::to_string(report.skipped) + " skipped");
  };
  if (!options->quiet) server_options.request_log = LogLine;

  CatalogueServer server;
  if (!server.Start(options->host, options->port, source, server_options)) {
    std::fprintf(stderr, "vexo-catalogue: cannot listen on %s:%d\n", options->host.c_str(),
                 options->port);
    return 1;
  }
  std::printf("vexo-catalogue: listening on http://%s (library %s, %s)\n", server.Address().c_str(),
              source.folder.string().c_str(), server_options.opened_store->Describe().c_str());
  std::fflush(stdout);
  int signal_number = 0;
  sigwait(&stop_signals, &signal_number);
  server.Stop();
  return 0;
}

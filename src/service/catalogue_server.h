#pragma once
// The catalogue service as an object: the player embeds it, vexo-catalogue
// runs it standalone. Start() binds the listening socket on the calling
// thread and returns at once; connections are served by the HTTP server's
// threads, and the library is loaded on a thread of its own (requests that
// arrive before it is ready wait for it).
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "service/catalogue_loading.h"
#include "service/catalogue_store.h"
#include "service/library_source.h"
#include "service/library_sync.h"
#include "service/store_settings.h"

namespace vexo::service {

struct ServerOptions {
  // Receives one line per answered request; none when empty.
  std::function<void(const std::string&)> request_log;
  // Receives each problem met while loading the library (a file skipped ...);
  // when empty they go to stderr.
  std::function<void(const std::string&)> warning_log;
  // Called on the loading thread once the library is ready, with its size.
  std::function<void(std::size_t songs)> loaded;
  // Called after each scan of the library's folder (at start and on change).
  std::function<void(const SyncReport&)> synced;
  // Where the catalogue is kept. By default in memory for the life of the
  // server; the program and the player name the user's index file.
  StoreSettings store;
  // A store the caller opened already (vexo-catalogue opens it first, to
  // report a bad index at once); `store` is not used then.
  std::shared_ptr<CatalogueStore> opened_store;
  // Keep watching a music folder and take its changes in while serving.
  bool watch_folder = true;
  // Bind at once but hold the serving threads and the library's loading
  // back until Begin(): the address is known (connections queue), while the
  // work waits for a moment that suits the caller (the player begins once
  // its window is on the screen).
  bool begin_later = false;
};

class CatalogueServer {
 public:
  CatalogueServer();
  ~CatalogueServer();
  CatalogueServer(const CatalogueServer&) = delete;
  CatalogueServer& operator=(const CatalogueServer&) = delete;

  // Binds `host`:`port` (port 0 picks a free port) and starts serving the
  // library of `source`. Returns false when the address cannot be bound or
  // the server already runs. Costs well under a millisecond on the calling
  // thread: the library loads in the background.
  bool Start(const std::string& host, int port, LibrarySource source, ServerOptions options = {});

  // Starts serving and loading the library when Start() held them back;
  // does nothing otherwise, or a second time.
  void Begin();

  // The bound port; 0 before Start() or after a failed one.
  int Port() const;
  // "host:port" as a client addresses it (VEXO_SERVICE form).
  std::string Address() const;

  // Waits until the library is loaded; false when `limit` passed first.
  bool WaitUntilLoaded(std::chrono::milliseconds limit) const;
  // Songs in the loaded library (0 while it loads).
  std::size_t SongCount() const;
  // Why the library's store could not be opened; empty while it could.
  std::string Failure() const;
  // Waits until every play and search counted so far is in the store; false
  // when `limit` passed first.
  bool FlushCounts(std::chrono::milliseconds limit) const;

  // Stops accepting, finishes the requests under way (for a few seconds at
  // most), writes the counts still on their way to the store and joins the
  // threads. Idle connections are closed at once.
  void Stop();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vexo::service

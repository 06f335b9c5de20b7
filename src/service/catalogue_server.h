#pragma once
// The catalogue service as an object: the player embeds it, vexo-catalogue
// runs it standalone. Start() binds the listening socket on the calling
// thread and returns at once; connections are served from a pool of worker
// threads, and the library is loaded on a thread of its own (requests that
// arrive before it is ready wait for it).
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "service/library_source.h"

namespace vexo::service {

struct ServerOptions {
  // Receives one line per answered request; none when empty.
  std::function<void(const std::string&)> request_log;
  // Receives each problem met while loading the library (a file skipped ...);
  // when empty they go to stderr.
  std::function<void(const std::string&)> warning_log;
  // Called on the loading thread once the library is ready, with its size.
  std::function<void(std::size_t songs)> loaded;
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

  // The bound port; 0 before Start() or after a failed one.
  int Port() const;
  // "host:port" as a client addresses it (VEXO_SERVICE form).
  std::string Address() const;

  // Waits until the library is loaded; false when `limit` passed first.
  bool WaitUntilLoaded(std::chrono::milliseconds limit) const;
  // Songs in the loaded library (0 while it loads).
  std::size_t SongCount() const;

  // Stops accepting, finishes the requests under way and joins the threads.
  // An idle keep-alive connection is closed within about a second; a client
  // that stops reading mid-answer holds it up to the write timeout (5 s).
  void Stop();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vexo::service

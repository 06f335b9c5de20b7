#include "service/catalogue_server.h"

#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>

#include <httplib.h>

#include "service/library_holder.h"
#include "service/request_log.h"
#include "service/service_constants.h"
#include "service/service_routes.h"

namespace vexo::service {

struct CatalogueServer::State {
  httplib::Server http;
  std::shared_ptr<LibraryHolder> library = std::make_shared<LibraryHolder>();
  std::string host;
  int port = 0;
  std::thread listener;
  std::thread loader;
  std::mutex mutex;
  std::condition_variable listener_ended;
  bool listener_done = false;
};

namespace {

void WarnOnStderr(const std::string& warning) {
  std::fprintf(stderr, "vexo-catalogue: warning: %s\n", warning.c_str());
}

void Configure(httplib::Server& http, const ServerOptions& options) {
  http.set_tcp_nodelay(true);
  // The library's default also sets SO_REUSEPORT, which lets a second
  // server bind a port that is in use; only a quick rebind after a restart
  // is wanted.
  http.set_socket_options([](socket_t sock) {
    int on = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
  });
  http.set_keep_alive_max_count(kKeepAliveMaxRequests);
  http.set_keep_alive_timeout(kKeepAliveIdleSeconds);
  http.new_task_queue = [] { return new httplib::ThreadPool(kWorkerThreads); };
  if (options.request_log) {
    auto log = options.request_log;
    http.set_logger([log](const httplib::Request& request, const httplib::Response& response) {
      const auto length = response.get_header_value("Content-Length");
      log(RequestLogLine(request.remote_addr, request.method, request.target, response.status,
                         length.empty() ? std::to_string(response.body.size()) : length));
    });
  }
}

}  // namespace

CatalogueServer::CatalogueServer() = default;

CatalogueServer::~CatalogueServer() {
  Stop();
}

bool CatalogueServer::Start(const std::string& host, int port, LibrarySource source,
                            ServerOptions options) {
  if (state_) return false;
  auto state = std::make_unique<State>();
  Configure(state->http, options);
  InstallRoutes(state->http, state->library);

  if (port == 0) {
    port = state->http.bind_to_any_port(host);
    if (port <= 0) return false;
  } else if (port < 0 || !state->http.bind_to_port(host, port)) {
    return false;
  }
  state->host = host;
  state->port = port;

  State* raw = state.get();
  raw->listener = std::thread([raw] {
    raw->http.listen_after_bind();
    {
      std::lock_guard lock(raw->mutex);
      raw->listener_done = true;
    }
    raw->listener_ended.notify_all();
  });
  LibrarySettings settings;
  settings.source = std::move(source);
  settings.store = options.store;
  settings.opened_store = options.opened_store;
  settings.watch = options.watch_folder;
  settings.warn = options.warning_log ? options.warning_log : WarnOnStderr;
  settings.synced = options.synced;
  settings.loaded = options.loaded;
  raw->loader = std::thread(
      [raw, settings = std::move(settings)] { raw->library->Run(std::move(settings)); });
  state_ = std::move(state);
  return true;
}

int CatalogueServer::Port() const {
  return state_ ? state_->port : 0;
}

std::string CatalogueServer::Address() const {
  if (!state_) return {};
  const bool v6 = state_->host.find(':') != std::string::npos;
  return (v6 ? "[" + state_->host + "]" : state_->host) + ":" + std::to_string(state_->port);
}

bool CatalogueServer::WaitUntilLoaded(std::chrono::milliseconds limit) const {
  return state_ && state_->library->Wait(limit) != nullptr;
}

std::size_t CatalogueServer::SongCount() const {
  if (!state_) return 0;
  const auto current = state_->library->Current();
  return current ? current->cache->Size() : 0;
}

std::string CatalogueServer::Failure() const {
  return state_ ? state_->library->Failure() : std::string();
}

bool CatalogueServer::FlushCounts(std::chrono::milliseconds limit) const {
  return !state_ || state_->library->FlushCounts(limit);
}

void CatalogueServer::Stop() {
  if (!state_) return;
  state_->library->Abandon();
  {
    // stop() only takes effect once the listener has entered its accept
    // loop; repeat it until the listener has ended.
    std::unique_lock lock(state_->mutex);
    while (!state_->listener_done) {
      lock.unlock();
      state_->http.stop();
      lock.lock();
      state_->listener_ended.wait_for(lock, std::chrono::milliseconds(5),
                                      [this] { return state_->listener_done; });
    }
  }
  state_->listener.join();
  state_->loader.join();
  state_.reset();
}

}  // namespace vexo::service

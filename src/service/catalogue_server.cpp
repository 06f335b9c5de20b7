#include "service/catalogue_server.h"

#include <cstdio>
#include <thread>

#include "service/http_server.h"
#include "service/library_holder.h"
#include "service/request_log.h"
#include "service/service_routes.h"

namespace vexo::service {

struct CatalogueServer::State {
  HttpServer http;
  std::shared_ptr<LibraryHolder> library = std::make_shared<LibraryHolder>();
  std::string host;
  int port = 0;
  std::thread loader;
  // What Begin() starts, while Start() held it back.
  std::function<void()> begin;
};

namespace {

void WarnOnStderr(const std::string& warning) {
  std::fprintf(stderr, "vexo-catalogue: warning: %s\n", warning.c_str());
}

HttpLogger RequestLogger(const std::function<void(const std::string&)>& log) {
  if (!log) return nullptr;
  return [log](const HttpRequest& request, const HttpResponse& response) {
    log(RequestLogLine(request.remote_address, request.method, request.target, response.status,
                       std::to_string(response.BodyLength())));
  };
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
  if (!state->http.Bind(host, port)) return false;
  state->host = host;
  state->port = state->http.Port();

  LibrarySettings settings;
  settings.source = std::move(source);
  settings.store = options.store;
  settings.opened_store = options.opened_store;
  settings.watch = options.watch_folder;
  settings.warn = options.warning_log ? options.warning_log : WarnOnStderr;
  settings.synced = options.synced;
  settings.loaded = options.loaded;
  State* raw = state.get();
  raw->begin = [raw, log = options.request_log, settings = std::move(settings)]() mutable {
    raw->http.Start(MakeRoutes(raw->library), RequestLogger(log));
    raw->loader = std::thread(
        [raw, settings = std::move(settings)] { raw->library->Run(std::move(settings)); });
  };
  state_ = std::move(state);
  if (!options.begin_later) Begin();
  return true;
}

void CatalogueServer::Begin() {
  if (!state_ || !state_->begin) return;
  auto begin = std::move(state_->begin);
  state_->begin = nullptr;
  begin();
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
  // Requests waiting for the library give up at once; the answers under way
  // finish; the counts still on their way are written when the library goes.
  state_->library->Abandon();
  state_->http.Stop();
  if (state_->loader.joinable()) state_->loader.join();
  state_.reset();
}

}  // namespace vexo::service

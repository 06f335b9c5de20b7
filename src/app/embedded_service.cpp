#include "app/embedded_service.h"

#include <cstdio>
#include <optional>

#include "catalogue/service_endpoints.h"
#include "service/catalogue_server.h"

namespace vexo {
namespace {

constexpr const char* kLoopback = "127.0.0.1";

}  // namespace

CatalogueConnection::CatalogueConnection() {
  if (std::optional<std::string> named = ServiceFromEnvironment()) {
    address_ = *named;
    return;
  }
  server_ = std::make_unique<service::CatalogueServer>();
  service::ServerOptions options;
  options.warning_log = [](const std::string& line) {
    std::fprintf(stderr, "vexo: %s\n", line.c_str());
  };
  if (server_->Start(kLoopback, 0, service::LibrarySource::FromEnvironment(), options)) {
    address_ = server_->Address();
  } else {
    std::fprintf(stderr, "vexo: the embedded catalogue service could not start\n");
    server_.reset();
  }
}

CatalogueConnection::~CatalogueConnection() {
  if (server_) server_->Stop();
}

}  // namespace vexo

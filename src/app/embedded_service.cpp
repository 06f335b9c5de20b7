#include "app/embedded_service.h"

#include <cstdio>
#include <cstdlib>

#include "service/catalogue_server.h"

namespace vexo {
namespace {

constexpr const char* kLoopback = "127.0.0.1";
constexpr const char* kServiceVariable = "VEXO_SERVICE";

// "http://host:port/" and "host:port" both name the service.
std::string HostPort(std::string value) {
  for (const char* scheme : {"http://", "HTTP://"}) {
    if (value.rfind(scheme, 0) == 0) value.erase(0, std::char_traits<char>::length(scheme));
  }
  while (!value.empty() && value.back() == '/')
    value.pop_back();
  return value;
}

}  // namespace

CatalogueConnection::CatalogueConnection() {
  const char* named = std::getenv(kServiceVariable);
  if (named && *named) {
    address_ = HostPort(named);
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

#include "app/embedded_service.h"

#include <cstdio>

#include "service/catalogue_server.h"
#include "service/player_service.h"

namespace vexo {

CatalogueConnection::CatalogueConnection() : server_(std::make_unique<service::CatalogueServer>()) {
  address_ = service::ConnectPlayerService(*server_);
  if (address_.empty())
    std::fprintf(stderr, "vexo: the embedded catalogue service could not start\n");
}

CatalogueConnection::~CatalogueConnection() = default;

bool CatalogueConnection::Embedded() const {
  return server_ && server_->Port() != 0;
}

void CatalogueConnection::BeginServing() {
  if (server_) server_->Begin();
}

void CatalogueConnection::Abandon() {
  [[maybe_unused]] auto* left = server_.release();
}

}  // namespace vexo

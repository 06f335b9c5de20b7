#pragma once
// The service's answers to HTTP requests: request checks, the text
// endpoints, the song and picture files, and error bodies.
#include <memory>

#include "service/http_exchange.h"
#include "service/library_holder.h"

namespace vexo::service {

HttpHandler MakeRoutes(std::shared_ptr<LibraryHolder> library);

}  // namespace vexo::service

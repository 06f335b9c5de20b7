#pragma once
// The service's answers wired to an HTTP server: request checks, the text
// endpoints, the song and picture files, and error bodies.
#include <memory>

#include <httplib.h>

#include "service/library_holder.h"

namespace vexo::service {

void InstallRoutes(httplib::Server& server, std::shared_ptr<LibraryHolder> library);

}  // namespace vexo::service

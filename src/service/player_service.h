#pragma once
// How the player finds its catalogue service at start-up.
#include <string>
#include <string_view>

#include "service/catalogue_server.h"

namespace vexo::service {

// "host:port" from a VEXO_SERVICE value: an "http://" prefix and a trailing
// "/" are dropped. Empty for an empty value.
std::string NormaliseServiceAddress(std::string_view value);

// The address ("host:port") of the service the player talks to. With
// VEXO_SERVICE set, that service, and nothing is started. Otherwise `embedded`
// is started on a free loopback port serving VEXO_LIBRARY or the demo
// library; it returns at once (the library loads in the background). Empty
// when the embedded service cannot start.
std::string ConnectPlayerService(CatalogueServer& embedded);

}  // namespace vexo::service

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
// is bound to a free loopback port, to serve VEXO_LIBRARY or the demo
// library once the caller calls its Begin() (the player does when its window
// is on the screen; requests sent before that wait for it). Empty when the
// embedded service cannot start.
std::string ConnectPlayerService(CatalogueServer& embedded);

}  // namespace vexo::service

#include "service/player_service.h"

#include <cstdlib>

#include "service/service_constants.h"

namespace vexo::service {

std::string NormaliseServiceAddress(std::string_view value) {
  constexpr std::string_view kScheme = "http://";
  if (value.starts_with(kScheme)) value.remove_prefix(kScheme.size());
  while (value.ends_with('/'))
    value.remove_suffix(1);
  return std::string(value);
}

std::string ConnectPlayerService(CatalogueServer& embedded) {
  const char* configured = std::getenv(kServiceEnv);
  if (configured && *configured) return NormaliseServiceAddress(configured);
  // The player's catalogue lives in the user's index file, like the
  // standalone service's.
  ServerOptions options;
  options.store = StoreSettings::UserIndex();
  options.begin_later = true;
  if (!embedded.Start(std::string(kDefaultHost), 0, LibrarySource::FromEnvironment(), options)) {
    return {};
  }
  return embedded.Address();
}

}  // namespace vexo::service

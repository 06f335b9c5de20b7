#include "extras/service_address.h"

#include "extras/extras_constants.h"

namespace vexo {

std::string ServiceBaseUrl(std::string_view address) {
  while (!address.empty() && address.back() == '/')
    address.remove_suffix(1);
  if (address.empty()) return {};
  std::string url;
  if (address.find("://") == std::string_view::npos) url = kDefaultScheme;
  url += address;
  return url;
}

}  // namespace vexo

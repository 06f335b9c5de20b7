#include "service/paging.h"

#include <algorithm>

#include "service/service_constants.h"

namespace vexo::service {

std::optional<Paging> ReadPaging(const QueryString& query) {
  const auto page = ParseCount(query.Value("page"), kDefaultPage);
  const auto size = ParseCount(query.Value("size"), kDefaultPageSize);
  if (!page || !size) return std::nullopt;
  return Paging{std::max(*page, 1), std::clamp(*size, 1, kMaxPageSize)};
}

}  // namespace vexo::service

#include "service/paging.h"

#include <algorithm>

#include "service/service_constants.h"

namespace vexo::service {

std::vector<std::size_t> Paging::Slice(const std::vector<std::size_t>& order) const {
  const auto first = Offset();
  if (first >= order.size()) return {};
  const auto last = std::min(order.size(), first + static_cast<std::size_t>(size));
  return {order.begin() + static_cast<std::ptrdiff_t>(first),
          order.begin() + static_cast<std::ptrdiff_t>(last)};
}

std::optional<Paging> ReadPaging(const QueryString& query) {
  const auto page = ParseCount(query.Value("page"), kDefaultPage);
  const auto size = ParseCount(query.Value("size"), kDefaultPageSize);
  if (!page || !size) return std::nullopt;
  return Paging{std::max(*page, 1), std::clamp(*size, 1, kMaxPageSize)};
}

}  // namespace vexo::service

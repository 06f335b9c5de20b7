#pragma once
// The "page" and "size" values of chart and search requests.
#include <cstddef>
#include <optional>

#include "service/query_string.h"

namespace vexo::service {

struct Paging {
  int page = 1;  // from 1
  int size = 0;  // 1 to the page size limit

  // Places before this page.
  std::size_t Offset() const {
    return static_cast<std::size_t>(page - 1) * static_cast<std::size_t>(size);
  }
};

// Page and size of `query`: missing values take the defaults, a page below 1
// counts as 1, a size is held within 1 and the page size limit. Nothing when a
// value is not a number.
std::optional<Paging> ReadPaging(const QueryString& query);

}  // namespace vexo::service

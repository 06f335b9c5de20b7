#pragma once
// The four charts: each a different ordering of the whole library.
#include <optional>
#include <vector>

#include "service/catalogue.h"

namespace vexo::service {

// Song indices of chart `chart_id`, first place first; nothing for an unknown
// chart. Hot (111): most played; new (112): latest added; old (943): earliest
// year (songs without a year last); hot searches (969): most searched. Ties
// go to the more played song, then to the lower id.
std::optional<std::vector<std::size_t>> ChartOrder(const Catalogue& catalogue, int chart_id);

}  // namespace vexo::service

#pragma once
// What one request sees of the library: the cache as it stood when the
// request began, and the store behind it for the charts, the long text
// queries and the counts.
#include <cstdint>
#include <memory>

#include "service/catalogue.h"
#include "service/catalogue_store.h"
#include "service/count_recorder.h"

namespace vexo::service {

struct LibraryView {
  Catalogue& cache;
  CatalogueStore& store;
  std::int64_t library = 0;
  // Where counts go on their way to the store; none: straight into it.
  CountRecorder* counts = nullptr;

  void CountPlay(std::size_t index) const;
  void CountSearch(std::size_t index) const;
};

}  // namespace vexo::service

#include "service/library_view.h"

namespace vexo::service {

void LibraryView::CountPlay(std::size_t index) const {
  cache.CountPlay(index);
  const auto id = cache.At(index).id;
  if (counts) {
    counts->AddPlay(id);
  } else {
    store.AddCounts(library, {{id, 1, 0}});
  }
}

void LibraryView::CountSearch(std::size_t index) const {
  cache.CountSearch(index);
  const auto id = cache.At(index).id;
  if (counts) {
    counts->AddSearch(id);
  } else {
    store.AddCounts(library, {{id, 0, 1}});
  }
}

}  // namespace vexo::service

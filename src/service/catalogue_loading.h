#pragma once
// Building the in-memory catalogue from the store.
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "service/catalogue.h"
#include "service/catalogue_store.h"
#include "service/library_source.h"

namespace vexo::service {

// The cache of `library` in `store`, whose paths are relative to `folder`.
// StoreError passes through.
std::shared_ptr<Catalogue> BuildCatalogue(CatalogueStore& store, std::int64_t library,
                                          const std::filesystem::path& folder);

// The library of `source` read once, through a store in memory: for tools
// and tests that want the songs without running a service. Problems with
// single entries land in `warnings`.
std::shared_ptr<Catalogue> LoadCatalogue(const LibrarySource& source,
                                         std::vector<std::string>& warnings,
                                         const std::atomic<bool>* cancel = nullptr);

}  // namespace vexo::service

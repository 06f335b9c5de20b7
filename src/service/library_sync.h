#pragma once
// Bringing a library in the store up to date with its folder. A music folder
// is compared file by file: a file whose path, size and modification time
// are unchanged is not read again, a changed or new file is read with
// TagLib, a removed one leaves the catalogue. A generated library (a folder
// holding the prepared catalogue file) is read again only when that file
// changed. Songs keep their ids and counts.
#include <atomic>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "service/catalogue_store.h"

namespace vexo::service {

struct SyncReport {
  std::size_t read = 0;       // files read (with TagLib, or catalogue-file entries)
  std::size_t unchanged = 0;  // files passed over as unchanged
  std::size_t removed = 0;    // songs that left the catalogue
  std::size_t skipped = 0;    // files that could not be read
  bool changed = false;       // the store was written
};

// Updates `library` in `store` from `folder`. `reread` reads every file
// again. Problems with single files land in `warnings`; StoreError passes
// through (nothing is half written: the changes go in as one).
SyncReport SyncLibrary(CatalogueStore& store, std::int64_t library,
                       const std::filesystem::path& folder, bool reread,
                       std::vector<std::string>& warnings,
                       const std::atomic<bool>* cancel = nullptr);

// True when `folder` is a generated library (holds the prepared catalogue
// file) rather than a music folder.
bool IsGeneratedLibrary(const std::filesystem::path& folder);

}  // namespace vexo::service

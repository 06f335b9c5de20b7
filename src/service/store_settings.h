#pragma once
// Which store keeps the catalogue, and opening it.
#include <filesystem>
#include <memory>
#include <string>

#include "service/catalogue_store.h"

namespace vexo::service {

struct StoreSettings {
  // PostgreSQL ("postgresql://..." or "key=value" form) when not empty.
  std::string database_url;
  // Otherwise this SQLite index file; with none, a catalogue in memory that
  // lives as long as the service.
  std::filesystem::path index_file;
  // Start the index afresh: an SQLite file is deleted and made again (for a
  // damaged one); every file of a PostgreSQL library is read again.
  bool reindex = false;
  // When the index file cannot be used (damaged, locked), keep the catalogue
  // in memory for this run instead of refusing every request.
  bool memory_if_unusable = false;

  // The SQLite index in the user's data folder, with memory to fall back on.
  static StoreSettings UserIndex();
};

// $XDG_DATA_HOME/vexo/catalogue.sqlite, else ~/.local/share/vexo/...; empty
// when neither variable is set.
std::filesystem::path DefaultIndexFile();

// Opens the store `settings` name. Throws StoreError with a message that
// says which store and what went wrong.
std::shared_ptr<CatalogueStore> OpenStore(const StoreSettings& settings);

// How a program that serves shared database catalogues opens one. The
// database store and its client library come with the programs that take a
// database address (the standalone service and its tests register it at
// start); the player's embedded service keeps to SQLite and carries neither.
using DatabaseStoreOpener = std::shared_ptr<CatalogueStore> (*)(const std::string& url);
void UseDatabaseStores(DatabaseStoreOpener opener);

}  // namespace vexo::service

#include "service/store_settings.h"

#include <cstdlib>

#include "service/postgres_store.h"
#include "service/sqlite_store.h"
#include "service/store_constants.h"

namespace vexo::service {

namespace fs = std::filesystem;

StoreSettings StoreSettings::UserIndex() {
  StoreSettings settings;
  settings.index_file = DefaultIndexFile();
  settings.memory_if_unusable = true;
  return settings;
}

fs::path DefaultIndexFile() {
  fs::path data;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') {
    data = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    data = fs::path(home) / ".local" / "share";
  } else {
    return {};
  }
  return data / kIndexFolderName / kIndexFileName;
}

std::shared_ptr<CatalogueStore> OpenStore(const StoreSettings& settings) {
  if (!settings.database_url.empty()) return PostgresStore::Open(settings.database_url);
  return SqliteStore::Open(settings.index_file, settings.reindex);
}

}  // namespace vexo::service

#include "service/store_settings.h"

#include <atomic>
#include <cstdlib>

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

namespace {
std::atomic<DatabaseStoreOpener> g_databaseOpener{nullptr};
}  // namespace

void UseDatabaseStores(DatabaseStoreOpener opener) {
  g_databaseOpener = opener;
}

std::shared_ptr<CatalogueStore> OpenStore(const StoreSettings& settings) {
  if (!settings.database_url.empty()) {
    DatabaseStoreOpener opener = g_databaseOpener;
    if (opener == nullptr)
      throw StoreError("this program serves no database catalogues: use an index file");
    return opener(settings.database_url);
  }
  return SqliteStore::Open(settings.index_file, settings.reindex);
}

}  // namespace vexo::service

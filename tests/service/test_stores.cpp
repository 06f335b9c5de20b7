#include "test_stores.h"

#include "service/postgres_store.h"

#include <cstdlib>

#include "test_library.h"

namespace vexo::service::testing {

std::string TestDatabaseUrl() {
  UsePostgresStores();  // the tests open database catalogues as the service does
  const char* url = std::getenv("VEXO_TEST_DATABASE");
  return url ? url : "";
}

std::string TestDatabaseControl() {
  const char* control = std::getenv("VEXO_TEST_DATABASE_CONTROL");
  return control ? control : "";
}

StoreSettings FreshStoreSettings(const std::string& kind) {
  StoreSettings settings;
  if (kind == "postgresql") {
    settings.database_url = TestDatabaseUrl();
  } else {
    settings.index_file = MakeTempFolder("vexo-index") / "catalogue.sqlite";
  }
  return settings;
}

std::shared_ptr<CatalogueStore> OpenTestStore(const std::string& kind) {
  if (kind == "postgresql" && TestDatabaseUrl().empty()) return nullptr;
  return OpenStore(FreshStoreSettings(kind));
}

}  // namespace vexo::service::testing

#pragma once
// The stores the tests run against: SQLite files in a temporary folder, and
// the PostgreSQL database that scripts/with-test-services starts (named by
// VEXO_TEST_DATABASE; tests that need it are skipped without it).
#include <memory>
#include <string>

#include "service/catalogue_store.h"
#include "service/store_settings.h"

namespace vexo::service::testing {

// The test database's address; empty when none runs.
std::string TestDatabaseUrl();
// The command that stops and starts the test database ("... stop|start").
std::string TestDatabaseControl();

// Settings for a new SQLite file, or for the test database.
StoreSettings FreshStoreSettings(const std::string& kind);
// A store of `kind` ("sqlite" or "postgresql"); empty when it cannot run here.
std::shared_ptr<CatalogueStore> OpenTestStore(const std::string& kind);

inline constexpr const char* kNoTestDatabase =
    "no PostgreSQL test database: run the tests under scripts/with-test-services";

}  // namespace vexo::service::testing

// The player's start-up choice between a configured service and the
// embedded one.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <future>

#include "raw_http.h"
#include "service/player_service.h"
#include "service/service_constants.h"
#include "test_library.h"

namespace vexo::service {
namespace {

class PlayerService : public ::testing::Test {
 protected:
  void TearDown() override {
    unsetenv(kServiceEnv);
    unsetenv(kLibraryEnv);
  }
};

TEST_F(PlayerService, AConfiguredServiceIsUsedAndNothingStarts) {
  setenv(kServiceEnv, "http://127.0.0.1:8917/", 1);
  CatalogueServer embedded;
  EXPECT_EQ(ConnectPlayerService(embedded), "127.0.0.1:8917");
  EXPECT_EQ(embedded.Port(), 0);
  EXPECT_EQ(NormaliseServiceAddress("host:1"), "host:1");
  EXPECT_EQ(NormaliseServiceAddress(""), "");
}

TEST_F(PlayerService, OtherwiseTheEmbeddedServiceServesTheNamedLibrary) {
  unsetenv(kServiceEnv);
  setenv(kLibraryEnv, testing::SmallLibrary().c_str(), 1);
  CatalogueServer embedded;
  const auto address = ConnectPlayerService(embedded);
  ASSERT_EQ(address, "127.0.0.1:" + std::to_string(embedded.Port()));
  ASSERT_GT(embedded.Port(), 0);
  // Asked before the service begins (and before its library loads): the
  // request waits in the queue and is answered once it does.
  auto reply = std::async(std::launch::async, [port = embedded.Port()] {
    return testing::Get(port, "/suggest.do?q=%E6%99%B4&size=5&callback=cb");
  });
  embedded.Begin();
  const auto answer = reply.get();
  EXPECT_NE(answer.body.find("晴天"), std::string::npos) << answer.body;
  EXPECT_EQ(embedded.SongCount(), 4u);
  embedded.Stop();
  EXPECT_EQ(embedded.Port(), 0);
  embedded.Stop();  // stopping twice is harmless
}

TEST_F(PlayerService, AServerStartsOnceAndReportsAnAddressInUse) {
  CatalogueServer first;
  ASSERT_TRUE(first.Start("127.0.0.1", 0, LibrarySource::Folder(testing::SmallLibrary())));
  EXPECT_FALSE(first.Start("127.0.0.1", 0, LibrarySource::Folder(testing::SmallLibrary())));
  CatalogueServer second;
  EXPECT_FALSE(
      second.Start("127.0.0.1", first.Port(), LibrarySource::Folder(testing::SmallLibrary())));
  EXPECT_EQ(second.Port(), 0);
}

}  // namespace
}  // namespace vexo::service

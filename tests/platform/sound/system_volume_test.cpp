// The volume step, read back through the sound server.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/sound/system_volume.h"

namespace vexo {
namespace {

// Every case turns the default sink's volume; the executable holds that sink
// alone while it runs (its ctest resource lock), and each case puts the
// volume back.
class SystemVolumeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    original_ = ReadSystemVolumePercent();
    if (!original_) GTEST_SKIP() << "no PulseAudio server reachable (run under with-test-services)";
  }
  void TearDown() override {
    if (original_) SetSystemVolumePercent(*original_);
  }
  std::optional<int> original_;
};

TEST_F(SystemVolumeTest, StepsOfTwoPercentWithinFullScale) {
  ASSERT_TRUE(SetSystemVolumePercent(50));
  EXPECT_EQ(ReadSystemVolumePercent(), 50);
  EXPECT_TRUE(StepSystemVolume(true));
  EXPECT_EQ(ReadSystemVolumePercent(), 52);
  EXPECT_TRUE(StepSystemVolume(true));
  EXPECT_EQ(ReadSystemVolumePercent(), 54);
  EXPECT_TRUE(StepSystemVolume(false));
  EXPECT_TRUE(StepSystemVolume(false));
  EXPECT_TRUE(StepSystemVolume(false));
  EXPECT_EQ(ReadSystemVolumePercent(), 48);

  // Clamped to 0..100 percent.
  ASSERT_TRUE(SetSystemVolumePercent(99));
  EXPECT_TRUE(StepSystemVolume(true));
  EXPECT_EQ(ReadSystemVolumePercent(), 100);
  EXPECT_TRUE(StepSystemVolume(true));
  EXPECT_EQ(ReadSystemVolumePercent(), 100);

  ASSERT_TRUE(SetSystemVolumePercent(1));
  EXPECT_TRUE(StepSystemVolume(false));
  EXPECT_EQ(ReadSystemVolumePercent(), 0);
  EXPECT_TRUE(StepSystemVolume(false));
  EXPECT_EQ(ReadSystemVolumePercent(), 0);
  // From silence the first step up is heard again.
  EXPECT_TRUE(StepSystemVolume(true));
  EXPECT_EQ(ReadSystemVolumePercent(), 2);

  // NOLINTBEGIN(concurrency-mt-unsafe): the test runs alone in its process.
  // A step up unmutes, as a volume key does; a step down leaves the mute.
  if (std::system("pactl set-sink-mute @DEFAULT_SINK@ 1") == 0) {
    EXPECT_TRUE(StepSystemVolume(false));
    EXPECT_EQ(std::system("pactl get-sink-mute @DEFAULT_SINK@ | grep -q yes"), 0);
    EXPECT_TRUE(StepSystemVolume(true));
    EXPECT_EQ(std::system("pactl get-sink-mute @DEFAULT_SINK@ | grep -q no"), 0);
  }
  // NOLINTEND(concurrency-mt-unsafe)
}

// Without a server the step reports false at once and nothing else happens.
// NOLINTBEGIN(concurrency-mt-unsafe): the environment is changed while no
// other thread runs.
TEST(SystemVolumeNoServerTest, ReturnsFalseQuickly) {
  const char* saved = std::getenv("PULSE_SERVER");
  const std::string saved_value = saved != nullptr ? saved : "";
  setenv("PULSE_SERVER", "unix:/nonexistent/vexo-no-server", 1);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(StepSystemVolume(true));
  EXPECT_FALSE(StepSystemVolume(false));
  EXPECT_EQ(ReadSystemVolumePercent(), std::nullopt);
  EXPECT_FALSE(SetSystemVolumePercent(40));
  const auto spent = std::chrono::steady_clock::now() - start;
  EXPECT_LT(spent, std::chrono::milliseconds(4 * kVolumeServerTimeoutMs));
  if (saved != nullptr) {
    setenv("PULSE_SERVER", saved_value.c_str(), 1);
  } else {
    unsetenv("PULSE_SERVER");
  }
}
// NOLINTEND(concurrency-mt-unsafe)

}  // namespace
}  // namespace vexo

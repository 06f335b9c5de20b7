// Starting background work.
#include "playback/start_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>

namespace vexo {
namespace {

constexpr auto kLimit = std::chrono::seconds(5);

TEST(StartThreadTest, RunsTheRoutineOnAThreadOfItsOwn) {
  std::promise<std::thread::id> ran;
  ASSERT_TRUE(StartThread([&ran] { ran.set_value(std::this_thread::get_id()); }));
  std::future<std::thread::id> id = ran.get_future();
  ASSERT_EQ(id.wait_for(kLimit), std::future_status::ready);
  EXPECT_NE(id.get(), std::this_thread::get_id());
}

TEST(StartThreadTest, HandsTheParameterOver) {
  std::promise<int> got;
  ASSERT_TRUE(StartThread([&got](int value) { got.set_value(value); }, 42));
  std::future<int> value = got.get_future();
  ASSERT_EQ(value.wait_for(kLimit), std::future_status::ready);
  EXPECT_EQ(value.get(), 42);
}

TEST(StartThreadTest, HandleIsKeptOnlyWhenAskedFor) {
  std::thread handle;
  std::atomic<int> runs{0};
  ASSERT_TRUE(StartThread([&runs] { ++runs; }, &handle));
  ASSERT_TRUE(handle.joinable());
  handle.join();
  EXPECT_EQ(runs.load(), 1);

  // A handle variable still holding a thread lets that thread run on.
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<bool> first_done{false};
  ASSERT_TRUE(StartThread(
      [released, &first_done] {
        released.wait();
        first_done = true;
      },
      &handle));
  ASSERT_TRUE(StartThread([&runs](int add) { runs += add; }, 5, &handle));
  handle.join();
  EXPECT_EQ(runs.load(), 6);
  release.set_value();
  // The first thread was let go (detached): nothing joins it, and it ends.
  const auto deadline = std::chrono::steady_clock::now() + kLimit;
  while (!first_done && std::chrono::steady_clock::now() < deadline)
    std::this_thread::yield();
  EXPECT_TRUE(first_done);
}

TEST(StartThreadTest, EmptyRoutineStartsNothing) {
  std::thread handle;
  EXPECT_FALSE(StartThread(std::function<void()>(), &handle));
  EXPECT_FALSE(StartThread(std::function<void(int)>(), 1));
  EXPECT_FALSE(handle.joinable());
}

}  // namespace
}  // namespace vexo

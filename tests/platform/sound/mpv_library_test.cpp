// Loading libmpv at run time.
#include "platform/sound/mpv_library.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

namespace vexo {
namespace {

TEST(MpvLibraryTest, MissingOrForeignLibrariesGiveNoTable) {
  EXPECT_EQ(LoadMpvLibrary({"libvexo-no-such-library.so"}), nullptr);
  // A library that loads but is not libmpv lacks the functions.
  EXPECT_EQ(LoadMpvLibrary({"libc.so.6"}), nullptr);
  EXPECT_EQ(LoadMpvLibrary({}), nullptr);
}

TEST(MpvLibraryTest, LaterNamesAreTriedAndTheTableWorks) {
  const MpvLibrary* mpv = LoadMpvLibrary({"libvexo-no-such-library.so", "libmpv.so.2"});
  ASSERT_NE(mpv, nullptr);
  EXPECT_EQ(LoadMpvLibrary({"libmpv.so.2"}), mpv);
  EnsureNumericLocale();
  mpv_handle* handle = mpv->create();
  ASSERT_NE(handle, nullptr);
  EXPECT_GE(mpv->set_option_string(handle, "vid", "no"), 0);
  mpv->terminate_destroy(handle);
}

TEST(MpvLibraryTest, PreloadedLibraryIsTheOneEveryOpenGets) {
  PreloadMediaLibrary();
  PreloadMediaLibrary();
  const MpvLibrary* first = MediaLibrary();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(MediaLibrary(), first);
}

TEST(MpvLibraryTest, NumericLocaleIsSetBackToC) {
  // libmpv refuses to make a player under any other numeric locale; Qt sets
  // the locale from the environment when the application object is made.
  // NOLINTBEGIN(concurrency-mt-unsafe): no other thread reads the locale here.
  if (std::setlocale(LC_NUMERIC, "C.UTF-8") == nullptr) GTEST_SKIP() << "no C.UTF-8 locale";
  EnsureNumericLocale();
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  // NOLINTEND(concurrency-mt-unsafe)
  const MpvLibrary* mpv = MediaLibrary();
  ASSERT_NE(mpv, nullptr);
  mpv_handle* handle = mpv->create();
  EXPECT_NE(handle, nullptr);
  if (handle != nullptr) mpv->terminate_destroy(handle);
}

}  // namespace
}  // namespace vexo

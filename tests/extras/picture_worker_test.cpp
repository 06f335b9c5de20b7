// The singer picture worker against canned answers and against the catalogue
// service with its demo library: the box always ends with a picture it can
// show.
#include <gtest/gtest.h>

#include "canned_service.h"
#include "extras/picture_worker.h"
#include "extras_window.h"
#include "platform/codepage.h"
#include "platform/controls/picture.h"
#include "platform/system_text.h"
#include "service/catalogue_server.h"

namespace vexo {
namespace {

constexpr const char* kFoundAnswer =
    "jQuery1({\"code\":1,\"data\":{\"singerPic\":\"{base}/pictures/singer.png\"}})";

class PictureWorkerTest : public ::testing::Test {
 protected:
  PictureWorkerTest() {
    state.defaultPicture = kDefault;
    w.图片框1.SetPicture(PngPicture(0x123456));
  }
  void Run(const std::string& address) {
    state.serviceAddress = address;
    ASSERT_TRUE(test::RunOnWorker([&] { PictureWorker(w.Picture(), state); }));
  }
  static ByteSet PngPicture(unsigned rgb) { return test::PngPicture(rgb); }

  const ByteSet kDefault = PngPicture(0x00a0a0);
  const ByteSet kSinger = PngPicture(0xff0000);
  test::ExtrasWindow w;
  ExtrasState state;
};

TEST_F(PictureWorkerTest, TheSingersPictureIsShown) {
  test::CannedService service("", kFoundAnswer);
  service.SetFile("singer.png", kSinger);
  w.AddRow(Sys("晴天"), Sys("周 杰伦"), "1");
  w.超级列表框1.SetCurrentRow(0);
  Run(service.Address());
  EXPECT_EQ(w.图片框1.Picture(), kSinger);
  EXPECT_TRUE(w.图片框1.ShowsPicture());
  const auto targets = service.Targets(2);
  ASSERT_EQ(targets.size(), 2u);
  EXPECT_EQ(targets[0],
            "/pic/down?artist=%E5%91%A8%20%E6%9D%B0%E4%BC%A6&rand=&code=-2000"
            "&callback=jQuery18308304068592842668_1425372762078&_=1425373053634");
  EXPECT_EQ(targets[1], "/pictures/singer.png");
}

TEST_F(PictureWorkerTest, AnEmptySingerIsLookedUpAndStillEndsWithAPicture) {
  test::CannedService service("", kFoundAnswer);
  service.SetFile("singer.png", kSinger);
  Run(service.Address());  // no row selected
  EXPECT_EQ(service.Targets(1).at(0).rfind("/pic/down?artist=&rand=", 0), 0u);
  EXPECT_EQ(w.图片框1.Picture(), kSinger);
}

TEST_F(PictureWorkerTest, EveryFailureEndsInTheDefaultPicture) {
  const ByteSet notAPicture{'<', 'h', 't', 'm', 'l', '>', 0, 1, 2};
  struct Case {
    const char* what;
    std::string answer;
    std::string file;  // served as singer.png; empty: none
  } cases[] = {
      {"empty address", "cb({\"singerPic\":\"\"}})", "png"},
      {"no markers", "cb({\"code\":0})", "png"},
      {"address that does not answer", "cb({\"singerPic\":\"http://127.0.0.1:1/a.png\"}})", ""},
      {"missing picture file", kFoundAnswer, ""},
      {"bytes that do not decode", kFoundAnswer, "junk"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::CannedService service("", c.answer);
    if (c.file == "png") service.SetFile("singer.png", kSinger);
    if (c.file == "junk") service.SetFile("singer.png", notAPicture);
    w.图片框1.SetPicture(PngPicture(0x123456));
    Run(service.Address());
    EXPECT_EQ(w.图片框1.Picture(), kDefault);
    EXPECT_TRUE(w.图片框1.ShowsPicture());
  }
  // The service itself out of reach.
  Run("127.0.0.1:1");
  EXPECT_EQ(w.图片框1.Picture(), kDefault);
}

TEST(PictureFromService, DemoSingersShowTheirPictureOthersTheDefault) {
  service::CatalogueServer server;
  ASSERT_TRUE(server.Start("127.0.0.1", 0, service::LibrarySource::Demo()));
  ASSERT_TRUE(server.WaitUntilLoaded(std::chrono::seconds(60)));
  std::vector<std::string> warnings;
  const auto catalogue = service::LoadCatalogue(service::LibrarySource::Demo(), warnings);
  ASSERT_FALSE(catalogue->Pictures().empty());

  test::ExtrasWindow w;
  ExtrasState state;
  state.serviceAddress = server.Address();
  state.defaultPicture = test::PngPicture(0x00a0a0);
  w.AddRow(Sys("歌"), Utf8ToSystem(catalogue->Pictures()[0].singer), "1");
  w.AddRow(Sys("歌"), Sys("没有照片的歌手"), "2");

  w.超级列表框1.SetCurrentRow(0);
  ASSERT_TRUE(test::RunOnWorker([&] { PictureWorker(w.Picture(), state); }));
  EXPECT_NE(w.图片框1.Picture(), state.defaultPicture);
  EXPECT_FALSE(DecodePicture(w.图片框1.Picture()).isNull());

  w.超级列表框1.SetCurrentRow(1);
  ASSERT_TRUE(test::RunOnWorker([&] { PictureWorker(w.Picture(), state); }));
  EXPECT_EQ(w.图片框1.Picture(), state.defaultPicture);
}

}  // namespace
}  // namespace vexo

// What the workers share with the user-interface thread and with each other:
// lyric lines replaced while a tick waits or reads, two picture workers at
// once, two downloads of one name at once. Run under ThreadSanitizer in CI.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <future>
#include <thread>

#include "canned_service.h"
#include "extras/download_worker.h"
#include "extras/lyrics_display.h"
#include "extras/lyrics_worker.h"
#include "extras/picture_worker.h"
#include "extras_window.h"
#include "loopback_server.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

constexpr auto kReleaseDeadline = std::chrono::seconds(20);

// A gate a server handler waits at until the test opens it (or a deadline
// passes, so a failing test cannot hang the server).
class Gate {
 public:
  void Open() { opened_.set_value(); }
  void Wait() { opened_future_.wait_for(kReleaseDeadline); }

 private:
  std::promise<void> opened_;
  std::shared_future<void> opened_future_ = opened_.get_future().share();
};

TEST(LyricsConcurrency, LinesReplacedByAWorkerDuringATicksWaitAreNeverReadPastTheirEnd) {
  test::CannedService service("cb({\"lrc\":\"[01:05.00]新的一行\\n好音质,天天动听!\"}})");
  test::ExtrasWindow w;
  ExtrasState state;
  state.serviceAddress = service.Address();
  w.AddRow(Sys("新歌"), Sys("歌手"), "2");
  w.超级列表框1.SetCurrentRow(0);
  w.选择框2.SetTicked(true);
  w.engine.positionMs = 65300;
  // Three lines of the same second: the tick waits before each of them, and
  // the new list is shorter.
  state.LyricLines.Replace({"[01:05.10]old one", "[01:05.20]old two", "[01:05.30]old three"});

  std::thread worker;
  std::atomic<bool> workerDone{false};
  QTimer::singleShot(0, [&] {
    worker = std::thread([&] {
      LyricsWorker(w.Lyrics(), state);
      workerDone = true;
    });
  });
  LyricsTick(w.Lyrics(), state);
  ASSERT_TRUE(test::WaitUntil([&] { return workerDone.load(); }));
  worker.join();

  EXPECT_EQ(*state.LyricLines.Snapshot(), (LyricList{"\"[01:05.00]" + Sys("新的一行")}));
  EXPECT_EQ(w.透明标签4.GetText(), Sys("新歌 - 歌手"));
  LyricsTick(w.Lyrics(), state);
  EXPECT_EQ(w.透明标签4.GetText(), Sys("新的一行"));
}

TEST(LyricsConcurrency, TicksAlwaysReadAWholeList) {
  test::ExtrasWindow w;
  ExtrasState state;
  w.engine.positionMs = 3000;  // 00:03, which no line below holds
  constexpr int kRounds = 300;
  std::atomic<bool> stop{false};
  std::thread replacer([&] {
    for (int i = 0; !stop; ++i) {
      LyricList lines(static_cast<std::size_t>(i % 17), "[00:01.00]line");
      state.LyricLines.Replace(std::move(lines));
      if (i % 5 == 0) state.LyricLines.Clear();
    }
  });
  w.透明标签4.SetText("heading");
  int torn = 0;
  for (int round = 0; round < kRounds; ++round) {
    LyricsTick(w.Lyrics(), state);
    const auto lines = state.LyricLines.Snapshot();
    for (const Text& line : *lines)
      torn += line == "[00:01.00]line" ? 0 : 1;
  }
  stop = true;
  replacer.join();
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(w.透明标签4.GetText(), "heading");
}

TEST(PictureConcurrency, OfTwoSongsInQuickSuccessionTheWorkerThatEndsLastWins) {
  const ByteSet first = test::PngPicture(0xff0000);
  const ByteSet second = test::PngPicture(0x0000ff);
  Gate firstPicture;
  testing::LoopbackServer server;
  server.Http().Get("/pic/down", [&](const httplib::Request& req, httplib::Response& res) {
    const std::string name = req.get_param_value("artist") == "A" ? "a" : "b";
    res.set_content("cb({\"singerPic\":\"" + server.Url("/" + name + ".png") + "\"}})",
                    "text/javascript");
  });
  server.Http().Get("/a.png", [&](const httplib::Request&, httplib::Response& res) {
    firstPicture.Wait();
    res.set_content(std::string(first.begin(), first.end()), "image/png");
  });
  server.Http().Get("/b.png", [&](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::string(second.begin(), second.end()), "image/png");
  });
  server.Start();

  test::ExtrasWindow w;
  ExtrasState state;
  state.serviceAddress = "127.0.0.1:" + std::to_string(server.Port());
  state.defaultPicture = test::PngPicture(0x00a0a0);
  w.AddRow("x", "A", "1");
  w.AddRow("y", "B", "2");

  w.超级列表框1.SetCurrentRow(0);
  std::atomic<bool> firstDone{false};
  std::thread a([&] {
    PictureWorker(w.Picture(), state);
    firstDone = true;
  });
  // The second song starts while the first worker still fetches its picture.
  ASSERT_TRUE(test::WaitUntil([&] { return server.Requests().size() >= 1; }));
  w.超级列表框1.SetCurrentRow(1);
  ASSERT_TRUE(test::RunOnWorker([&] { PictureWorker(w.Picture(), state); }));
  EXPECT_EQ(w.图片框1.Picture(), second);
  firstPicture.Open();
  ASSERT_TRUE(test::WaitUntil([&] { return firstDone.load(); }));
  a.join();
  EXPECT_EQ(w.图片框1.Picture(), first);
}

TEST(BoxConcurrency, ALyricsWaitRunsToItsEndWhileADownloadsBoxWaitsForTheUser) {
  testing::LoopbackServer server;
  server.Http().Get("/song.mp3", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::string(4096, 'm'), "audio/mpeg");
  });
  server.Start();
  QTemporaryDir folder;
  test::ExtrasWindow w;
  ExtrasState state;
  state.programFolder = folder.path().toStdString();
  w.超级列表框1.SetCurrentRow(w.AddRow("Song", "singer", "1", server.Url("/song.mp3")));
  QTimer safety;  // a failing test ends instead of hanging on the box
  safety.setSingleShot(true);
  QObject::connect(&safety, &QTimer::timeout, [] {
    if (QMessageBox* box = test::OpenMessageBox()) box->reject();
  });
  safety.start(20000);

  std::atomic<bool> workerDone{false};
  std::thread worker([&] {
    DownloadWorker(w.Download(), state);
    workerDone = true;
  });
  ASSERT_TRUE(test::WaitUntil([] { return test::OpenMessageBox() != nullptr; }));
  EXPECT_EQ(test::OpenMessageBox()->text(), QString::fromUtf8("下载成功"));
  // A lyrics tick with its one-second wait, and the progress timer's kind of
  // ticking, while the box is open.
  w.engine.positionMs = 65300;
  state.LyricLines.Replace({"[01:05.32]Hello"});
  int ticks = 0;
  QTimer progress;
  QObject::connect(&progress, &QTimer::timeout, [&] { ++ticks; });
  progress.start(100);
  LyricsTick(w.Lyrics(), state);
  EXPECT_EQ(w.透明标签4.GetText(), "Hello");
  // The timer ran during the wait (how often depends on how busy the machine
  // is: a late timer does not catch up on the ticks it missed).
  EXPECT_GE(ticks, 1);
  EXPECT_NE(test::OpenMessageBox(), nullptr) << "the tick ended only once the box was closed";
  EXPECT_FALSE(workerDone.load());  // the worker ends only once its box is closed

  test::AnswerNextMessageBox(QMessageBox::Ok);
  ASSERT_TRUE(test::WaitUntil([&] { return workerDone.load(); }));
  worker.join();
}

class DownloadConcurrency : public ::testing::Test {
 protected:
  QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
  QByteArray Contents() const {
    QFile file(folder.filePath(QStringLiteral("Song_1.mp3")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  SongRowCells Row(const std::string& path) const {
    return {"Song", "singer", "1", server.Url(path)};
  }
  QTemporaryDir folder;
  testing::LoopbackServer server;
};

TEST_F(DownloadConcurrency, TwoDownloadsOfOneNameAtOnceOneWinsTheOtherFails) {
  const std::string slow(256 * 1024, 's');
  const std::string fast(1000, 'f');
  Gate slowBody;
  std::atomic<bool> slowAsked{false};
  server.Http().Get("/slow.mp3", [&](const httplib::Request&, httplib::Response& res) {
    slowAsked = true;
    slowBody.Wait();
    res.set_content(slow, "audio/mpeg");
  });
  server.Http().Get("/fast.mp3", [&](const httplib::Request&, httplib::Response& res) {
    res.set_content(fast, "audio/mpeg");
  });
  server.Start();

  std::future<bool> first = std::async(std::launch::async, [&] {
    return DownloadSong(folder.path().toStdString(), Row("/slow.mp3"));
  });
  ASSERT_TRUE(test::WaitUntil([&] { return slowAsked.load(); }));
  EXPECT_FALSE(DownloadSong(folder.path().toStdString(), Row("/fast.mp3")));
  slowBody.Open();
  EXPECT_TRUE(first.get());
  EXPECT_EQ(Contents(), QByteArray::fromStdString(slow));
  EXPECT_EQ(Files(), QStringList{QStringLiteral("Song_1.mp3")});
}

TEST_F(DownloadConcurrency, ManyDownloadsOfOneNameNeverMixTheirBytes) {
  constexpr int kDownloads = 4;
  for (int i = 0; i < kDownloads; ++i) {
    server.Http().Get(
        "/" + std::to_string(i) + ".mp3", [i](const httplib::Request&, httplib::Response& res) {
          res.set_content(std::string(128 * 1024, static_cast<char>('a' + i)), "audio/mpeg");
        });
  }
  server.Start();
  std::vector<std::future<bool>> downloads;
  for (int i = 0; i < kDownloads; ++i) {
    downloads.push_back(std::async(std::launch::async, [&, i] {
      return DownloadSong(folder.path().toStdString(), Row("/" + std::to_string(i) + ".mp3"));
    }));
  }
  int succeeded = 0;
  for (auto& d : downloads)
    succeeded += d.get() ? 1 : 0;
  EXPECT_GE(succeeded, 1);
  const QByteArray contents = Contents();
  ASSERT_EQ(contents.size(), 128 * 1024);
  EXPECT_EQ(contents.count(contents.front()), contents.size());
  EXPECT_EQ(Files(), QStringList{QStringLiteral("Song_1.mp3")});
}

}  // namespace
}  // namespace vexo

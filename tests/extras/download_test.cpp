// The download worker: where the song lands, what is refused, and that a
// failed download never harms an existing file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "extras/download_worker.h"
#include "extras_window.h"
#include "loopback_server.h"
#include "platform/system_text.h"
#include "support/ui_wait.h"

namespace vexo {
namespace {

constexpr const char* kErrorPage = "<html><body>404 Not Found</body></html>";

class DownloadTest : public ::testing::Test {
 protected:
  // A song of several of the request's read buffers, bytes that differ from
  // one piece to the next, so that a piece lost, doubled or out of place shows.
  DownloadTest() : song(3 * 1024 * 1024 + 17, 0) {
    for (std::size_t i = 0; i < song.size(); ++i)
      song[i] = static_cast<std::uint8_t>((i * 7) ^ (i >> 12));
    server.Http().Get("/song.mp3", [this](const httplib::Request&, httplib::Response& res) {
      res.set_content(std::string(song.begin(), song.end()), "audio/mpeg");
    });
    server.Http().Get("/missing.mp3", [](const httplib::Request&, httplib::Response& res) {
      res.status = 404;
      res.set_content(kErrorPage, "text/html");
    });
    // Songs in other formats, as the catalogue service serves them.
    for (const char* path : {"/song/7.flac", "/get", "/song/9.opus", "/song/10.wv"}) {
      server.Http().Get(path, [this](const httplib::Request& req, httplib::Response& res) {
        const std::string type = req.path == "/song/7.flac"  ? "audio/flac"
                                 : req.path == "/song/10.wv" ? "application/octet-stream"
                                                             : "audio/ogg";
        res.set_content(std::string(song.begin(), song.end()), type);
      });
    }
    server.Http().Get("/empty.mp3", [](const httplib::Request&, httplib::Response& res) {
      res.set_content("", "audio/mpeg");
    });
    server.Start();
    state.programFolder = folder.path().toStdString();
  }

  // Selects a new row and runs the worker; returns the message it showed.
  QString Download(const Text& name, const Text& id, const Text& url) {
    w.超级列表框1.SetCurrentRow(w.AddRow(name, Sys("歌手"), id, url));
    test::MessageBoxAnswerer answerer;
    EXPECT_TRUE(test::RunOnWorker([&] { DownloadWorker(w.Download(), state); }));
    return answerer.Texts().size() == 1 ? answerer.Texts()[0] : QStringLiteral("<no message>");
  }
  QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }
  QByteArray Contents(const char* fileNameUtf8) const {
    QFile file(folder.filePath(QString::fromUtf8(fileNameUtf8)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  QByteArray SongBytes() const {
    return QByteArray(reinterpret_cast<const char*>(song.data()),
                      static_cast<qsizetype>(song.size()));
  }

  const QString kSucceeded = QString::fromUtf8("下载成功");
  const QString kFailed = QString::fromUtf8("下载失败");
  ByteSet song;
  testing::LoopbackServer server;
  QTemporaryDir folder;
  test::ExtrasWindow w;
  ExtrasState state;
};

TEST_F(DownloadTest, TheSongLandsAsNameUnderscoreIdInTheProgramFolder) {
  EXPECT_EQ(Download(Sys("晴天"), "12345", server.Url("/song.mp3")), kSucceeded);
  EXPECT_EQ(Files(), QStringList{QString::fromUtf8("晴天_12345.mp3")});
  EXPECT_EQ(Contents("晴天_12345.mp3"), SongBytes());
  // A later download of the same row replaces the file.
  song.assign(10, 'x');
  EXPECT_EQ(Download(Sys("晴天"), "12345", server.Url("/song.mp3")), kSucceeded);
  EXPECT_EQ(Contents("晴天_12345.mp3"), QByteArray("xxxxxxxxxx"));
  EXPECT_EQ(Files().size(), 1);
}

TEST_F(DownloadTest, TheFileEndsInTheSongsOwnFormatNeverOneFromItsName) {
  EXPECT_EQ(Download(Sys("晴天"), "7", server.Url("/song/7.flac")), kSucceeded);
  EXPECT_EQ(Contents("晴天_7.flac"), SongBytes());
  // The type names the format; within Ogg the address tells Opus apart; a
  // type that names none leaves it to the address.
  EXPECT_EQ(Download("Vorbis", "8", server.Url("/get?id=8.opus")), kSucceeded);
  EXPECT_EQ(Download("Opus", "9", server.Url("/song/9.opus")), kSucceeded);
  EXPECT_EQ(Download("Pack", "10", server.Url("/song/10.wv")), kSucceeded);
  // A title that looks like a file name does not choose the extension.
  EXPECT_EQ(Download(Sys("歌.flac"), "11", server.Url("/song.mp3")), kSucceeded);
  QStringList expected{QString::fromUtf8("晴天_7.flac"), QStringLiteral("Vorbis_8.ogg"),
                       QStringLiteral("Opus_9.opus"), QStringLiteral("Pack_10.wv"),
                       QString::fromUtf8("歌.flac_11.mp3")};
  expected.sort();
  QStringList files = Files();
  files.sort();
  EXPECT_EQ(files, expected);
}

TEST_F(DownloadTest, AnErrorStatusAShortBodyOrACutTransferFailsAndLeavesTheEarlierFile) {
  ASSERT_EQ(Download("Song", "1", server.Url("/song.mp3")), kSucceeded);
  const QByteArray before = Contents("Song_1.mp3");
  const std::string half(32 * 1024, 'h');
  // Shorter than its announced length, then the connection closes.
  testing::RawServer shortBody(
      "HTTP/1.1 200 OK\r\nContent-Length: 65536\r\n"
      "Connection: close\r\n\r\n" +
      half);
  // Chunked, broken off in the middle of a chunk.
  testing::RawServer cutChunks(
      "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
      "8000\r\n" +
      half + "\r\n8000\r\n" + half.substr(0, 100));
  for (const std::string& url :
       {server.Url("/missing.mp3"), shortBody.Url("/song.mp3"), cutChunks.Url("/song.mp3")}) {
    SCOPED_TRACE(url);
    EXPECT_EQ(Download("Song", "1", url), kFailed);
    EXPECT_EQ(Contents("Song_1.mp3"), before);
  }
  // No temporary or lock file is left behind, and no file of a new name.
  EXPECT_EQ(Download("Other", "2", server.Url("/missing.mp3")), kFailed);
  EXPECT_EQ(Files(), QStringList{QStringLiteral("Song_1.mp3")});
}

TEST_F(DownloadTest, NamesThatWouldLeaveTheFolderFailAndWriteNothing) {
  for (const Text& name : {Text("AC/DC"), Text("../escape"), Text(".."), Text()}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Download(name, "1", server.Url("/song.mp3")), kFailed);
  }
  EXPECT_TRUE(Files().isEmpty());
  QDir parent(folder.path());
  parent.cdUp();
  EXPECT_FALSE(parent.exists(QStringLiteral("escape_1.mp3")));
  // Nothing selected reads as an empty name and URL.
  w.超级列表框1.SetCurrentRow(-1);
  test::MessageBoxAnswerer answerer;
  ASSERT_TRUE(test::RunOnWorker([&] { DownloadWorker(w.Download(), state); }));
  EXPECT_EQ(answerer.Texts(), QStringList{kFailed});
}

TEST_F(DownloadTest, AFetchWithoutBytesFailsAndLeavesAnExistingFileAsItWas) {
  ASSERT_EQ(Download("Song", "1", server.Url("/song.mp3")), kSucceeded);
  const QByteArray before = Contents("Song_1.mp3");
  for (const std::string& url :
       {server.Url("/empty.mp3"), std::string("http://127.0.0.1:1/song.mp3"), std::string()}) {
    SCOPED_TRACE(url);
    EXPECT_EQ(Download("Song", "1", url), kFailed);
    EXPECT_EQ(Contents("Song_1.mp3"), before);
  }
  // No temporary or lock file is left behind.
  EXPECT_EQ(Files(), QStringList{QStringLiteral("Song_1.mp3")});
  // A fetch without bytes creates no file either.
  EXPECT_EQ(Download("Other", "2", server.Url("/empty.mp3")), kFailed);
  EXPECT_EQ(Files().size(), 1);
}

TEST_F(DownloadTest, AFolderThatCannotBeWrittenFails) {
  state.programFolder = (folder.path() + QStringLiteral("/no/such/folder")).toStdString();
  EXPECT_EQ(Download("Song", "1", server.Url("/song.mp3")), kFailed);
  EXPECT_TRUE(Files().isEmpty());
}

}  // namespace
}  // namespace vexo

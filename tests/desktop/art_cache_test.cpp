// Singer pictures as files for the desktop's media controls: each saved once,
// named by its content, by a worker that reports back on the user-interface
// thread; the folder keeps only the newest few; a cache that goes while its
// worker still saves lets the report fall.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QUrl>

#include "desktop/art_cache.h"
#include "playback/start_thread.h"
#include "support/ui_wait.h"

namespace vexo::desktop {
namespace {

// A small PNG of its own colour for each number.
ByteSet Picture(int n) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(static_cast<QRgb>(0x102030 + n * 0x010101)));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "png");
  return ByteSet(bytes.begin(), bytes.end());
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AsBytes(const ByteSet& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

// Dates the file `age` seconds back, so the order of saving stays clear
// within one second.
void Age(const QString& path, int age) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime);
}

TEST(SavePicture, NamesEachPictureByItsContentAndKeepsOnlyTheNewest) {
  QTemporaryDir dir;
  const int count = kKeptPictures + 3;
  std::vector<QString> saved;
  for (int i = 0; i < count; ++i) {
    saved.push_back(SavePicture(dir.path(), Picture(i)));
    ASSERT_FALSE(saved.back().isEmpty());
    EXPECT_EQ(Contents(saved.back()), AsBytes(Picture(i)));
    Age(saved.back(), count - i);
  }
  // Of the first three, only the third is left; saving it again makes it the
  // newest under the same name.
  EXPECT_FALSE(QFile::exists(saved[0]));
  ASSERT_TRUE(QFile::exists(saved[3]));
  EXPECT_EQ(SavePicture(dir.path(), Picture(3)), saved[3]);
  // Another worker's picture still being written keeps its temporary name.
  QFile writing(
      QDir(dir.path()).filePath(QFileInfo(saved[0]).fileName() + QStringLiteral(".a1B2c3")));
  ASSERT_TRUE(writing.open(QIODevice::WriteOnly));
  writing.close();
  Age(writing.fileName(), 2 * count);

  SavePicture(dir.path(), Picture(count));
  const QStringList left = QDir(dir.path()).entryList(QDir::Files);
  EXPECT_EQ(left.size(), kKeptPictures + 1) << left.join(QLatin1Char(' ')).toStdString();
  EXPECT_TRUE(QFile::exists(writing.fileName()));
  EXPECT_TRUE(QFile::exists(saved[3])) << "saved again, it is among the newest";
  EXPECT_FALSE(QFile::exists(saved[4])) << "the oldest goes";
  for (int i = 5; i < count; ++i)
    EXPECT_TRUE(QFile::exists(saved[i])) << i;

  EXPECT_TRUE(SavePicture(dir.path(), ByteSet{'n', 'o', 't'}).isEmpty());
}

TEST(ArtCache, AnswersTheAddressOnceItsWorkerHasSavedThePicture) {
  QTemporaryDir dir;
  int reports = 0;
  ArtCache cache(dir.path(), [&] { ++reports; });
  const ByteSet picture = Picture(7);
  EXPECT_TRUE(cache.UrlFor(picture).isEmpty()) << "nothing is there before the worker saved it";
  ASSERT_TRUE(test::WaitUntil([&] { return reports == 1; }));
  const QString url = cache.UrlFor(picture);
  EXPECT_EQ(Contents(QUrl(url).toLocalFile()), AsBytes(picture));
  EXPECT_EQ(cache.UrlFor(picture), url);

  // Gone from the folder (another run let it go): saved again.
  ASSERT_TRUE(QFile::remove(QUrl(url).toLocalFile()));
  EXPECT_TRUE(cache.UrlFor(picture).isEmpty());
  ASSERT_TRUE(test::WaitUntil([&] { return reports == 2; }));
  EXPECT_EQ(cache.UrlFor(picture), url);

  // A picture that does not decode never has an address, and is tried once.
  const ByteSet broken{'n', 'o', 't'};
  EXPECT_TRUE(cache.UrlFor(broken).isEmpty());
  ASSERT_TRUE(test::WaitUntil([] { return RunningThreadCount() == 0; }));
  QCoreApplication::processEvents();
  EXPECT_TRUE(cache.UrlFor(broken).isEmpty());
  EXPECT_EQ(RunningThreadCount(), 0);
  EXPECT_EQ(reports, 2);
}

TEST(ArtCache, ACacheThatGoesWhileItsWorkerSavesLetsTheReportFall) {
  QTemporaryDir dir;
  bool reported = false;
  {
    ArtCache cache(dir.path(), [&] { reported = true; });
    cache.UrlFor(Picture(9));
  }
  ASSERT_TRUE(test::WaitUntil([] { return RunningThreadCount() == 0; }));
  QCoreApplication::processEvents();
  EXPECT_FALSE(reported);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1)
      << "the worker saved it all the same";
}

}  // namespace
}  // namespace vexo::desktop

// Pictures loaded from byte sets and files, kept with their bytes, saved to
// byte sets; the bitmap's own pixel operations.
#include "imaging/image.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QTemporaryDir>

#include "imaging/bitmap.h"
#include "imaging/image_codec.h"
#include "imaging/image_formats.h"
#include "imaging/status.h"
#include "imaging_test_support.h"
#include "platform/codepage.h"

namespace vexo {
namespace {

using test::ColorNear;
using test::EncodedBytes;
using test::Hex;
using test::QuadrantPicture;

const ByteSet kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool StartsWithPngSignature(const ByteSet& bytes) {
  return bytes.size() > kPngSignature.size() &&
         std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin());
}

TEST(ImgImage, LoadsFromBytesAndKeepsTheBytesWhileThePictureLives) {
  const ByteSet jpeg = EncodedBytes(QuadrantPicture(160, 90), "JPEG");
  ImgImage image;
  EXPECT_EQ(image.Handle(), 0u);
  ASSERT_TRUE(image.LoadFromBytes(jpeg));
  EXPECT_NE(image.Handle(), 0u);
  EXPECT_EQ(ImgLastStatus(), kStatusOk);
  EXPECT_EQ(image.Width(), 160u);
  EXPECT_EQ(image.Height(), 90u);
  EXPECT_EQ(image.PixelFormat(), kPixelFormat32bppRGB);
  EXPECT_EQ(image.Stream().Contents(), jpeg);
  EXPECT_NE(image.Stream().Handle(), 0u);

  ASSERT_TRUE(image.Dispose());
  EXPECT_EQ(image.Handle(), 0u);
  EXPECT_EQ(image.Stream().Handle(), 0u);
  EXPECT_EQ(image.Stream().Size(), 0u);
}

TEST(ImgImage, BytesThatAreNoPictureLeaveTheImageEmptyWithANonZeroStatus) {
  const ByteSet bad = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
  for (const ByteSet& bytes : {bad, ByteSet{}}) {
    ImgImage image;
    EXPECT_FALSE(image.LoadFromBytes(bytes));
    EXPECT_NE(ImgLastStatus(), kStatusOk);
    EXPECT_EQ(image.Handle(), 0u);
    EXPECT_EQ(image.Stream().Handle(), 0u);  // nothing decoded reads from it
    EXPECT_EQ(image.Width(), 0u);
    EXPECT_EQ(image.Height(), 0u);
    EXPECT_NE(ImgLastStatus(), kStatusOk);
    EXPECT_TRUE(image.SaveToBytes(kImageFormatPng).empty());
  }
}

TEST(ImgImage, ReadsThePictureFormatsThePlayerCarries) {
  // The default singer picture is an icon file of one 128 x 128 image with
  // alpha; the background a JPEG; caption buttons PNG.
  QImage note(128, 128, QImage::Format_ARGB32);
  note.fill(QColor(0, 128, 128, 200));
  for (const char* format : {"ICO", "PNG"}) {
    ImgBitmap picture;
    ASSERT_TRUE(picture.LoadFromBytes(EncodedBytes(note, format))) << format;
    EXPECT_EQ(picture.Width(), 128u);
    EXPECT_TRUE(ColorNear(picture.GetPixel(64, 64), MakeArgb(200, 0, 128, 128), 1))
        << format << " " << Hex(picture.GetPixel(64, 64));
  }
}

TEST(ImgImage, LoadingAgainReplacesThePictureAndItsBytes) {
  ImgImage image;
  ASSERT_TRUE(image.LoadFromBytes(EncodedBytes(QuadrantPicture(10, 10), "PNG")));
  const ImgHandle first = image.Handle();
  const ByteSet second = EncodedBytes(QuadrantPicture(30, 20), "BMP");
  ASSERT_TRUE(image.LoadFromBytes(second));
  EXPECT_NE(image.Handle(), first);
  EXPECT_EQ(image.Width(), 30u);
  EXPECT_EQ(image.Stream().Contents(), second);
  // A failed load leaves the object empty, not holding the older picture.
  EXPECT_FALSE(image.LoadFromBytes({1, 2, 3}));
  EXPECT_TRUE(image.IsEmpty());
}

TEST(ImgImage, SavesToPngBytesThatLoadBackPixelForPixel) {
  ImgImage image;
  ASSERT_TRUE(image.LoadFromBytes(EncodedBytes(QuadrantPicture(40, 30), "BMP")));
  const ByteSet png = image.SaveToBytes(kImageFormatPng);
  ASSERT_TRUE(StartsWithPngSignature(png));
  EXPECT_EQ(ImgLastStatus(), kStatusOk);
  // The format identifier is matched without regard to case, the MIME type too.
  EXPECT_TRUE(StartsWithPngSignature(image.SaveToBytes("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}")));
  EXPECT_TRUE(StartsWithPngSignature(image.SaveToBytes("image/png")));

  ImgBitmap back;
  ASSERT_TRUE(back.LoadFromBytes(png));
  EXPECT_EQ(back.GetPixel(5, 5), MakeArgb(255, 255, 0, 0));
  EXPECT_EQ(back.GetPixel(35, 25), MakeArgb(255, 255, 255, 255));

  const ByteSet jpeg = image.SaveToBytes(kImageFormatJpeg, 90);
  ASSERT_GE(jpeg.size(), 2u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);

  EXPECT_TRUE(image.SaveToBytes("{00000000-0000-0000-0000-000000000000}").empty());
  EXPECT_EQ(ImgLastStatus(), kStatusUnknownImageFormat);
}

TEST(ImgImage, LoadsAndSavesFilesNamedInTheSystemCodePage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string utf8_path = (dir.path() + QStringLiteral("/背景.png")).toStdString();
  const Text path = Utf8ToSystem(utf8_path);
  ImgImage image;
  ASSERT_TRUE(image.LoadFromBytes(EncodedBytes(QuadrantPicture(12, 8), "PNG")));
  ASSERT_TRUE(image.SaveToFile(path, kMimePng));
  EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(utf8_path)));

  ImgImage from_file;
  ASSERT_TRUE(from_file.LoadFromFile(path));
  EXPECT_EQ(from_file.Width(), 12u);
  EXPECT_EQ(from_file.Stream().Handle(), 0u);  // files are not kept as streams

  EXPECT_FALSE(from_file.LoadFromFile(Utf8ToSystem(utf8_path + ".missing")));
  EXPECT_EQ(ImgLastStatus(), kStatusFileNotFound);
  EXPECT_TRUE(from_file.IsEmpty());
}

TEST(ImgImage, RotatesAndMirrorsInPlace) {
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFromBytes(EncodedBytes(QuadrantPicture(40, 20), "PNG")));
  // A left-right mirror puts the green top-right quadrant at the top left.
  ASSERT_TRUE(bitmap.RotateFlip(kRotateNoneFlipX));
  EXPECT_EQ(bitmap.GetPixel(2, 2), MakeArgb(255, 0, 255, 0));
  ASSERT_TRUE(bitmap.RotateFlip(kRotateNoneFlipX));
  // A quarter turn clockwise: the picture stands 20 x 40, the blue bottom-left
  // quadrant comes to the top left.
  ASSERT_TRUE(bitmap.RotateFlip(kRotate90FlipNone));
  EXPECT_EQ(bitmap.Width(), 20u);
  EXPECT_EQ(bitmap.Height(), 40u);
  EXPECT_EQ(bitmap.GetPixel(2, 2), MakeArgb(255, 0, 0, 255));
  EXPECT_FALSE(bitmap.RotateFlip(8));
  EXPECT_EQ(ImgLastStatus(), kStatusInvalidParameter);
}

TEST(ImgImage, CloneIsIndependentOfTheOriginal) {
  ImgBitmap original;
  ASSERT_TRUE(original.LoadFromBytes(EncodedBytes(QuadrantPicture(8, 8), "PNG")));
  ImgBitmap copy;
  ASSERT_TRUE(original.Clone(copy));
  EXPECT_NE(copy.Handle(), original.Handle());
  EXPECT_EQ(copy.Stream().Contents(), original.Stream().Contents());
  ASSERT_TRUE(copy.SetPixel(0, 0, MakeArgb(255, 1, 2, 3)));
  EXPECT_EQ(original.GetPixel(0, 0), MakeArgb(255, 255, 0, 0));
  original.Dispose();
  EXPECT_EQ(copy.GetPixel(0, 0), MakeArgb(255, 1, 2, 3));
}

TEST(ImgBitmap, NewBitmapIsTransparentBlackAndKeepsPlainArgbPixels) {
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(7, 5, kPixelFormat32bppARGB));
  EXPECT_EQ(bitmap.PixelFormat(), kPixelFormat32bppARGB);
  EXPECT_EQ(bitmap.GetPixel(6, 4), 0u);
  // Half-transparent colours come back as set (stored premultiplied inside).
  const Argb veil = MakeArgb(150, 255, 255, 255);
  ASSERT_TRUE(bitmap.SetPixel(3, 2, veil));
  EXPECT_TRUE(ColorNear(bitmap.GetPixel(3, 2), veil, 1)) << Hex(bitmap.GetPixel(3, 2));

  EXPECT_EQ(bitmap.GetPixel(7, 0), 0u);
  EXPECT_EQ(ImgLastStatus(), kStatusInvalidParameter);
  EXPECT_FALSE(bitmap.SetPixel(-1, 0, veil));
  EXPECT_FALSE(bitmap.Create(0, 5));
  EXPECT_FALSE(bitmap.Create(5, 5, kPixelFormat8bppIndexed));
  EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(ImgBitmap, PlatformBitmapLaysThePictureOverTheBackground) {
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(4, 4));
  bitmap.SetPixel(0, 0, MakeArgb(255, 10, 20, 30));
  const QImage plain = bitmap.ToPlatformBitmap();
  EXPECT_EQ(test::PixelOf(plain, 0, 0), MakeArgb(255, 10, 20, 30));
  EXPECT_EQ(test::PixelOf(plain, 1, 1), 0u);  // background 0 keeps transparency
  const QImage on_magenta = bitmap.ToPlatformBitmap(MakeArgb(255, 255, 0, 255));
  EXPECT_EQ(test::PixelOf(on_magenta, 1, 1), MakeArgb(255, 255, 0, 255));

  ImgBitmap back;
  ASSERT_TRUE(back.CreateFromPlatformBitmap(plain));
  EXPECT_EQ(back.GetPixel(0, 0), MakeArgb(255, 10, 20, 30));
  EXPECT_TRUE(ImgBitmap().ToPlatformBitmap().isNull());
}

TEST(ImgBitmap, CloneAreaCopiesARectangleInsideTheBitmapOnly) {
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadFromBytes(EncodedBytes(QuadrantPicture(20, 20), "PNG")));
  ImgBitmap part;
  ASSERT_TRUE(bitmap.CloneArea(10, 10, 5, 4, part));
  EXPECT_EQ(part.Width(), 5u);
  EXPECT_EQ(part.GetPixel(0, 0), MakeArgb(255, 255, 255, 255));
  EXPECT_FALSE(bitmap.CloneArea(18, 18, 5, 5, part));
}

TEST(ImgBitmap, RotateGrowsToTheRotatedBoundsOverTheBackground) {
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(20, 10));
  ASSERT_TRUE(bitmap.Rotate(90, MakeArgb(255, 0, 0, 255)));
  EXPECT_EQ(bitmap.Width(), 10u);
  EXPECT_EQ(bitmap.Height(), 20u);
  ASSERT_TRUE(bitmap.Rotate(45, MakeArgb(255, 0, 0, 255)));
  EXPECT_GE(bitmap.Width(), 21u);                              // (10 + 20) / sqrt(2)
  EXPECT_EQ(bitmap.GetPixel(0, 0), MakeArgb(255, 0, 0, 255));  // a corner outside the picture
}

TEST(ImgBitmap, MadeFromAnIconInTheAskedSize) {
  QPixmap pixmap(32, 32);
  pixmap.fill(QColor(236, 109, 81));
  ImgBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromIcon(QIcon(pixmap), 17, 17));
  EXPECT_EQ(bitmap.Width(), 17u);
  EXPECT_TRUE(ColorNear(bitmap.GetPixel(8, 8), MakeArgb(255, 236, 109, 81), 2));
  EXPECT_FALSE(bitmap.CreateFromIcon(QIcon(), 17, 17));
}

}  // namespace
}  // namespace vexo

namespace vexo {
namespace {

QByteArray AsQBytes(const ByteSet& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

TEST(DecodePictureAhead, TheNextDecodeOfTheSameBytesTakesTheResultOnce) {
  const QByteArray jpeg = AsQBytes(test::EncodedBytes(test::QuadrantPicture(160, 90), "JPEG"));
  const QByteArray png = AsQBytes(test::EncodedBytes(test::QuadrantPicture(40, 30), "PNG"));
  const QImage direct = DecodePicture(jpeg);
  ASSERT_FALSE(direct.isNull());

  DecodePictureAhead(jpeg);
  // Other bytes decode as ever while the picture is on its way.
  EXPECT_EQ(DecodePicture(png).size(), QSize(40, 30));
  const QImage ahead = DecodePicture(jpeg);
  EXPECT_EQ(ahead, direct);
  // Taken once: a later decode of the same bytes decodes them again.
  const QImage again = DecodePicture(jpeg);
  EXPECT_EQ(again, direct);
  EXPECT_NE(again.constBits(), ahead.constBits());

  // Bytes that are no picture give the null image ahead as well.
  DecodePictureAhead(QByteArray("not a picture"));
  EXPECT_TRUE(DecodePicture(QByteArray("not a picture")).isNull());
}

}  // namespace
}  // namespace vexo

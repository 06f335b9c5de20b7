// The player driven by playerctl over the session bus: it is listed, shows
// the song that plays with its length and singer picture, and its play,
// stop, next, previous, loop, shuffle and seek go through the window's own
// buttons, menu and slider.
#include <QFile>
#include <QUrl>
#include <array>
#include <utility>

#include "assets/embedded_pictures.h"
#include "desktop/desktop_fixture.h"
#include "platform/system_text.h"

namespace vexo::test {
namespace {

constexpr int kNameColumn = 1;
constexpr int kSingerColumn = 2;
constexpr int kIdColumn = 3;
constexpr int kUrlColumn = 4;
// Right after a seek lands, the playing position may read a little before
// its target (the sound server's delay is estimated): less than one MP3
// frame (1,152 samples, 26 ms at 44.1 kHz).
constexpr int kSeekLandingSlackMs = 26;

using MprisPlayer = DesktopPlayerTest;

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray AsBytes(const ByteSet& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

TEST_F(MprisPlayer, IsListedShowsThePlayingSongWithItsPictureAndStops) {
  EXPECT_TRUE(RunWithEvents(QStringLiteral("playerctl"), {QStringLiteral("-l")})
                  .out.split(QLatin1Char('\n'))
                  .contains(QStringLiteral("vexo")));
  EXPECT_EQ(Playerctl({QStringLiteral("status")}).out, QStringLiteral("Stopped"));
  // playerctl prints an object path in quotes.
  EXPECT_EQ(PlayerctlMetadata(QStringLiteral("mpris:trackid")),
            QStringLiteral("'/org/mpris/MediaPlayer2/TrackList/NoTrack'"));

  // Play with no row selected: the window's own message, and nothing plays.
  {
    MessageBoxAnswerer answerer;
    ASSERT_TRUE(Playerctl({QStringLiteral("play")}).Succeeded());
    ASSERT_TRUE(WaitUntil([&] { return !answerer.Texts().isEmpty(); }));
    EXPECT_EQ(answerer.Texts().front(), QStringLiteral("请先选择歌曲播放"));
  }
  EXPECT_EQ(Playerctl({QStringLiteral("status")}).out, QStringLiteral("Stopped"));

  // The last row whose singer has a picture: once it is stopped nothing
  // follows it, whatever the stop leads to.
  int row = rows - 1;
  while (row > 0 && CellText(row, kSingerColumn) == QStringLiteral("白鹭"))
    --row;
  w->超级列表框1.SetCurrentRow(row);
  ASSERT_TRUE(Playerctl({QStringLiteral("play")}).Succeeded());
  ASSERT_TRUE(StatusBecomes("Playing"));
  EXPECT_EQ(w->按钮1.Caption(), Sys("停止"));
  EXPECT_EQ(PlayerctlMetadata(QStringLiteral("xesam:title")), CellText(row, kNameColumn));
  EXPECT_EQ(PlayerctlMetadata(QStringLiteral("xesam:artist")), CellText(row, kSingerColumn));
  EXPECT_EQ(PlayerctlMetadata(QStringLiteral("xesam:url")), CellText(row, kUrlColumn));
  EXPECT_EQ(
      PlayerctlMetadata(QStringLiteral("mpris:trackid")),
      QStringLiteral("'/org/example/vexo/song/") + CellText(row, kIdColumn) + QLatin1Char('\''));
  const qint64 lengthUs = qint64{w->媒体播放1.GetLengthMs()} * 1000;
  EXPECT_GT(lengthUs, 0);
  EXPECT_EQ(PlayerctlMetadata(QStringLiteral("mpris:length")).toLongLong(), lengthUs);

  // The singer picture, once the picture box shows it, as a file in the
  // player's cache folder.
  QString art;
  ASSERT_TRUE(WaitUntil(
      [&] {
        art = PlayerctlMetadata(QStringLiteral("mpris:artUrl"));
        return !art.isEmpty() &&
               AsBytes(w->图片框1.Picture()) != AsBytes(assets::DefaultSingerPicture());
      },
      kPlayDeadlineMs));
  const QString artFile = QUrl(art).toLocalFile();
  EXPECT_TRUE(artFile.startsWith(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)))
      << artFile.toStdString();
  ASSERT_TRUE(WaitUntil([&] {
    return FileBytes(QUrl(PlayerctlMetadata(QStringLiteral("mpris:artUrl"))).toLocalFile()) ==
           AsBytes(w->图片框1.Picture());
  })) << "the picture file differs from the picture shown";

  ASSERT_TRUE(Playerctl({QStringLiteral("stop")}).Succeeded());
  ASSERT_TRUE(StatusBecomes("Stopped"));
  EXPECT_EQ(w->按钮1.Caption(), Sys("播放"));
  ASSERT_TRUE(WaitUntil([&] { return !w->时钟1.IsRunning(); }, kPlayDeadlineMs));
  EXPECT_EQ(Playerctl({QStringLiteral("status")}).out, QStringLiteral("Stopped"));
  // Stopped, the song the play button would start again stays shown.
  EXPECT_EQ(PlayerctlMetadata(QStringLiteral("xesam:title")), CellText(row, kNameColumn));
}

TEST_F(MprisPlayer, NextAndPreviousMoveThroughTheListAndAnnounceTheSong) {
  SignalMonitor signals;
  w->超级列表框1.SetCurrentRow(0);
  w->超级列表框1.onDoubleClick();
  ASSERT_TRUE(StatusBecomes("Playing"));
  ASSERT_TRUE(signals.WaitFor(QStringLiteral("\"Playing\"")))
      << "no PropertiesChanged for the status: " << signals.Output().toStdString();

  const std::pair<const char*, int> steps[] = {{"next", 1}, {"next", 2}, {"previous", 1}};
  for (const auto& [command, expected] : steps) {
    signals.Forget();
    ASSERT_TRUE(Playerctl({QLatin1StringView(command)}).Succeeded());
    ASSERT_TRUE(WaitUntil([&] {
      return PlayerctlMetadata(QStringLiteral("xesam:title")) == CellText(expected, kNameColumn);
    })) << command;
    // The song of that row is what the media player opened and plays.
    EXPECT_EQ(Globals()->playback.CurrentSongIndex, expected);
    EXPECT_EQ(w->媒体播放1.medium_name(), w->超级列表框1.Cell(expected, kUrlColumn));
    EXPECT_EQ(Playerctl({QStringLiteral("status")}).out, QStringLiteral("Playing"));
    EXPECT_TRUE(signals.WaitFor(CellText(expected, kNameColumn)))
        << "no PropertiesChanged with the new song: " << signals.Output().toStdString();
  }
}

TEST_F(MprisPlayer, PlayPauseStartsAndStopsThroughThePlayButton) {
  const int last = rows - 1;
  w->超级列表框1.SetCurrentRow(last);
  ASSERT_TRUE(Playerctl({QStringLiteral("play-pause")}).Succeeded());
  ASSERT_TRUE(StatusBecomes("Playing"));
  EXPECT_EQ(w->按钮1.Caption(), Sys("停止"));
  EXPECT_EQ(Globals()->playback.CurrentSongIndex, last);

  // Pause has no effect: the player cannot pause, and says so (CanPause, which
  // playerctl heeds). The status is read after the pause was carried out.
  EXPECT_FALSE(Playerctl({QStringLiteral("pause")}).Succeeded());
  ASSERT_TRUE(CallPlayer(QStringLiteral("org.mpris.MediaPlayer2.Player.Pause")).Succeeded());
  EXPECT_EQ(Playerctl({QStringLiteral("status")}).out, QStringLiteral("Playing"));

  ASSERT_TRUE(Playerctl({QStringLiteral("play-pause")}).Succeeded());
  ASSERT_TRUE(StatusBecomes("Stopped"));
  EXPECT_EQ(w->按钮1.Caption(), Sys("播放"));
  ASSERT_TRUE(WaitUntil([&] { return !w->时钟1.IsRunning(); }, kPlayDeadlineMs));

  ASSERT_TRUE(Playerctl({QStringLiteral("play-pause")}).Succeeded());
  ASSERT_TRUE(StatusBecomes("Playing"));
  EXPECT_EQ(w->媒体播放1.medium_name(), w->超级列表框1.Cell(last, kUrlColumn));
}

TEST_F(MprisPlayer, LoopAndShuffleSetThePlayModeAndTickTheMenu) {
  SongMenu& m = w->菜单;
  auto ticks = [&] {
    return std::array{m.单曲循环.IsTicked(), m.顺序播放.IsTicked(), m.随机播放.IsTicked()};
  };
  using Ticks = std::array<bool, 3>;
  SignalMonitor signals;

  ASSERT_TRUE(Playerctl({QStringLiteral("loop"), QStringLiteral("Track")}).Succeeded());
  ASSERT_TRUE(WaitUntil([&] { return ticks() == Ticks{true, false, false}; }));
  EXPECT_EQ(Playerctl({QStringLiteral("loop")}).out, QStringLiteral("Track"));
  EXPECT_TRUE(signals.WaitFor(QStringLiteral("\"Track\"")));

  ASSERT_TRUE(Playerctl({QStringLiteral("shuffle"), QStringLiteral("On")}).Succeeded());
  ASSERT_TRUE(WaitUntil([&] { return ticks() == Ticks{false, false, true}; }));
  EXPECT_EQ(Playerctl({QStringLiteral("loop")}).out, QStringLiteral("None"));
  EXPECT_EQ(Playerctl({QStringLiteral("shuffle")}).out, QStringLiteral("On"));

  // Not looping a song leaves random play as it is.
  ASSERT_TRUE(Playerctl({QStringLiteral("loop"), QStringLiteral("None")}).Succeeded());
  EXPECT_EQ(Playerctl({QStringLiteral("shuffle")}).out, QStringLiteral("On"));
  EXPECT_EQ(ticks(), (Ticks{false, false, true}));

  ASSERT_TRUE(Playerctl({QStringLiteral("shuffle"), QStringLiteral("Off")}).Succeeded());
  ASSERT_TRUE(WaitUntil([&] { return ticks() == Ticks{false, true, false}; }));
  EXPECT_EQ(Playerctl({QStringLiteral("shuffle")}).out, QStringLiteral("Off"));

  // A mode chosen at the window reaches the bus too.
  signals.Forget();
  m.随机播放.Choose();
  EXPECT_TRUE(signals.WaitFor(QStringLiteral("Shuffle")))
      << "no PropertiesChanged for a mode chosen in the menu";
  EXPECT_EQ(Playerctl({QStringLiteral("shuffle")}).out, QStringLiteral("On"));
}

TEST_F(MprisPlayer, PositionAndSeeksGoThroughTheSeekSlider) {
  w->超级列表框1.SetCurrentRow(0);
  w->超级列表框1.onDoubleClick();
  ASSERT_TRUE(WaitUntil([&] { return w->媒体播放1.GetPositionMs() >= 1500; }, kPlayDeadlineMs));
  const double position = Playerctl({QStringLiteral("position")}).out.toDouble();
  EXPECT_NEAR(position, w->媒体播放1.GetPositionMs() / 1000.0, 1.0);

  SignalMonitor signals;
  // To a position of the song (SetPosition with its track id).
  ASSERT_TRUE(Playerctl({QStringLiteral("position"), QStringLiteral("10")}).Succeeded());
  EXPECT_EQ(signals.WaitForSeeked(), 10'000'000);
  EXPECT_EQ(w->滑块条1.Position(), 10);
  EXPECT_GE(w->媒体播放1.GetPositionMs(), 10'000 - kSeekLandingSlackMs);

  // By an offset (Seek), to the nearest whole second.
  signals.Forget();
  ASSERT_TRUE(Playerctl({QStringLiteral("position"), QStringLiteral("5+")}).Succeeded());
  const qint64 forward = signals.WaitForSeeked();
  EXPECT_GE(forward, 15'000'000);
  EXPECT_LE(forward, 17'000'000);
  EXPECT_GE(w->媒体播放1.GetPositionMs(), forward / 1000 - kSeekLandingSlackMs);

  // Before the start: the slider's leftmost position, one second.
  signals.Forget();
  ASSERT_TRUE(Playerctl({QStringLiteral("position"), QStringLiteral("60-")}).Succeeded());
  EXPECT_EQ(signals.WaitForSeeked(), 1'000'000);
  EXPECT_EQ(w->滑块条1.Position(), 1);

  // A move of the window's slider is announced as well.
  signals.Forget();
  w->滑块条1.SetPosition(12);
  w->滑块条1.onPositionChanged();
  const qint64 moved = signals.WaitForSeeked();
  EXPECT_GE(moved, 12'000'000);
  EXPECT_LT(moved, 13'500'000);
}

}  // namespace
}  // namespace vexo::test

// The player's object answers every message on the bus: what it serves with
// its reply, anything malformed or unsupported with a bus error that names
// the fault, and a request while a message box waits with "busy". The player
// goes on as before after each.
#include <QApplication>
#include <QMessageBox>

#include "desktop/desktop_fixture.h"
#include "desktop/mpris_names.h"
#include "platform/system_text.h"

namespace vexo::test {
namespace {

using MprisProtocol = DesktopPlayerTest;

const QString kPlayer = QStringLiteral("org.mpris.MediaPlayer2.Player");
const QString kRoot = QStringLiteral("org.mpris.MediaPlayer2");
const QString kGet = QStringLiteral("org.freedesktop.DBus.Properties.Get");

QString Member(const QString& interface, const char* member) {
  return interface + QLatin1Char('.') + QLatin1StringView(member);
}

CommandResult GetProperty(const QString& interface, const char* name) {
  return CallPlayer(kGet, {QStringLiteral("string:") + interface,
                           QStringLiteral("string:") + QLatin1StringView(name)});
}

// The call failed with `error` (dbus-send prints its name).
::testing::AssertionResult FailsWith(const CommandResult& r, QLatin1StringView error) {
  if (!r.finished) return ::testing::AssertionFailure() << "no answer";
  if (r.exitCode == 0) return ::testing::AssertionFailure() << "succeeded: " << r.out.toStdString();
  if (!r.err.contains(error))
    return ::testing::AssertionFailure() << "failed otherwise: " << r.err.toStdString();
  return ::testing::AssertionSuccess();
}

TEST_F(MprisProtocol, DescribesItselfAndAnswersItsProperties) {
  const CommandResult xml =
      CallPlayer(QStringLiteral("org.freedesktop.DBus.Introspectable.Introspect"));
  ASSERT_TRUE(xml.Succeeded()) << xml.err.toStdString();
  EXPECT_TRUE(xml.out.contains(QStringLiteral("interface name=\"org.mpris.MediaPlayer2\"")));
  EXPECT_TRUE(xml.out.contains(QStringLiteral("interface name=\"org.mpris.MediaPlayer2.Player\"")));
  EXPECT_TRUE(xml.out.contains(QStringLiteral("Seeked")));

  EXPECT_TRUE(GetProperty(kRoot, "Identity").out.contains(QStringLiteral("\"Vexo\"")));
  EXPECT_TRUE(
      GetProperty(kRoot, "DesktopEntry")
          .out.contains(QLatin1Char('"') + QString(desktop::kDesktopEntryId) + QLatin1Char('"')));
  EXPECT_TRUE(GetProperty(kRoot, "CanRaise").out.contains(QStringLiteral("boolean true")));
  EXPECT_TRUE(GetProperty(kRoot, "CanQuit").out.contains(QStringLiteral("boolean true")));
  EXPECT_TRUE(GetProperty(kRoot, "HasTrackList").out.contains(QStringLiteral("boolean false")));

  const CommandResult all = CallPlayer(QStringLiteral("org.freedesktop.DBus.Properties.GetAll"),
                                       {QStringLiteral("string:") + kPlayer});
  ASSERT_TRUE(all.Succeeded());
  for (const char* name : {"CanGoNext", "CanGoPrevious", "CanPlay", "CanSeek", "CanControl"}) {
    EXPECT_TRUE(GetProperty(kPlayer, name).out.contains(QStringLiteral("boolean true"))) << name;
    EXPECT_TRUE(all.out.contains(QLatin1StringView(name))) << name;
  }
  EXPECT_TRUE(GetProperty(kPlayer, "CanPause").out.contains(QStringLiteral("boolean false")));
  EXPECT_TRUE(GetProperty(kPlayer, "Position").out.contains(QStringLiteral("int64 0")));
}

TEST_F(MprisProtocol, BadRequestsGetBusErrorsAndChangeNothing) {
  using namespace desktop;
  EXPECT_TRUE(FailsWith(CallPlayer(Member(kPlayer, "Seek"), {QStringLiteral("string:far")}),
                        kErrorInvalidArgs));
  EXPECT_TRUE(FailsWith(CallPlayer(Member(kPlayer, "Next"), {QStringLiteral("int32:2")}),
                        kErrorInvalidArgs));
  EXPECT_TRUE(FailsWith(CallPlayer(Member(kPlayer, "Fly")), kErrorUnknownMethod));
  EXPECT_TRUE(
      FailsWith(CallPlayer(QStringLiteral("org.example.Nowhere.Go")), kErrorUnknownInterface));
  EXPECT_TRUE(FailsWith(GetProperty(kPlayer, "Colour"), kErrorUnknownProperty));
  EXPECT_TRUE(FailsWith(GetProperty(QStringLiteral("org.example.Nowhere"), "Colour"),
                        kErrorUnknownInterface));
  EXPECT_TRUE(
      FailsWith(CallPlayer(kGet, {QStringLiteral("string:") + kPlayer}), kErrorInvalidArgs));
  EXPECT_TRUE(FailsWith(
      SetPlayerProperty(QStringLiteral("PlaybackStatus"), QStringLiteral("string:Playing")),
      kErrorReadOnly));
  EXPECT_TRUE(
      FailsWith(CallPlayer(QStringLiteral("org.freedesktop.DBus.Properties.Set"),
                           {QStringLiteral("string:") + kRoot, QStringLiteral("string:Identity"),
                            QStringLiteral("variant:string:Other")}),
                kErrorReadOnly));
  EXPECT_TRUE(FailsWith(SetPlayerProperty(QStringLiteral("LoopStatus"), QStringLiteral("int32:1")),
                        kErrorInvalidArgs));
  EXPECT_TRUE(
      FailsWith(SetPlayerProperty(QStringLiteral("LoopStatus"), QStringLiteral("string:Sometimes")),
                kErrorInvalidArgs));
  EXPECT_TRUE(
      FailsWith(SetPlayerProperty(QStringLiteral("LoopStatus"), QStringLiteral("string:Playlist")),
                kErrorNotSupported));
  EXPECT_TRUE(FailsWith(SetPlayerProperty(QStringLiteral("Shuffle"), QStringLiteral("string:yes")),
                        kErrorInvalidArgs));
  EXPECT_TRUE(FailsWith(SetPlayerProperty(QStringLiteral("Volume"), QStringLiteral("double:0.5")),
                        kErrorNotSupported));
  EXPECT_TRUE(FailsWith(SetPlayerProperty(QStringLiteral("Rate"), QStringLiteral("double:2")),
                        kErrorNotSupported));
  EXPECT_TRUE(FailsWith(
      CallPlayer(Member(kPlayer, "OpenUri"), {QStringLiteral("string:file:///tmp/song.mp3")}),
      kErrorNotSupported));
  // The values the player has anyway are accepted.
  EXPECT_TRUE(SetPlayerProperty(QStringLiteral("Volume"), QStringLiteral("double:1")).Succeeded());
  EXPECT_TRUE(SetPlayerProperty(QStringLiteral("Rate"), QStringLiteral("double:1")).Succeeded());

  // Nothing changed: sequential play, nothing playing.
  EXPECT_TRUE(w->菜单.顺序播放.IsTicked());
  EXPECT_FALSE(w->菜单.单曲循环.IsTicked() || w->菜单.随机播放.IsTicked());
  EXPECT_EQ(Playerctl({QStringLiteral("status")}).out, QStringLiteral("Stopped"));
}

TEST_F(MprisProtocol, StaleSetPositionIsIgnoredWhileTheSongPlaysOn) {
  w->超级列表框1.SetCurrentRow(0);
  w->超级列表框1.onDoubleClick();
  ASSERT_TRUE(StatusBecomes("Playing"));
  ASSERT_TRUE(CallPlayer(Member(kPlayer, "SetPosition"),
                         {QStringLiteral("objpath:/org/example/vexo/song/0"),
                          QStringLiteral("int64:15000000")})
                  .Succeeded());
  // Read after the request was carried out: the song plays on from its start.
  EXPECT_TRUE(GetProperty(kPlayer, "PlaybackStatus").out.contains(QStringLiteral("Playing")));
  EXPECT_LT(w->媒体播放1.GetPositionMs(), 10'000);
  EXPECT_LT(w->滑块条1.Position(), 10);
}

TEST_F(MprisProtocol, WhileAMessageBoxWaitsTheControlsAreBusyButRaiseAnswers) {
  w->超级列表框1.SetCurrentRow(0);
  QMessageBox box(QMessageBox::Information, QStringLiteral("box"), QStringLiteral("waiting"));
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  ASSERT_TRUE(WaitUntil([&] { return QApplication::activeModalWidget() == &box; }));

  EXPECT_TRUE(FailsWith(CallPlayer(Member(kPlayer, "Play")), desktop::kErrorBusy));
  EXPECT_TRUE(
      FailsWith(SetPlayerProperty(QStringLiteral("Shuffle"), QStringLiteral("boolean:true")),
                desktop::kErrorBusy));
  EXPECT_TRUE(CallPlayer(Member(kRoot, "Raise")).Succeeded());
  EXPECT_EQ(w->按钮1.Caption(), Sys("播放"));
  EXPECT_TRUE(w->菜单.顺序播放.IsTicked());

  box.close();
  ASSERT_TRUE(WaitUntil([] { return QApplication::activeModalWidget() == nullptr; }));
  ASSERT_TRUE(CallPlayer(Member(kPlayer, "Play")).Succeeded());
  EXPECT_TRUE(StatusBecomes("Playing"));
}

}  // namespace
}  // namespace vexo::test

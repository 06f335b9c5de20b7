// Installing into a prefix and from the Debian package: the programs with the
// demo library, a desktop entry and metainfo the desktop's own validators
// accept, the icon at every size, a user unit whose command serves a music
// folder, and an installed player that runs from another folder and plays
// from its demo library.
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdlib>

#include "desktop/installed_fixture.h"
#include "e2e/player_fixture.h"
#include "support/ui_wait.h"

namespace vexo::test {
namespace {

constexpr int kServiceDeadlineMs = 120000;
constexpr int kHotChartX = 51;
constexpr int kHotChartY = 150;
const QString kAppId = QStringLiteral(VEXO_APP_ID);

QString Value(const QStringList& lines, const QString& key) {
  for (const QString& line : lines)
    if (line.startsWith(key + QLatin1Char('='))) return line.mid(key.size() + 1);
  return {};
}

TEST_P(Installed, ProgramsDemoLibraryAndDesktopFilesAreInPlaceAndValid) {
  for (const char* program : {"bin/vexo", "bin/vexo-catalogue"})
    EXPECT_TRUE(QFileInfo(Path(QLatin1StringView(program))).isExecutable()) << program;
  EXPECT_TRUE(QFile::exists(Path(QStringLiteral("share/vexo/demo/vexo-catalogue.tsv"))));
  EXPECT_FALSE(QFile::exists(Path(QStringLiteral("share/vexo/demo/generated.stamp"))));

  const QString entry = QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop");
  const CommandResult valid = RunWithEvents(QStringLiteral("desktop-file-validate"), {Path(entry)});
  EXPECT_TRUE(valid.Succeeded() && valid.out.isEmpty()) << valid.out.toStdString();
  const QStringList lines = Lines(entry);
  EXPECT_EQ(Value(lines, QStringLiteral("Exec")), NamedPath(QStringLiteral("bin/vexo")));
  EXPECT_EQ(Value(lines, QStringLiteral("Icon")), kAppId);
  EXPECT_EQ(Value(lines, QStringLiteral("Categories")), QStringLiteral("Audio;AudioVideo;Player;"));
  EXPECT_EQ(Value(lines, QStringLiteral("Name[zh_CN]")), QStringLiteral("Vexo 播放器"));
  EXPECT_FALSE(Value(lines, QStringLiteral("Name")).isEmpty());

  const QString metainfo =
      QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml");
  const CommandResult appstream = RunWithEvents(
      QStringLiteral("appstreamcli"), {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                       QStringLiteral("--pedantic"), Path(metainfo)});
  EXPECT_TRUE(appstream.Succeeded()) << appstream.out.toStdString();
  EXPECT_FALSE(appstream.out.contains(QStringLiteral("P: "))) << appstream.out.toStdString();
  EXPECT_TRUE(
      Lines(metainfo).contains(QStringLiteral("  <id>") + kAppId + QStringLiteral("</id>")));
  EXPECT_TRUE(
      Lines(metainfo)
          .join(QLatin1Char('\n'))
          .contains(QStringLiteral("<release version=\"%1\"").arg(QStringLiteral(VEXO_VERSION))));

  // The note on the teal disc at every size, transparent around the disc.
  for (const QString& size : QStringLiteral(VEXO_APP_ICON_SIZES).split(QLatin1Char(','))) {
    const int n = size.toInt();
    const QImage icon(Path(QStringLiteral("share/icons/hicolor/%1x%1/apps/").arg(n) + kAppId +
                           QStringLiteral(".png")));
    ASSERT_EQ(icon.size(), QSize(n, n)) << n;
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << n;
    const QColor disc = icon.pixelColor(n / 8, n / 2);
    EXPECT_GT(disc.green(), disc.red() + 40) << n;
    EXPECT_GT(disc.blue(), disc.red() + 40) << n;
  }
}

// The unit's command, as systemd runs it for a user whose home is `home`:
// %h and %E, the unit's Environment= and the settings file's lines, then
// ${NAME} as one word and $NAME split into words.
QStringList UnitCommand(const QStringList& unit, const QString& home) {
  auto specifiers = [&](QString text) {
    return text.replace(QStringLiteral("%h"), home)
        .replace(QStringLiteral("%E"), home + QStringLiteral("/.config"));
  };
  QMap<QString, QString> env;
  QString exec;
  for (const QString& line : unit) {
    if (line.startsWith(QStringLiteral("Environment="))) {
      const QString assignment = specifiers(line.mid(12));
      env[assignment.section(QLatin1Char('='), 0, 0)] = assignment.section(QLatin1Char('='), 1);
    } else if (line.startsWith(QStringLiteral("EnvironmentFile=-"))) {
      QFile file(specifiers(line.mid(17)));
      if (file.open(QIODevice::ReadOnly)) {
        for (const QString& setting : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
          if (setting.contains(QLatin1Char('=')))
            env[setting.section(QLatin1Char('='), 0, 0)] = setting.section(QLatin1Char('='), 1);
      }
    } else if (line.startsWith(QStringLiteral("ExecStart="))) {
      exec = specifiers(line.mid(10));
    }
  }
  QStringList words;
  for (const QString& word : exec.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (word.startsWith(QStringLiteral("${")))
      words << env.value(word.mid(2, word.size() - 3));
    else if (word.startsWith(QLatin1Char('$')))
      words << env.value(word.mid(1)).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    else
      words << word;
  }
  return words;
}

TEST_P(Installed, TheUserUnitRunsTheInstalledServiceOverTheMusicFolder) {
  QTemporaryDir home;
  QDir(home.path()).mkpath(QStringLiteral("Music"));
  QDir(home.path()).mkpath(QStringLiteral(".config/vexo"));
  ASSERT_TRUE(QFile::copy(Path(QStringLiteral("share/vexo/demo/10001.mp3")),
                          home.filePath(QStringLiteral("Music/林晓月 - 茉莉花.mp3"))));
  // Any free port instead of the service's own, which may be taken here.
  QFile settings(home.filePath(QStringLiteral(".config/vexo/catalogue.conf")));
  ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
  settings.write("VEXO_CATALOGUE_OPTIONS=--listen 127.0.0.1:0\n");
  settings.close();

  QStringList command =
      UnitCommand(Lines(QStringLiteral("share/systemd/user/vexo-catalogue.service")), home.path());
  ASSERT_FALSE(command.isEmpty());
  EXPECT_EQ(command.front(), NamedPath(QStringLiteral("bin/vexo-catalogue")));
  command.removeFirst();
  QProcess service;
  service.setProcessChannelMode(QProcess::MergedChannels);
  service.start(Path(QStringLiteral("bin/vexo-catalogue")), command);
  QString said;
  EXPECT_TRUE(WaitUntil(
      [&] {
        said += QString::fromUtf8(service.readAll());
        return said.contains(QStringLiteral("library loaded, 1 songs")) &&
               said.contains(QStringLiteral("listening on"));
      },
      kServiceDeadlineMs))
      << said.toStdString();
  EXPECT_TRUE(said.contains(QStringLiteral("(library ") + home.filePath(QStringLiteral("Music"))))
      << said.toStdString();
  service.terminate();
  service.waitForFinished();
}

class InstalledPlayer : public Installed {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY"))
      GTEST_SKIP() << "no X server (run under scripts/with-test-services)";
    if (!SessionBusAnswers())
      GTEST_SKIP() << "no session bus (run under scripts/with-test-services)";
    Installed::SetUp();
  }
};

TEST_P(InstalledPlayer, RunsFromAnotherFolderAndPlaysFromItsDemoLibrary) {
  X11Driver x;
  ASSERT_TRUE(x.Connected());
  QTemporaryDir elsewhere;
  // The singer pictures the player saves go to the test's folder.
  setenv("XDG_CACHE_HOME", qPrintable(elsewhere.filePath(QStringLiteral("cache"))), 1);
  unsetenv("VEXO_SERVICE");
  unsetenv("VEXO_LIBRARY");
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  ChildProcess player(Path(QStringLiteral("bin/vexo")).toStdString(),
                      {.workingDir = elsewhere.path().toStdString()});
  const unsigned long window = x.WaitForWindow(kPlayerWidth, kPlayerHeight, kStartDeadlineMs);
  ASSERT_NE(window, 0u) << "the installed player's window did not show";

  const QRect at = x.Geometry(window);
  ASSERT_TRUE(x.ClickAt(at.x() + kHotChartX, at.y() + kHotChartY));
  ASSERT_TRUE(PlayerctlNextUntilPlaying(kStartDeadlineMs))
      << "the installed player did not play from its demo library";
  EXPECT_FALSE(PlayerctlMetadata(QStringLiteral("xesam:title")).isEmpty());
#ifdef VEXO_PACKAGE_PATH
  // Everything the playing player has loaded, the libraries it opens by name
  // included, comes with the package's dependencies.
  if (GetParam() == InstallRoute::kPackage) {
    EXPECT_EQ(LibrariesTheDependenciesMiss(player.Pid()), QStringList());
  }
#endif
}

INSTANTIATE_TEST_SUITE_P(, Installed, ::testing::ValuesIn(InstallRoutes()), RouteName);
INSTANTIATE_TEST_SUITE_P(, InstalledPlayer, ::testing::ValuesIn(InstallRoutes()), RouteName);

}  // namespace
}  // namespace vexo::test

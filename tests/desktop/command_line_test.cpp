// The installed programs' command lines and manual pages: --help, --version
// and a wrong option answered with no display, sound server or session bus
// to reach, and a manual page for each program that renders without a
// warning and describes every option and variable its help lists.
#include <QRegularExpression>
#include <QSet>

#include "desktop/installed_fixture.h"

namespace vexo::test {
namespace {

constexpr int kManDeadlineMs = 30000;
const QString kPlayer = QStringLiteral("bin/vexo");
const QString kService = QStringLiteral("bin/vexo-catalogue");
const QString kVersion = QStringLiteral(VEXO_VERSION);

using CommandLines = Installed;

TEST_P(CommandLines, HelpAndVersionAnswerOnStandardOutputWithoutADesktop) {
  for (const QString& program : {kPlayer, kService}) {
    const QString name = program.section(QLatin1Char('/'), -1);
    SCOPED_TRACE(name.toStdString());
    const CommandResult help = RunWithoutDesktop(program, {QStringLiteral("--help")});
    EXPECT_TRUE(help.Succeeded()) << help.exitCode << help.err.toStdString();
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version"))) << help.out.toStdString();
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();

    const CommandResult version = RunWithoutDesktop(program, {QStringLiteral("--version")});
    EXPECT_TRUE(version.Succeeded()) << version.exitCode << version.err.toStdString();
    EXPECT_EQ(version.out, name + QLatin1Char(' ') + kVersion);
    EXPECT_TRUE(version.err.isEmpty()) << version.err.toStdString();
  }
  // The player's help names the variables it reads, its short options work.
  const CommandResult help = RunWithoutDesktop(kPlayer, {QStringLiteral("-h")});
  EXPECT_TRUE(help.Succeeded());
  EXPECT_TRUE(help.out.contains(QStringLiteral("VEXO_SERVICE"))) << help.out.toStdString();
  EXPECT_EQ(RunWithoutDesktop(kPlayer, {QStringLiteral("-v")}).out,
            QStringLiteral("vexo ") + kVersion);
}

TEST_P(CommandLines, AWrongCommandLineGivesTheUsageOnStandardErrorAndStatusTwo) {
  const QList<std::pair<QString, QStringList>> wrong{
      {kPlayer, {QStringLiteral("--bogus")}},
      {kPlayer, {QStringLiteral("-platform"), QStringLiteral("xcb")}},
      {kPlayer, {QStringLiteral("song.mp3")}},
      {kPlayer, {QStringLiteral("--help=yes")}},
      {kService, {QStringLiteral("--bogus")}},
      {kService, {QStringLiteral("--listen")}},
  };
  for (const auto& [program, args] : wrong) {
    SCOPED_TRACE((program + QLatin1Char(' ') + args.join(QLatin1Char(' '))).toStdString());
    const CommandResult run = RunWithoutDesktop(program, args);
    EXPECT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 2) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    // The line that names what is wrong, then the usage.
    const QString option = args.front().section(QLatin1Char('='), 0, 0);
    EXPECT_TRUE(run.err.section(QLatin1Char('\n'), 0, 0).contains(option)) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("--help"))) << run.err.toStdString();
  }
}

// The options ("-h", "--library") and environment variables ("VEXO_SERVICE")
// a text names.
QSet<QString> NamedOptionsAndVariables(const QString& text) {
  static const QRegularExpression kName(
      QStringLiteral("(?<![\\w-])(--?[a-z][a-z-]*|[A-Z][A-Z0-9]*_[A-Z0-9_]+)(?![\\w])"));
  QSet<QString> names;
  for (auto it = kName.globalMatch(text); it.hasNext();)
    names.insert(it.next().captured(1));
  return names;
}

// man's own check (with groff's warnings) and the text it renders.
CommandResult RenderManPage(const QString& file, const QString& width, bool checking) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("MANWIDTH"), width);
  environment.insert(QStringLiteral("MANROFFSEQ"), QString());
  environment.insert(QStringLiteral("LC_ALL"),
                     checking ? QStringLiteral("C.UTF-8") : QStringLiteral("C"));
  const QStringList args =
      checking ? QStringList{QStringLiteral("--warnings"),
                             QStringLiteral("-E"),
                             QStringLiteral("UTF-8"),
                             QStringLiteral("-l"),
                             QStringLiteral("-Tutf8"),
                             QStringLiteral("-Z"),
                             file}
               : QStringList{QStringLiteral("--no-hyphenation"),
                             QStringLiteral("--no-justification"), QStringLiteral("-l"), file};
  return RunWithEvents(QStringLiteral("man"), args, kManDeadlineMs, environment);
}

TEST_P(CommandLines, ManualPagesRenderCleanlyAndDescribeEveryOptionOfTheHelp) {
  for (const QString& program : {kPlayer, kService}) {
    const QString name = program.section(QLatin1Char('/'), -1);
    SCOPED_TRACE(name.toStdString());
    const QString page = Path(QStringLiteral("share/man/man1/%1.1.gz").arg(name));
    // As lintian checks it: no warning from man or groff at 80 columns.
    const CommandResult checked = RenderManPage(page, QStringLiteral("80"), true);
    EXPECT_TRUE(checked.Succeeded()) << checked.err.toStdString();
    EXPECT_TRUE(checked.err.isEmpty()) << checked.err.toStdString();

    const CommandResult rendered = RenderManPage(page, QStringLiteral("200"), false);
    ASSERT_TRUE(rendered.Succeeded()) << rendered.err.toStdString();
    EXPECT_TRUE(rendered.out.contains(QStringLiteral("Vexo ") + kVersion));
    const QSet<QString> documented = NamedOptionsAndVariables(rendered.out);
    const CommandResult help = RunWithoutDesktop(program, {QStringLiteral("--help")});
    ASSERT_TRUE(help.Succeeded());
    const QSet<QString> listed = NamedOptionsAndVariables(help.out);
    EXPECT_GE(listed.size(), 3);
    for (const QString& option : listed)
      EXPECT_TRUE(documented.contains(option)) << option.toStdString() << " is not in the manual";
  }
}

INSTANTIATE_TEST_SUITE_P(, CommandLines, ::testing::ValuesIn(InstallRoutes()), RouteName);

}  // namespace
}  // namespace vexo::test

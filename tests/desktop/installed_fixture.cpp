#include "desktop/installed_fixture.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace vexo::test {
namespace {

constexpr int kInstallDeadlineMs = 120000;
constexpr int kProgramDeadlineMs = 30000;
constexpr int kPackageQueryDeadlineMs = 60000;
// Where the package puts what a prefix holds.
const QString kPackagePrefix = QStringLiteral("/usr");

}  // namespace

std::vector<InstallRoute> InstallRoutes() {
#ifdef VEXO_PACKAGE_PATH
  return {InstallRoute::kPrefix, InstallRoute::kPackage};
#else
  return {InstallRoute::kPrefix};
#endif
}

std::string RouteName(const ::testing::TestParamInfo<InstallRoute>& info) {
  return info.param == InstallRoute::kPrefix ? "CMakeInstall" : "DebianPackage";
}

void PrintTo(InstallRoute route, std::ostream* os) {
  *os << RouteName({route, 0});
}

CommandResult InstallInto(const QString& prefix) {
  return RunWithEvents(QStringLiteral(VEXO_CMAKE_COMMAND),
                       {QStringLiteral("--install"), QStringLiteral(VEXO_BUILD_DIR),
                        QStringLiteral("--prefix"), prefix},
                       kInstallDeadlineMs);
}

QStringList FilesUnder(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext())
    files << it.next().mid(folder.size() + 1);
  files.sort();
  return files;
}

#ifdef VEXO_PACKAGE_PATH
QString PackageField(const QString& field) {
  return RunWithEvents(QStringLiteral("dpkg-deb"),
                       {QStringLiteral("--field"), QStringLiteral(VEXO_PACKAGE_PATH), field},
                       kPackageQueryDeadlineMs)
      .out;
}

namespace {

// A package name without its architecture or version ("libc6:amd64 (>= 2)").
QString BarePackageName(const QString& text) {
  return text.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char(':'), 0, 0);
}

// Every package the package's Depends can bring, any of their alternatives
// (and any provider of a virtual package) counted.
QSet<QString> DependencyClosure() {
  const QString depends = PackageField(QStringLiteral("Depends"));
  QStringList args{QStringLiteral("depends"),         QStringLiteral("--recurse"),
                   QStringLiteral("--no-recommends"), QStringLiteral("--no-suggests"),
                   QStringLiteral("--no-conflicts"),  QStringLiteral("--no-breaks"),
                   QStringLiteral("--no-replaces"),   QStringLiteral("--no-enhances")};
  static const QRegularExpression kSeparators(QStringLiteral("[,|]"));
  for (const QString& dependency : depends.split(kSeparators, Qt::SkipEmptyParts))
    args << BarePackageName(dependency);
  const CommandResult tree =
      RunWithEvents(QStringLiteral("apt-cache"), args, kPackageQueryDeadlineMs);
  // Each package apt-cache reaches starts a line of its own.
  QSet<QString> closure;
  for (const QString& line : tree.out.split(QLatin1Char('\n')))
    if (!line.isEmpty() && !line.front().isSpace())
      closure.insert(BarePackageName(line.mid(line.startsWith(QLatin1Char('<')) ? 1 : 0))
                         .remove(QLatin1Char('>')));
  return closure;
}

// The same file by its other name on a merged /usr (/lib/x and /usr/lib/x):
// dpkg knows it by the one its package lists.
QString OtherName(const QString& path) {
  return path.startsWith(QStringLiteral("/usr/")) ? path.mid(4) : QStringLiteral("/usr") + path;
}

}  // namespace

QStringList LibrariesTheDependenciesMiss(qint64 pid) {
  QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
  if (!maps.open(QIODevice::ReadOnly)) return {QStringLiteral("(no /proc/%1/maps)").arg(pid)};
  static const QRegularExpression kLibrary(QStringLiteral("\\s(/\\S+\\.so(\\.[0-9.]+)?)$"));
  QStringList libraries;
  for (const QString& line : QString::fromUtf8(maps.readAll()).split(QLatin1Char('\n'))) {
    const QRegularExpressionMatch match = kLibrary.match(line);
    if (match.hasMatch() && !libraries.contains(match.captured(1))) libraries << match.captured(1);
  }
  QStringList queries;
  for (const QString& library : libraries)
    queries << library << OtherName(library);
  const CommandResult owners = RunWithEvents(
      QStringLiteral("dpkg"), QStringList{QStringLiteral("-S")} + queries, kPackageQueryDeadlineMs);
  // "libqt6gui6:amd64, qt6-qpa-plugins:amd64: /usr/lib/..."
  QMultiHash<QString, QString> packagesOf;
  for (const QString& line : owners.out.split(QLatin1Char('\n'))) {
    const qsizetype colon = line.indexOf(QStringLiteral(": /"));
    if (colon < 0) continue;
    for (const QString& owner : line.left(colon).split(QLatin1Char(',')))
      packagesOf.insert(line.mid(colon + 2), BarePackageName(owner));
  }
  const QSet<QString> closure = DependencyClosure();
  QStringList missed;
  for (const QString& library : libraries) {
    const QStringList packages = packagesOf.values(library) + packagesOf.values(OtherName(library));
    bool brought = false;
    for (const QString& package : packages)
      brought = brought || closure.contains(package);
    if (!brought)
      missed << library + QStringLiteral(" (") + packages.join(QLatin1Char(',')) + QLatin1Char(')');
  }
  return missed;
}
#endif

void Installed::SetUp() {
  ASSERT_TRUE(root.isValid());
  if (GetParam() == InstallRoute::kPrefix) {
    prefix = namedPrefix = root.path();
    const CommandResult install = InstallInto(prefix);
    ASSERT_TRUE(install.Succeeded()) << install.err.toStdString();
    return;
  }
#ifdef VEXO_PACKAGE_PATH
  prefix = root.path() + kPackagePrefix;
  namedPrefix = kPackagePrefix;
  const CommandResult unpack = RunWithEvents(
      QStringLiteral("dpkg-deb"),
      {QStringLiteral("-x"), QStringLiteral(VEXO_PACKAGE_PATH), root.path()}, kInstallDeadlineMs);
  ASSERT_TRUE(unpack.Succeeded()) << unpack.err.toStdString();
#endif
}

QString Installed::Path(const QString& relative) const {
  return prefix + QLatin1Char('/') + relative;
}

QString Installed::NamedPath(const QString& relative) const {
  return namedPrefix + QLatin1Char('/') + relative;
}

QStringList Installed::Lines(const QString& relative) const {
  QFile file(Path(relative));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

CommandResult Installed::RunWithoutDesktop(const QString& program, const QStringList& args) const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name :
       {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
    environment.remove(QLatin1StringView(name));
  return RunWithEvents(Path(program), args, kProgramDeadlineMs, environment);
}

}  // namespace vexo::test

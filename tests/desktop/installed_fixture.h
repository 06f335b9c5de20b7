#pragma once
// What the build installs, reached the two ways a user gets it: `cmake
// --install` into a prefix, and the Debian package unpacked into a throwaway
// root (its files under <root>/usr). The tests of either see the same files
// by the same paths under the prefix ("bin/vexo").
#include <gtest/gtest.h>

#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>
#include <vector>

#include "desktop/bus_client.h"

namespace vexo::test {

enum class InstallRoute { kPrefix, kPackage };
// Test names and failures show the route by name.
void PrintTo(InstallRoute route, std::ostream* os);

// The routes this build can test: the package only where the build makes one.
std::vector<InstallRoute> InstallRoutes();
std::string RouteName(const ::testing::TestParamInfo<InstallRoute>& info);

// `cmake --install` of the build into `prefix`.
CommandResult InstallInto(const QString& prefix);
// The files (and links) under `folder`, as paths relative to it, sorted.
QStringList FilesUnder(const QString& folder);

#ifdef VEXO_PACKAGE_PATH
// A field of the package's control file ("Version").
QString PackageField(const QString& field);
// The shared libraries process `pid` has loaded whose Debian packages the
// package's dependencies do not bring, directly or through their own: what a
// fresh system that installs the package with its dependencies would lack.
QStringList LibrariesTheDependenciesMiss(qint64 pid);
#endif

class Installed : public ::testing::TestWithParam<InstallRoute> {
 protected:
  void SetUp() override;

  // Where the installed file is here, by its path under the prefix.
  QString Path(const QString& relative) const;
  // The path the installed files name it by (/usr/... for the package).
  QString NamedPath(const QString& relative) const;
  // The lines of an installed text file.
  QStringList Lines(const QString& relative) const;
  // Runs an installed program (by its path under the prefix) with no display,
  // no sound server and no session bus to reach.
  CommandResult RunWithoutDesktop(const QString& program, const QStringList& args) const;

  QTemporaryDir root;
  QString prefix;
  QString namedPrefix;
};

}  // namespace vexo::test

// The Debian package against `cmake --install`: the same files under /usr as
// under a prefix, and the version the project gives. (That its dependencies
// bring every library the player loads is checked where the packaged player
// plays, in install_test.cpp.)
#include "desktop/installed_fixture.h"

namespace vexo::test {
namespace {

class Package : public Installed {};

TEST_P(Package, HoldsWhatCMakeInstallsUnderUsrAtTheProjectsVersion) {
  QTemporaryDir other;
  ASSERT_TRUE(other.isValid());
  const CommandResult install = InstallInto(other.path());
  ASSERT_TRUE(install.Succeeded()) << install.err.toStdString();
  const QStringList packaged = FilesUnder(prefix);
  EXPECT_EQ(packaged, FilesUnder(other.path()));
  // Nothing outside /usr.
  EXPECT_EQ(FilesUnder(root.path()).size(), packaged.size());

  EXPECT_EQ(PackageField(QStringLiteral("Package")), QStringLiteral("vexo"));
  EXPECT_EQ(PackageField(QStringLiteral("Version")), QStringLiteral(VEXO_VERSION));
}

INSTANTIATE_TEST_SUITE_P(, Package, ::testing::Values(InstallRoute::kPackage), RouteName);

}  // namespace
}  // namespace vexo::test

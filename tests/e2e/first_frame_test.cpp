// The player's first frame is its whole skinned window: what it draws first
// is what it goes on showing, never a bare or half-built window that the
// skin or the work after the first frame would change.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "e2e/player_fixture.h"

namespace vexo::test {
namespace {

class FirstFrame : public PlayerTest {
 protected:
  FirstFrame() {
    setenv("VEXO_STARTUP_PROBE", "1", 1);
    options.outputFile = folder.filePath(QStringLiteral("player.log")).toStdString();
  }
  ~FirstFrame() override { unsetenv("VEXO_STARTUP_PROBE"); }

  bool FirstPaintReported() {
    QFile log(QString::fromStdString(options.outputFile));
    return log.open(QIODevice::ReadOnly) && log.readAll().contains("vexo-first-paint");
  }

  QTemporaryDir folder;
};

TEST_F(FirstFrame, IsTheCompleteSkinnedWindow) {
  ASSERT_TRUE(x.WaitFor([&] { return FirstPaintReported(); }, kStartDeadlineMs));
  const QImage first = x.Screenshot(window);
  ASSERT_FALSE(first.isNull());
  first.save(QStringLiteral(VEXO_SCREENSHOT_DIR "/first_frame.png"));

  // The window once it has settled: two screenshots in a row alike, with the
  // embedded service, the network and media libraries started behind it.
  QImage settled = first;
  ASSERT_TRUE(x.WaitFor(
      [&] {
        const QImage next = x.Screenshot(window);
        const bool same = next == settled;
        settled = next;
        return same;
      },
      kStartDeadlineMs));
  int differing = 0;
  for (int y = 0; y < first.height(); ++y) {
    for (int px = 0; px < first.width(); ++px) {
      if (first.pixel(px, y) != settled.pixel(px, y)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0) << "the first frame differs from the settled window in " << differing
                          << " pixels (build/screenshots/first_frame.png)";
}

}  // namespace
}  // namespace vexo::test

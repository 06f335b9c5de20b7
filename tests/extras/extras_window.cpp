#include "extras_window.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <thread>

#include "support/ui_wait.h"

namespace vexo::test {

namespace {
constexpr int kEventSliceMs = 20;
}  // namespace

ExtrasWindow::ExtrasWindow()
    : 主窗口("主窗口", 392, 622),
      选择框2("选择框2", 主窗口.Frame()),
      分组框2("分组框2", 主窗口.Frame()),
      透明标签4("透明标签4", 分组框2.Widget()),
      时钟2("时钟2"),
      超级列表框1("超级列表框1", 主窗口.Frame(),
                  {{"n", 60}, {"name", 230}, {"singer", 60}, {"id", 0}, {"url", 0}}),
      图片框1("图片框1", 主窗口.Frame()),
      媒体播放1(engine) {}

int ExtrasWindow::AddRow(const Text& name, const Text& singer, const Text& id, const Text& url) {
  const int row = 超级列表框1.InsertRow();
  超级列表框1.SetCell(row, 0, std::to_string(row + 1));
  超级列表框1.SetCell(row, 1, name);
  超级列表框1.SetCell(row, 2, singer);
  超级列表框1.SetCell(row, 3, id);
  超级列表框1.SetCell(row, 4, url);
  return row;
}

LyricsView ExtrasWindow::Lyrics() {
  return {主窗口, 选择框2, 透明标签4, 时钟2, 超级列表框1, 媒体播放1};
}

PictureView ExtrasWindow::Picture() {
  return {超级列表框1, 图片框1};
}

DownloadView ExtrasWindow::Download() {
  return {超级列表框1};
}

bool RunOnWorker(const std::function<void()>& work) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    work();
    done = true;
  });
  const bool ended = WaitUntil([&] { return done.load(); });
  // A late worker may still wait for this thread: keep serving it until it
  // ends, so the join cannot hang.
  while (!done)
    QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMs);
  worker.join();
  return ended;
}

ByteSet PngPicture(unsigned rgb, int size) {
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(rgb));
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return ByteSet(data.begin(), data.end());
}

}  // namespace vexo::test

#pragma once
// Driving a program's windows on an X server the way a user would, for the
// whole-program tests: finding windows, screenshots, the window manager's
// close request, keys and clicks (through xdotool).
#include <sys/types.h>

#include <QImage>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

struct _XDisplay;  // Xlib's display

namespace vexo::test {

class X11Driver {
 public:
  X11Driver();  // connects to $DISPLAY
  ~X11Driver();
  bool Connected() const { return display_ != nullptr; }

  struct TopWindow {
    unsigned long id;
    QRect geometry;
  };
  // The mapped top-level windows (children of the root), bottom to top.
  std::vector<TopWindow> MappedWindows();
  // Waits until a mapped window of this size exists; 0 when none came in time.
  unsigned long WaitForWindow(int width, int height, int deadlineMs);
  // Waits until a mapped window other than `except` exists.
  unsigned long WaitForOtherWindow(unsigned long except, int deadlineMs);
  bool IsMapped(unsigned long window);
  // Waits until a pop-up (a mapped override-redirect window: a menu, a
  // tool tip) shows; 0 when none came in time.
  unsigned long WaitForPopup(int deadlineMs);
  // Polls `condition` until it holds or the deadline passes.
  bool WaitFor(const std::function<bool()>& condition, int deadlineMs);

  QImage Screenshot(unsigned long window);
  // The WM_DELETE_WINDOW client message a window manager sends for Alt+F4.
  void RequestClose(unsigned long window);
  // Gives `window` the keyboard focus and types the key (an xdotool key name).
  bool PressKey(unsigned long window, const std::string& key);
  // Moves the pointer to (x, y) of the root and clicks `button` (1 left, 3
  // right) `count` times.
  bool ClickAt(int x, int y, int button = 1, int count = 1);
  // Types the keys (xdotool key names, separated by spaces) to whatever has
  // the keyboard now, such as an open menu.
  bool TypeKeys(const std::string& keys);
  // Moves the pointer to (x, y) of the root.
  bool MovePointer(int x, int y);
  // Presses the left button at (x1, y1) of the root, moves the pointer in small
  // steps to (x2, y2) and releases it there.
  bool DragFromTo(int x1, int y1, int x2, int y2);
  // The window's place and size on the root; empty when it is not mapped.
  QRect Geometry(unsigned long window);
  // Maps a plain window of this test over `area`, above all others, as another
  // program's window would lie over the player; 0 when it cannot be made.
  unsigned long CoverWith(const QRect& area);
  void DestroyCover(unsigned long cover);
  // True when both are mapped and `upper` lies above `lower`.
  bool IsAbove(unsigned long upper, unsigned long lower);

 private:
  ::_XDisplay* display_;
};

// How a program is started: the folder it starts in (empty: the test's) and a
// file that takes its standard output and error (empty: the test's own).
struct ChildOptions {
  std::string workingDir;
  std::string outputFile;
};

// Runs a program in the background; the tests wait for it with a deadline.
class ChildProcess {
 public:
  explicit ChildProcess(const std::string& path, const ChildOptions& options = {});
  ~ChildProcess();  // kills the program when it still runs
  pid_t Pid() const { return pid_; }
  bool IsRunning();
  // Waits until the program ended; false when it still ran at the deadline.
  bool WaitForExit(int deadlineMs, int* status);

 private:
  pid_t pid_ = -1;
};

}  // namespace vexo::test

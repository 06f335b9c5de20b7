#include "e2e/x11_driver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace vexo::test {
namespace {

using Clock = std::chrono::steady_clock;

// Polling interval while waiting for a condition with a deadline.
constexpr auto kPoll = std::chrono::milliseconds(20);

bool Expired(Clock::time_point start, int deadlineMs) {
  return Clock::now() - start > std::chrono::milliseconds(deadlineMs);
}

}  // namespace

X11Driver::X11Driver() : display_(XOpenDisplay(nullptr)) {}

X11Driver::~X11Driver() {
  if (display_) XCloseDisplay(display_);
}

std::vector<X11Driver::TopWindow> X11Driver::MappedWindows() {
  std::vector<TopWindow> out;
  Window root = DefaultRootWindow(display_);
  Window rootReturn = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display_, root, &rootReturn, &parent, &children, &count)) return out;
  for (unsigned int i = 0; i < count; ++i) {
    XWindowAttributes attrs;
    if (!XGetWindowAttributes(display_, children[i], &attrs)) continue;
    if (attrs.map_state != IsViewable || attrs.override_redirect) continue;
    out.push_back({children[i], QRect(attrs.x, attrs.y, attrs.width, attrs.height)});
  }
  if (children) XFree(children);
  return out;
}

unsigned long X11Driver::WaitForWindow(int width, int height, int deadlineMs) {
  auto start = Clock::now();
  while (!Expired(start, deadlineMs)) {
    for (const auto& w : MappedWindows())
      if (w.geometry.width() == width && w.geometry.height() == height) return w.id;
    std::this_thread::sleep_for(kPoll);
  }
  return 0;
}

unsigned long X11Driver::WaitForOtherWindow(unsigned long except, int deadlineMs) {
  auto start = Clock::now();
  while (!Expired(start, deadlineMs)) {
    for (const auto& w : MappedWindows())
      if (w.id != except) return w.id;
    std::this_thread::sleep_for(kPoll);
  }
  return 0;
}

unsigned long X11Driver::WaitForPopup(int deadlineMs) {
  auto start = Clock::now();
  const Window root = DefaultRootWindow(display_);
  while (!Expired(start, deadlineMs)) {
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    unsigned long popup = 0;
    if (XQueryTree(display_, root, &rootReturn, &parent, &children, &count)) {
      for (unsigned int i = 0; i < count && popup == 0; ++i) {
        XWindowAttributes attrs;
        if (XGetWindowAttributes(display_, children[i], &attrs) && attrs.map_state == IsViewable &&
            attrs.override_redirect) {
          popup = children[i];
        }
      }
      if (children) XFree(children);
    }
    if (popup != 0) return popup;
    std::this_thread::sleep_for(kPoll);
  }
  return 0;
}

bool X11Driver::IsMapped(unsigned long window) {
  for (const auto& w : MappedWindows())
    if (w.id == window) return true;
  return false;
}

bool X11Driver::WaitFor(const std::function<bool()>& condition, int deadlineMs) {
  auto start = Clock::now();
  while (!condition()) {
    if (Expired(start, deadlineMs)) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

QImage X11Driver::Screenshot(unsigned long window) {
  XWindowAttributes attrs;
  if (!XGetWindowAttributes(display_, window, &attrs)) return {};
  XImage* image = XGetImage(display_, window, 0, 0, static_cast<unsigned>(attrs.width),
                            static_cast<unsigned>(attrs.height), AllPlanes, ZPixmap);
  if (!image) return {};
  QImage out(attrs.width, attrs.height, QImage::Format_RGB32);
  for (int y = 0; y < attrs.height; ++y)
    for (int x = 0; x < attrs.width; ++x)
      out.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xFF000000u);
  XDestroyImage(image);
  return out;
}

void X11Driver::RequestClose(unsigned long window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display_, window, False, NoEventMask, &event);
  XFlush(display_);
}

bool X11Driver::PressKey(unsigned long window, const std::string& key) {
  std::string cmd = "xdotool windowfocus --sync " + std::to_string(window) + " key " + key;
  return std::system(cmd.c_str()) == 0;
}

bool X11Driver::ClickAt(int x, int y, int button, int count) {
  std::string cmd = "xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y) +
                    " click --repeat " + std::to_string(count) + " " + std::to_string(button);
  return std::system(cmd.c_str()) == 0;
}

bool X11Driver::TypeKeys(const std::string& keys) {
  std::string cmd = "xdotool key " + keys;
  return std::system(cmd.c_str()) == 0;
}

bool X11Driver::MovePointer(int x, int y) {
  std::string cmd = "xdotool mousemove --sync " + std::to_string(x) + " " + std::to_string(y);
  return std::system(cmd.c_str()) == 0;
}

bool X11Driver::DragFromTo(int x1, int y1, int x2, int y2) {
  constexpr int kSteps = 8;
  std::string cmd =
      "xdotool mousemove --sync " + std::to_string(x1) + " " + std::to_string(y1) + " mousedown 1";
  for (int i = 1; i <= kSteps; ++i) {
    cmd += " mousemove --sync " + std::to_string(x1 + (x2 - x1) * i / kSteps) + " " +
           std::to_string(y1 + (y2 - y1) * i / kSteps);
  }
  cmd += " mouseup 1";
  return std::system(cmd.c_str()) == 0;
}

QRect X11Driver::Geometry(unsigned long window) {
  for (const auto& w : MappedWindows())
    if (w.id == window) return w.geometry;
  return {};
}

unsigned long X11Driver::CoverWith(const QRect& area) {
  Window root = DefaultRootWindow(display_);
  Window cover =
      XCreateSimpleWindow(display_, root, area.x(), area.y(), static_cast<unsigned>(area.width()),
                          static_cast<unsigned>(area.height()), 0, 0, 0);
  if (!cover) return 0;
  XMapRaised(display_, cover);
  XSync(display_, False);
  return cover;
}

void X11Driver::DestroyCover(unsigned long cover) {
  XDestroyWindow(display_, cover);
  XSync(display_, False);
}

bool X11Driver::IsAbove(unsigned long upper, unsigned long lower) {
  int upperIndex = -1;
  int lowerIndex = -1;
  const auto windows = MappedWindows();
  for (int i = 0; i < static_cast<int>(windows.size()); ++i) {
    if (windows[i].id == upper) upperIndex = i;
    if (windows[i].id == lower) lowerIndex = i;
  }
  return upperIndex >= 0 && lowerIndex >= 0 && upperIndex > lowerIndex;
}

ChildProcess::ChildProcess(const std::string& path, const ChildOptions& options) {
  char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!options.workingDir.empty())
    posix_spawn_file_actions_addchdir_np(&actions, options.workingDir.c_str());
  if (!options.outputFile.empty()) {
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, options.outputFile.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  }
  if (posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv, environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

bool ChildProcess::IsRunning() {
  if (pid_ <= 0) return false;
  int st = 0;
  if (waitpid(pid_, &st, WNOHANG) == pid_) {
    pid_ = -1;
    return false;
  }
  return true;
}

bool ChildProcess::WaitForExit(int deadlineMs, int* status) {
  auto start = Clock::now();
  while (pid_ > 0) {
    int st = 0;
    pid_t r = waitpid(pid_, &st, WNOHANG);
    if (r == pid_) {
      pid_ = -1;
      if (status) *status = st;
      return true;
    }
    if (Expired(start, deadlineMs)) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return false;
}

}  // namespace vexo::test

// Folder watching over Linux's inotify: one watch per folder of the tree,
// and a thread that reads the events and adds watches for new folders.
#include <fcntl.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <thread>
#include <unordered_map>

#include "service/folder_watch.h"

namespace vexo::service {

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kWatchedEvents = IN_CREATE | IN_DELETE | IN_CLOSE_WRITE | IN_MOVED_FROM |
                                         IN_MOVED_TO | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr std::size_t kEventBufferBytes = 64 * 1024;

class InotifyWatch : public FolderWatch {
 public:
  InotifyWatch(int events, int wake, std::function<void()> changed)
      : events_(events), wake_(wake), changed_(std::move(changed)) {}

  ~InotifyWatch() override {
    stopping_ = true;
    const char byte = 0;
    [[maybe_unused]] const auto written = write(wake_write_, &byte, 1);
    if (thread_.joinable()) thread_.join();
    close(events_);
    close(wake_);
    close(wake_write_);
  }

  void Start(int wake_write) {
    wake_write_ = wake_write;
    thread_ = std::thread([this] { Run(); });
  }

  // Watches `dir` and the folders under it.
  void AddTree(const fs::path& dir) {
    AddOne(dir);
    std::error_code ec;
    for (fs::recursive_directory_iterator
             it(dir, fs::directory_options::skip_permission_denied, ec),
         end;
         !ec && it != end; it.increment(ec)) {
      std::error_code type_ec;
      if (it->is_directory(type_ec)) AddOne(it->path());
    }
  }

  bool AddOne(const fs::path& dir) {
    const int handle = inotify_add_watch(events_, dir.c_str(), kWatchedEvents);
    if (handle < 0) return false;
    folders_[handle] = dir;
    return true;
  }

 private:
  void Run() {
    alignas(inotify_event) char buffer[kEventBufferBytes];
    pollfd sources[2] = {{events_, POLLIN, 0}, {wake_, POLLIN, 0}};
    while (!stopping_) {
      if (poll(sources, 2, -1) < 0) {
        if (errno == EINTR) continue;
        return;
      }
      if (stopping_) return;
      bool any = false;
      while (true) {
        const auto got = read(events_, buffer, sizeof buffer);
        if (got <= 0) break;
        for (std::size_t at = 0; at < static_cast<std::size_t>(got);) {
          const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
          at += sizeof(inotify_event) + event->len;
          any = true;
          if (event->mask & IN_IGNORED) {
            folders_.erase(event->wd);
            continue;
          }
          const bool new_folder =
              (event->mask & IN_ISDIR) && (event->mask & (IN_CREATE | IN_MOVED_TO));
          const auto folder = folders_.find(event->wd);
          if (new_folder && folder != folders_.end() && event->len > 0) {
            AddTree(folder->second / event->name);
          }
        }
      }
      if (any) changed_();
    }
  }

  int events_;
  int wake_;
  int wake_write_ = -1;
  std::function<void()> changed_;
  std::unordered_map<int, fs::path> folders_;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace

std::unique_ptr<FolderWatch> WatchFolder(const fs::path& folder, std::function<void()> changed,
                                         std::string& problem) {
  const int events = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (events < 0) {
    problem = std::string("cannot watch folders: ") + std::strerror(errno);
    return nullptr;
  }
  int wake[2];
  if (pipe2(wake, O_CLOEXEC) != 0) {
    problem = std::string("cannot watch folders: ") + std::strerror(errno);
    close(events);
    return nullptr;
  }
  auto watch = std::make_unique<InotifyWatch>(events, wake[0], std::move(changed));
  if (!watch->AddOne(folder)) {
    problem = "cannot watch " + folder.string() + ": " + std::strerror(errno);
    close(wake[1]);
    return nullptr;  // the watch closes the other descriptors
  }
  watch->AddTree(folder);
  watch->Start(wake[1]);
  return watch;
}

}  // namespace vexo::service

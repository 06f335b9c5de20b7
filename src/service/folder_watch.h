#pragma once
// Watching a music folder for changes while the service runs. This is the
// one seam to the platform's change notification: each platform has its own
// file that implements WatchFolder (folder_watch_inotify.cpp on Linux).
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace vexo::service {

class FolderWatch {
 public:
  virtual ~FolderWatch() = default;
};

// Watches `folder` and every folder under it, now and later made; calls
// `changed` on a thread of the watch each time something in them is made,
// written, moved or removed. Stops when the returned object goes. Gives
// nothing, with `problem` set, when the folder cannot be watched.
std::unique_ptr<FolderWatch> WatchFolder(const std::filesystem::path& folder,
                                         std::function<void()> changed, std::string& problem);

}  // namespace vexo::service

#include "process_stats.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

namespace vexo::soak {

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

ThreadTimes MainThreadTimes(pid_t pid) {
  const std::string id = std::to_string(pid);
  std::ifstream in("/proc/" + id + "/task/" + id + "/schedstat");
  ThreadTimes times;
  in >> times.onCpu >> times.runQueue;
  return times;
}

std::set<int> SoundStreams(pid_t pid) {
  std::set<int> streams;
  std::unique_ptr<FILE, int (*)(FILE*)> list(popen("pactl list sink-inputs 2>/dev/null", "r"),
                                             pclose);
  if (!list) return streams;
  const std::string owner = "application.process.id = \"" + std::to_string(pid) + "\"";
  char buffer[512];
  int current = -1;
  while (std::fgets(buffer, sizeof buffer, list.get())) {
    const std::string line(buffer);
    if (line.rfind("Sink Input #", 0) == 0) current = std::stoi(line.substr(12));
    if (line.find(owner) != std::string::npos && current >= 0) streams.insert(current);
  }
  return streams;
}

}  // namespace vexo::soak

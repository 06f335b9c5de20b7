#pragma once
// What a soak run reads about a running program from /proc and the sound
// server: its resident memory, how its main thread spent its time, and
// whether it has a sound stream open.
#include <sys/types.h>

#include <cstdint>
#include <set>

namespace vexo::soak {

// Resident memory of the process in KiB; -1 when it cannot be read.
long ResidentKiB(pid_t pid);

// Scheduler times of the process's main thread (the user-interface thread of
// a Qt program), in nanoseconds since it started.
struct ThreadTimes {
  std::uint64_t onCpu = 0;     // running
  std::uint64_t runQueue = 0;  // ready to run but waiting for a processor
};
ThreadTimes MainThreadTimes(pid_t pid);

// Indices of the sound server's streams (sink inputs) the process has open.
std::set<int> SoundStreams(pid_t pid);

}  // namespace vexo::soak

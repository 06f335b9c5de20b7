#pragma once
// How many heaps the C library keeps for a long-running player. Threads come
// and go with every song (the media engine starts its own for each medium);
// by default the C library may give each new thread a heap of its own, up to
// eight per processor, and memory freed in one stays with it, so the
// player's resident memory grew by about a megabyte a minute while it
// played. One heap for all threads lets freed memory be used again; the
// player's threads allocate little, so they hardly ever wait for each other.

namespace vexo {

inline constexpr int kHeapArenas = 1;

// Limits the heaps to kHeapArenas. Call first thing in main, before any
// thread starts. Does nothing where the C library has no such setting.
void LimitHeapArenas();

}  // namespace vexo

#pragma once
// The real player's window as whole-program runs find it.

namespace vexo::test {

inline constexpr int kPlayerWidth = 392;
inline constexpr int kPlayerHeight = 622;
// How long the player may take from its start to its shown window.
inline constexpr int kStartDeadlineMs = 20000;

}  // namespace vexo::test

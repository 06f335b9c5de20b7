#pragma once
// Key codes as the player's handlers know them (the platform's virtual-key
// numbers: Enter is 13, the arrows 37 to 40, letters their capital ASCII code).
namespace vexo {

inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

// The key code of a Qt key (Qt::Key); 0 for keys without one.
int KeyCodeFromQtKey(int qtKey);

}  // namespace vexo

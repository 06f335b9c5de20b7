#pragma once
// The player in the desktop session: one player per session, driven by the
// desktop's media controls through the same controls as at the window.

#include <optional>

namespace vexo {

class MainWindow;

// Joins the desktop session before the window exists. When another player
// already runs in the session, it is asked to show its window and the answer
// is the status this start ends with: 0 once it has, 1 when it did not answer.
// Otherwise (this is the session's player, or there is no session bus) nothing.
std::optional<int> JoinDesktopSession();

// The desktop's media controls drive the player's window from now on; the
// exit routine takes the player off the bus again.
void PublishOnDesktop(MainWindow& w);

// Takes the player off the session bus: its object goes and its name is free.
void LeaveDesktopSession();

}  // namespace vexo

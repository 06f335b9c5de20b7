#pragma once
// One player per desktop session: the first to start owns the player's
// well-known name on the session bus; a later start asks it to show its
// window and ends.
#include <QDBusConnection>

namespace vexo::desktop {

enum class InstanceClaim {
  kOwned,        // this player owns the name: it is the session's player
  kOtherRaised,  // another player owns it and has shown its window
  kOtherSilent,  // another owner did not answer, or the bus refused the name
};

// How long a later start waits for the running player to answer.
inline constexpr int kRaiseTimeoutMs = 10000;
// How often the name is claimed again when its owner ends meanwhile.
inline constexpr int kClaimAttempts = 3;

// Claims kMprisBusName on `bus` without queueing for it. When another player
// owns it, asks that player to raise its window; should that player have ended
// meanwhile, claims the name again.
InstanceClaim ClaimPlayerName(const QDBusConnection& bus);

}  // namespace vexo::desktop

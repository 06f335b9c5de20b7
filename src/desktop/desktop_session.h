#pragma once
// The player in the desktop session, over the session bus: one player per
// session, and the media controls of the desktop (MPRIS) driving it. Without a
// session bus the player runs on its own and says nothing about it.
#include <QDBusConnection>
#include <memory>

#include "desktop/desktop_view.h"
#include "desktop/single_instance.h"

namespace vexo::desktop {

class MprisObject;

class DesktopSession {
 public:
  enum class Outcome {
    kNoSessionBus,  // no bus: run as a player on its own
    kFirst,         // this is the session's player
    kOtherRaised,   // another player runs and has shown its window: end
    kOtherSilent,   // another player holds the name but did not answer
  };

  // Tells the window system which desktop entry the player's windows belong
  // to, connects to the session bus, puts the player's object there and claims
  // the player's name, all before the window exists. Needs the application
  // object.
  DesktopSession();
  // Takes the object off the bus and gives the name up.
  ~DesktopSession();
  DesktopSession(const DesktopSession&) = delete;
  DesktopSession& operator=(const DesktopSession&) = delete;

  Outcome outcome() const { return outcome_; }

  // From now on the desktop's media controls drive the player through `view`
  // (only for the session's player).
  void Attach(DesktopView view);

 private:
  Outcome outcome_ = Outcome::kNoSessionBus;
  std::unique_ptr<MprisObject> object_;
};

// The folder the singer pictures for the media controls go to: "singer-pictures"
// in the player's cache folder.
QString ArtFolder();

}  // namespace vexo::desktop

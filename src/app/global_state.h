#pragma once
// The player's global state: created at start-up before the window exists and
// released by the exit routine.
#include <memory>

#include "app/embedded_service.h"
#include "playback/player_view.h"

namespace vexo {

struct GlobalState {
  // The catalogue service every endpoint points at; started before the window.
  CatalogueConnection catalogue;
  PlaybackState playback;  // CurrentSongIndex, CurrentSongUrl
};

// The one instance; null before start-up and after the exit routine.
GlobalState* Globals();
void CreateGlobals();

}  // namespace vexo

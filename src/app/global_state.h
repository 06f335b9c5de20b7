#pragma once
// The player's global state: created at start-up before the window exists and
// released by the exit routine.
#include <memory>

#include "app/embedded_service.h"
#include "catalogue/catalogue_view.h"
#include "extras/extras_state.h"
#include "net/regex_matcher.h"
#include "playback/player_view.h"

namespace vexo {

struct GlobalState {
  GlobalState();
  // The catalogue service every endpoint points at; started before the window.
  CatalogueConnection service;
  // The one pattern object.
  RegexMatcher SongRegex;
  PlaybackState playback;    // CurrentSongIndex, CurrentSongUrl
  CatalogueState catalogue;  // ChartUrl, ResponseText, the endpoints
  ExtrasState extras;        // LyricLines, the lyrics-and-picture host
};

// The one instance; null before start-up and after the exit routine.
GlobalState* Globals();
void CreateGlobals();

}  // namespace vexo

#pragma once
// Appending the songs of a chart or search answer to the song list, one row
// per record, pausing after each row while the window keeps working.
#include "catalogue/catalogue_view.h"

namespace vexo {

// The song list's columns the catalogue fills besides those play control
// reads (name 1, singer 2, URL 4).
inline constexpr int kSongColumnNumber = 0;
inline constexpr int kSongColumnId = 3;

// Applies the song pattern to `s.ResponseText` with `s.SongRegex` and appends
// one row per match: number (the row count after the insert), name, singer,
// identifier and URL, then pauses `s.rowDelayMs` while processing events.
// Returns the number of matches. The matches are taken before the first
// pause; an append requested while another one runs is queued and follows it
// once it ends, so neither list is cut up or loses rows.
int AppendSongRows(ListView& 超级列表框1, CatalogueState& s);

}  // namespace vexo

#pragma once
// Melodies written in numbered musical notation (jianpu), the way Chinese
// song books print them, turned into timed notes.
//
// Tokens are separated by spaces: "1" to "7" are the scale degrees of the
// key, "0" a rest; a leading "#" or "b" raises or lowers a semitone; each "'"
// after the digit lifts an octave, each "," lowers one. A note lasts one beat;
// each "_" after it halves that, a "." adds half again. A "-" holds the note
// before it one beat longer. "|" (bar line) is ignored. "/" marks the start of
// a lyric phrase at the next note.
#include <string>
#include <string_view>
#include <vector>

namespace vexo::service::demo {

struct Note {
  // MIDI note number; -1 for a rest.
  int pitch = -1;
  double beats = 1.0;
  // A lyric line starts with this note.
  bool phrase_start = false;
};

// The notes of `score` in the key whose degree 1 is the MIDI note `tonic`.
// Returns an empty list and sets `error` when a token is not understood.
std::vector<Note> ParseScore(std::string_view score, int tonic, std::string& error);

}  // namespace vexo::service::demo

#pragma once
// Catalogue answers as they arrive: song records with their Chinese written
// as \u escapes and slashes as \/ (UTF-8, ASCII only).
#include <string>

#include "song_answer.h"

namespace vexo::bench {

// The records of SongAnswer(count) escaped the way the catalogue escapes them.
std::string EscapedSongAnswer(int count);

// Whole records up to at least `bytes` bytes of escaped answer.
std::string EscapedAnswerOfSize(std::size_t bytes);

}  // namespace vexo::bench

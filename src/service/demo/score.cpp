#include "service/demo/score.h"

namespace vexo::service::demo {

namespace {

// Semitones above the tonic of the major scale degrees 1 to 7.
constexpr int kDegreeSemitones[] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kOctave = 12;

std::vector<std::string_view> Tokens(std::string_view score) {
  std::vector<std::string_view> tokens;
  std::size_t pos = 0;
  while (pos < score.size()) {
    while (pos < score.size() && (score[pos] == ' ' || score[pos] == '\n'))
      ++pos;
    const auto start = pos;
    while (pos < score.size() && score[pos] != ' ' && score[pos] != '\n')
      ++pos;
    if (pos > start) tokens.push_back(score.substr(start, pos - start));
  }
  return tokens;
}

bool ParseNote(std::string_view token, int tonic, Note& note) {
  std::size_t i = 0;
  int accidental = 0;
  if (token[i] == '#' || token[i] == 'b') {
    accidental = token[i] == '#' ? 1 : -1;
    ++i;
  }
  if (i >= token.size() || token[i] < '0' || token[i] > '7') return false;
  const int degree = token[i++] - '0';
  int octave = 0;
  double beats = 1.0;
  for (; i < token.size(); ++i) {
    switch (token[i]) {
      case '\'':
        ++octave;
        break;
      case ',':
        --octave;
        break;
      case '_':
        beats /= 2;
        break;
      case '.':
        beats *= 1.5;
        break;
      default:
        return false;
    }
  }
  note.beats = beats;
  note.pitch =
      degree == 0 ? -1 : tonic + kDegreeSemitones[degree - 1] + accidental + octave * kOctave;
  return true;
}

}  // namespace

std::vector<Note> ParseScore(std::string_view score, int tonic, std::string& error) {
  std::vector<Note> notes;
  bool phrase_pending = false;
  for (const auto token : Tokens(score)) {
    if (token == "|") continue;
    if (token == "/") {
      phrase_pending = true;
      continue;
    }
    if (token == "-") {
      if (notes.empty()) {
        error = "a hold before any note";
        return {};
      }
      notes.back().beats += 1.0;
      continue;
    }
    Note note;
    if (!ParseNote(token, tonic, note)) {
      error = "cannot read the token \"" + std::string(token) + "\"";
      return {};
    }
    note.phrase_start = phrase_pending && note.pitch >= 0;
    if (note.phrase_start) phrase_pending = false;
    notes.push_back(note);
  }
  return notes;
}

}  // namespace vexo::service::demo

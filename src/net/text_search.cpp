#include "net/text_search.h"

#include "platform/codepage.h"

namespace vexo {
namespace {

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when `needle` stands at byte `pos` of `text`. Only the single-byte
// characters of the needle are folded, so a trail byte that happens to be a
// letter inside a Chinese character is always compared exactly.
bool MatchesAt(std::string_view text, std::size_t pos, std::string_view needle, bool ignoreCase) {
  if (text.size() - pos < needle.size()) return false;
  if (!ignoreCase) return text.compare(pos, needle.size(), needle) == 0;
  std::size_t i = 0;
  while (i < needle.size()) {
    std::size_t len = CharLength(needle.data() + i, needle.size() - i);
    if (len == 1) {
      if (FoldAscii(text[pos + i]) != FoldAscii(needle[i])) return false;
    } else if (text.compare(pos + i, len, needle.substr(i, len)) != 0) {
      return false;
    }
    i += len;
  }
  return true;
}

// Byte offsets where a case-insensitive match may start: the needle's first
// byte in either case.
std::size_t NextCandidate(std::string_view text, char first, std::size_t from, bool ignoreCase) {
  bool letter = (first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z');
  if (!ignoreCase || !letter) return text.find(first, from);
  char lower = FoldAscii(first);
  char upper = static_cast<char>(lower - 'a' + 'A');
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == lower || text[i] == upper) return i;
  }
  return std::string_view::npos;
}

// First character boundary at or after `from`, walking from the known
// boundary `boundary`.
std::size_t BoundaryAtOrAfter(std::string_view text, std::size_t boundary, std::size_t from) {
  while (boundary < from && boundary < text.size()) {
    boundary += CharLength(text.data() + boundary, text.size() - boundary);
  }
  return boundary;
}

// FindText for a search that starts at the character boundary `boundary`.
std::size_t FindFromBoundary(std::string_view text, std::string_view needle, std::size_t boundary,
                             bool ignoreCase) {
  if (boundary > text.size() || (boundary == text.size() && !needle.empty())) return kNotFound;
  if (needle.empty()) return boundary;

  // `boundary` walks the character starts; a candidate found by the byte
  // search only counts when the walk lands on it.
  std::size_t searchFrom = boundary;
  while (true) {
    std::size_t candidate = NextCandidate(text, needle[0], searchFrom, ignoreCase);
    if (candidate == std::string_view::npos) return kNotFound;
    while (boundary < candidate) {
      boundary += CharLength(text.data() + boundary, text.size() - boundary);
    }
    if (boundary == candidate && MatchesAt(text, candidate, needle, ignoreCase)) return candidate;
    searchFrom = boundary == candidate ? candidate + 1 : boundary;
  }
}

}  // namespace

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t from,
                     bool ignoreCase) {
  return FindFromBoundary(text, needle, BoundaryAtOrAfter(text, 0, from), ignoreCase);
}

Text ReplaceText(std::string_view text, std::string_view from, std::string_view to) {
  if (from.empty()) return Text(text);
  Text out;
  out.reserve(text.size());
  std::size_t done = 0;
  std::size_t hit = FindFromBoundary(text, from, 0, false);
  while (hit != kNotFound) {
    out.append(text.substr(done, hit - done));
    out.append(to);
    done = hit + from.size();
    hit = FindFromBoundary(text, from, BoundaryAtOrAfter(text, hit, done), false);
  }
  out.append(text.substr(done));
  return out;
}

Text AsciiLower(std::string_view text) {
  Text out(text);
  std::size_t i = 0;
  while (i < out.size()) {
    std::size_t len = CharLength(out.data() + i, out.size() - i);
    if (len == 1) out[i] = FoldAscii(out[i]);
    i += len;
  }
  return out;
}

}  // namespace vexo

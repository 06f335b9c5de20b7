#include "net/text_between.h"

#include "net/text_search.h"
#include "platform/codepage.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

// Length of the space that starts at byte `pos`, or 0 when none does. `pos`
// must be a character boundary.
std::size_t SpaceAt(std::string_view text, std::size_t pos) {
  if (text.compare(pos, kAsciiSpace.size(), kAsciiSpace) == 0) return kAsciiSpace.size();
  if (text.compare(pos, kFullWidthSpace.size(), kFullWidthSpace) == 0) {
    return kFullWidthSpace.size();
  }
  return 0;
}

}  // namespace

Text TextBetween(std::string_view text, std::string_view left, std::string_view right, long start,
                 bool caseSensitive) {
  const Text& placeholder = Sys(kQuotePlaceholderUtf8);
  Text leftMarker = ReplaceText(left, placeholder, "\"");
  Text rightMarker = ReplaceText(right, placeholder, "\"");

  std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start - 1);
  std::size_t found = FindText(text, leftMarker, from, !caseSensitive);
  if (found == kNotFound) return {};
  std::size_t contentStart = found + leftMarker.size();
  std::size_t end = FindText(text, rightMarker, contentStart, !caseSensitive);
  if (end == kNotFound) return {};
  return Text(text.substr(contentStart, end - contentStart));
}

Text TrimSpaces(std::string_view text) {
  std::size_t pos = 0;
  std::size_t first = text.size();  // start of the first character that is no space
  std::size_t last = 0;             // end of the last character that is no space
  while (pos < text.size()) {
    std::size_t space = SpaceAt(text, pos);
    std::size_t len = space != 0 ? space : CharLength(text.data() + pos, text.size() - pos);
    if (space == 0) {
      if (first == text.size()) first = pos;
      last = pos + len;
    }
    pos += len;
  }
  if (first >= last) return {};
  return Text(text.substr(first, last - first));
}

Text RemoveSpaces(std::string_view text) {
  Text out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t space = SpaceAt(text, pos);
    std::size_t len = space != 0 ? space : CharLength(text.data() + pos, text.size() - pos);
    if (space == 0) out.append(text.substr(pos, len));
    pos += len;
  }
  return out;
}

}  // namespace vexo

#pragma once
// What the suggestion list shows for an answer of the suggestion endpoint.
#include <optional>
#include <string_view>

#include "platform/text.h"

namespace vexo {

// Markers of the suggestion answer (the double quotes belong to them): the
// answer without suggestions ends in the empty data array; the first
// suggestion follows the start marker as a quoted string.
inline constexpr std::string_view kNoSuggestionMarker = R"("data":[]}))";
inline constexpr std::string_view kSuggestionStart = R"("data":[")";

// The first suggestion of the answer, taken as the service spells it (escapes
// stay), up to the quote that closes it, whether more suggestions follow or
// not. Nothing for a failed request (empty answer), an answer with the empty
// data array, one without a data array, an unclosed string, or an empty
// first suggestion: the list never shows a blank item.
std::optional<Text> FirstSuggestion(std::string_view answer);

}  // namespace vexo

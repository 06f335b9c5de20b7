#pragma once
// Splitting a text of the system code page at a separator.
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace vexo {

// The pieces of `text` between the occurrences of `separator`, which match
// only at character boundaries (so the trail byte of a Chinese character never
// starts one). Empty pieces between two separators stay; an empty last piece
// is dropped, so an empty text gives no pieces. An empty separator gives the
// whole text as one piece.
std::vector<Text> SplitAtBoundaries(std::string_view text, std::string_view separator);

}  // namespace vexo

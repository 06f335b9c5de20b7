#pragma once
// Texts the player shows or compares, written in the sources as UTF-8 and
// converted once to the system code page.
#include <string_view>

#include "platform/text.h"

namespace vexo {

// The system code page form of a UTF-8 literal. Each distinct literal is
// converted once; the reference stays valid for the whole run. Thread-safe.
const Text& Sys(std::string_view utf8);

}  // namespace vexo

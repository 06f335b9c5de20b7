#pragma once
#include "platform/text.h"

namespace vexo {

// Whole seconds as "mm:ss": minutes with at least two digits, then seconds
// with two. 65 gives 01:05, 6000 gives 100:00; a negative count reads as 0.
Text FormatMinSec(int seconds);

}  // namespace vexo

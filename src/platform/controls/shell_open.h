#pragma once
// Handing a web address to the platform's default handler.
#include "platform/text.h"

namespace vexo {

// True when the platform accepted the address.
bool OpenWithDefaultHandler(const Text& address);

}  // namespace vexo

#pragma once
// Requests that run on a worker while the window keeps working: the answer is
// handed to the user-interface thread once it is in, and the user-interface
// thread never waits for the network.
#include <functional>
#include <memory>

#include "platform/text.h"

namespace vexo {

// Runs `request` on a thread of its own and returns at once; `done` gets its
// answer later on the user-interface thread, unless `owner` has expired by
// then (the state the request was made for is gone, and so is the answer).
void RequestInBackground(std::weak_ptr<const void> owner, std::function<Text()> request,
                         std::function<void(Text)> done);

}  // namespace vexo

#pragma once
// The path from the media player object to the media engine: the open message
// and the command strings. The player talks to the real engine; tests put a
// recording engine in its place.
#include <cstdint>

#include "platform/sound/mci.h"

namespace vexo {

class MciEngine {
 public:
  virtual ~MciEngine() = default;
  // mciSendCommand: the open message with its record.
  virtual int SendCommand(std::uint32_t device_id, std::uint32_t message, std::uint32_t flags,
                          const MciOpenParms& parms) = 0;
  // mciSendString: a command string, its reply read into a buffer of
  // reply_size characters.
  virtual int SendString(const Text& command, Text* reply, int reply_size) = 0;
};

// The engine over libmpv (platform/sound/mci.h); lives for the whole run.
MciEngine& SystemMciEngine();

}  // namespace vexo

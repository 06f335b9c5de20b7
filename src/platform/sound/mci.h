#pragma once
// The Media Control Interface of the player: the open message and the command
// strings, with MCI's result codes and text replies, played through libmpv.
// One libmpv player per open device; any number of devices, each addressed by
// its alias. Call everything on the user-interface thread.
#include <cstdint>

#include "platform/sound/mci_codes.h"
#include "platform/text.h"

namespace vexo {

// The open record: the device type ("MPEGvideo", "waveaudio" ...), the element
// (a file path or an http(s) URL, unchanged) and the alias later commands use.
struct MciOpenParms {
  Text device_type;
  Text element;
  Text alias;
};

// Sends a command message. Only kMciOpen with the type, element and alias
// flags is understood, to device 0. Returns kMciSuccess once the medium is
// loaded and ready to play, or an error code once loading failed; it never
// waits longer than the network time-out.
int MciSendCommand(std::uint32_t device_id, std::uint32_t message, std::uint32_t flags,
                   const MciOpenParms& parms);

// kMciOpen with the type, element and alias flags.
int MciSendCommandOpen(const MciOpenParms& parms);

// Runs one command string ("play x", "play x from 1500", "stop x",
// "seek x to start", "status x mode", "status x length", "status x position",
// "set x time format milliseconds", "close x", also "pause x" and "resume x").
// The reply ("playing", "stopped", "paused" or a decimal number, empty for
// commands without one) goes to *reply when reply is not null; it must fit in
// reply_size characters including the terminator that MCI counts, else
// kMciErrorParamOverflow. Returns kMciSuccess or an error code.
int MciSendString(const Text& command, Text* reply, int reply_size);

// Starts loading libmpv in the background (see mpv_library.h); the player
// calls it right after its window shows.
void PreloadMediaLibrary();

}  // namespace vexo

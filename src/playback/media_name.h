#pragma once
// What the media player object derives from a medium's name and from the
// engine's replies.
#include "platform/text.h"

namespace vexo {

// The number of characters of the name that make its extension.
inline constexpr int kMediaExtensionLength = 3;

// The device type for extensions no row of the table lists.
inline constexpr const char* kDefaultDeviceType = "MPEGvideo";

// The (at most) three characters after the last "." of the name, lower-cased;
// the first three characters when the name holds no ".".
// "http://h/s.mp3?id=5" -> "mp3", "Song.WMA" -> "wma", "a.mpeg" -> "mpe".
Text MediaExtension(const Text& name);

// The MCI device type for an extension (lower case): "wav" -> "waveaudio",
// "wma" -> "MPEGvideo2", "mid" -> "Sequencer" ...; kDefaultDeviceType for an
// extension listed nowhere.
Text DeviceTypeFor(const Text& extension);

// A decimal reply read as MCI's callers read it: leading white space skipped,
// an optional sign and the digits after it taken, the first other character
// ends the number; no digits read as 0. Beyond 32 bits it saturates.
int ParseReplyInteger(const Text& reply);

// A new device alias: a GUID as 32 lower-case hexadecimal digits, no dashes;
// empty when no GUID can be made.
Text MakeDeviceAlias();

}  // namespace vexo

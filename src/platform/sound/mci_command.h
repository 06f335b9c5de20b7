#pragma once
// Splitting an MCI command string into its words.
#include <optional>
#include <vector>

#include "platform/text.h"

namespace vexo {

// "play song from 1500" -> verb "play", device "song", words {"from", "1500"}.
// The verb and the keywords are lower-cased (MCI ignores their case); the
// device name keeps its spelling, and a word in double quotes keeps its spaces.
struct MciCommand {
  Text verb;
  Text device;
  std::vector<Text> words;
};

// The words of a command; nullopt when a quote is left open or the string
// holds no verb.
std::optional<MciCommand> ParseMciCommand(const Text& command);

// ASCII lower case, the only folding MCI applies to names and keywords.
Text AsciiLower(Text text);

// A non-negative decimal integer that fits 32 bits; nullopt for anything else.
std::optional<int> ParseMciInteger(const Text& word);

}  // namespace vexo

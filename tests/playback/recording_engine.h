#pragma once
// An MCI engine for tests: records every open and command string and answers
// from a script.
#include <map>
#include <vector>

#include "playback/mci_engine.h"

namespace vexo::test {

class RecordingEngine final : public MciEngine {
 public:
  struct Answer {
    int result = kMciSuccess;
    Text reply;
  };

  int SendCommand(std::uint32_t device_id, std::uint32_t message, std::uint32_t flags,
                  const MciOpenParms& parms) override {
    opens.push_back({device_id, message, flags, parms});
    sent.push_back("<open " + parms.device_type + " " + parms.element + ">");
    return open_result;
  }

  int SendString(const Text& command, Text* reply, int reply_size) override {
    sent.push_back(command);
    reply_sizes.push_back(reply_size);
    // The answer is looked up by the command with the alias taken out.
    Text key = command;
    if (!alias.empty()) {
      const size_t at = key.find(alias);
      if (at != Text::npos) key.replace(at, alias.size(), "@");
    }
    auto found = answers.find(key);
    if (found == answers.end()) return kMciSuccess;
    if (reply != nullptr) *reply = found->second.reply;
    return found->second.result;
  }

  struct Open {
    std::uint32_t device_id;
    std::uint32_t message;
    std::uint32_t flags;
    MciOpenParms parms;
  };

  Text alias;  // set by the test to the player's alias
  int open_result = kMciSuccess;
  std::map<Text, Answer> answers;  // "status @ mode" -> answer
  std::vector<Open> opens;
  std::vector<Text> sent;
  std::vector<int> reply_sizes;
};

}  // namespace vexo::test

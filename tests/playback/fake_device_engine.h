#pragma once
// A media engine for the play rules: one simulated device that opens any
// medium except those whose name holds "fail", plays, stops, seeks and ends
// when the test says so.
#include <sstream>
#include <string>
#include <vector>

#include "platform/sound/mci_codes.h"
#include "playback/mci_engine.h"

namespace vexo::test {

class FakeDeviceEngine final : public MciEngine {
 public:
  int SendCommand(std::uint32_t, std::uint32_t, std::uint32_t, const MciOpenParms& parms) override {
    opened.push_back(parms.element);
    if (parms.element.find("fail") != Text::npos) return kOpenFailure;
    open = true;
    mode = "stopped";
    position = 0;
    return kMciSuccess;
  }

  int SendString(const Text& command, Text* reply, int) override {
    commands.push_back(command);
    std::istringstream in(command);
    std::string verb, alias, what, extra;
    in >> verb >> alias >> what >> extra;
    if (verb == "close") {
      bool was = open;
      open = false;
      return was ? kMciSuccess : kNotOpen;
    }
    if (!open) return kNotOpen;
    if (verb == "play") {
      mode = "playing";
      if (what == "from") position = std::stoi(extra);
    } else if (verb == "stop") {
      mode = "stopped";
    } else if (verb == "seek") {
      position = 0;
    } else if (verb == "status" && reply) {
      if (what == "mode") *reply = mode;
      if (what == "length") *reply = std::to_string(lengthMs);
      if (what == "position") *reply = std::to_string(position);
    }
    return kMciSuccess;
  }

  // The song runs to its end.
  void End() {
    mode = "stopped";
    position = lengthMs;
  }

  static constexpr int kOpenFailure = 263;
  static constexpr int kNotOpen = 263;
  bool open = false;
  std::string mode;
  int position = 0;
  int lengthMs = 245000;
  std::vector<Text> opened;
  std::vector<Text> commands;
};

}  // namespace vexo::test

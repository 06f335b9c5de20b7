#include "playback/mci_engine.h"

namespace vexo {
namespace {

class SystemEngine final : public MciEngine {
 public:
  int SendCommand(std::uint32_t device_id, std::uint32_t message, std::uint32_t flags,
                  const MciOpenParms& parms) override {
    return MciSendCommand(device_id, message, flags, parms);
  }
  int SendString(const Text& command, Text* reply, int reply_size) override {
    return MciSendString(command, reply, reply_size);
  }
};

}  // namespace

MciEngine& SystemMciEngine() {
  static SystemEngine engine;
  return engine;
}

}  // namespace vexo

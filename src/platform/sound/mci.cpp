#include "platform/sound/mci.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/sound/mci_command.h"
#include "platform/sound/mci_device.h"
#include "platform/sound/mci_event_pump.h"
#include "platform/sound/mpv_library.h"

namespace vexo {
namespace {

// The open devices by alias (ASCII lower case: MCI names ignore case).
struct Devices {
  std::mutex mutex;
  std::map<Text, std::unique_ptr<MciDevice>> by_alias;
  std::uint64_t next_serial = 1;
};

Devices& TheDevices() {
  static Devices* devices = new Devices;  // lives for the whole run
  return *devices;
}

// The device types the player opens; every one of them plays through libmpv.
constexpr const char* kKnownDeviceTypes[] = {"mpegvideo", "mpegvideo2", "waveaudio",
                                             "avivideo",  "cdaudio",    "sequencer"};

bool IsKnownDeviceType(const Text& type) {
  const Text lower = AsciiLower(type);
  for (const char* known : kKnownDeviceTypes) {
    if (lower == known) return true;
  }
  return false;
}

// Elements are file paths and web addresses only. libmpv understands many
// more kinds of address (filter graphs, edit lists, devices) that could read
// or run things on this machine; an address handed over by a server must not
// reach them.
constexpr const char* kAllowedSchemes[] = {"http", "https", "file"};

bool IsAllowedElement(const Text& element) {
  const size_t separator = element.find("://");
  if (separator == Text::npos) return true;  // a path
  const Text scheme = AsciiLower(element.substr(0, separator));
  for (const char* allowed : kAllowedSchemes) {
    if (scheme == allowed) return true;
  }
  return false;
}

void DrainBySerial(std::uint64_t serial) {
  Devices& devices = TheDevices();
  std::lock_guard lock(devices.mutex);
  for (auto& [alias, device] : devices.by_alias) {
    if (device->serial() == serial) {
      device->DrainEvents();
      return;
    }
  }
}

// Writes a reply into the caller's buffer of reply_size characters, one of
// which MCI keeps for the terminator.
int Reply(const Text& text, Text* reply, int reply_size) {
  if (reply == nullptr) return kMciSuccess;
  if (static_cast<long>(text.size()) >= static_cast<long>(reply_size))
    return kMciErrorParamOverflow;
  *reply = text;
  return kMciSuccess;
}

int Status(MciDevice& device, const MciCommand& command, Text* reply, int reply_size) {
  const std::vector<Text>& w = command.words;
  if (w.empty()) return kMciErrorMissingParameter;
  if (w.size() == 1 && w[0] == "mode") return Reply(device.Mode(), reply, reply_size);
  if (w.size() == 1 && w[0] == "length") {
    return Reply(std::to_string(device.LengthMs()), reply, reply_size);
  }
  if (w.size() == 1 && w[0] == "position") {
    return Reply(std::to_string(device.PositionMs()), reply, reply_size);
  }
  if (w.size() == 1 && w[0] == "ready") return Reply("true", reply, reply_size);
  if (w.size() == 2 && w[0] == "time" && w[1] == "format") {
    return Reply("milliseconds", reply, reply_size);
  }
  return kMciErrorUnrecognizedKeyword;
}

int Set(const MciCommand& command) {
  const std::vector<Text>& w = command.words;
  if (w.empty()) return kMciErrorMissingParameter;
  if (w.size() >= 2 && w[0] == "time" && w[1] == "format") {
    if (w.size() != 3) return kMciErrorMissingParameter;
    // Milliseconds is the only time format the engine keeps.
    if (w[2] == "milliseconds" || w[2] == "ms") return kMciSuccess;
    return kMciErrorBadTimeFormat;
  }
  return kMciErrorUnrecognizedKeyword;
}

int Play(MciDevice& device, const MciCommand& command) {
  const std::vector<Text>& w = command.words;
  if (w.empty()) return device.Play(std::nullopt);
  if (w[0] != "from") return kMciErrorUnrecognizedKeyword;
  if (w.size() != 2) return kMciErrorMissingParameter;
  std::optional<int> from = ParseMciInteger(w[1]);
  if (!from) return kMciErrorBadInteger;
  return device.Play(*from);
}

int Seek(MciDevice& device, const MciCommand& command) {
  const std::vector<Text>& w = command.words;
  if (w.size() != 2 || w[0] != "to") return kMciErrorMissingParameter;
  if (w[1] == "start") return device.Seek(0);
  if (w[1] == "end") return device.SeekToEnd();
  std::optional<int> to = ParseMciInteger(w[1]);
  if (!to) return kMciErrorBadInteger;
  return device.Seek(*to);
}

// A command to an open device, with the devices locked.
int RunOnDevice(MciDevice& device, const MciCommand& command, Text* reply, int reply_size) {
  const Text& verb = command.verb;
  if (verb == "status") return Status(device, command, reply, reply_size);
  if (verb == "set") return Set(command);
  if (verb == "play") return Play(device, command);
  if (verb == "seek") return Seek(device, command);
  if (!command.words.empty()) return kMciErrorUnrecognizedKeyword;
  if (verb == "stop") return device.Stop();
  if (verb == "pause") return device.Pause();
  if (verb == "resume") return device.Resume();
  return kMciErrorUnrecognizedCommand;
}

}  // namespace

int MciSendCommand(std::uint32_t device_id, std::uint32_t message, std::uint32_t flags,
                   const MciOpenParms& parms) {
  if (message != kMciOpen) return kMciErrorUnsupportedFunction;
  if (device_id != 0) return kMciErrorInvalidDeviceId;
  if (flags != (kMciOpenType | kMciOpenElement | kMciOpenAlias)) {
    return kMciErrorFlagsNotCompatible;
  }
  return MciSendCommandOpen(parms);
}

int MciSendCommandOpen(const MciOpenParms& parms) {
  if (!IsKnownDeviceType(parms.device_type)) return kMciErrorInvalidDeviceName;
  if (parms.element.empty()) return kMciErrorFilenameRequired;
  if (parms.alias.empty()) return kMciErrorMissingDeviceName;
  if (!IsAllowedElement(parms.element)) return kMciErrorInvalidFile;
  const Text alias = AsciiLower(parms.alias);

  Devices& devices = TheDevices();
  std::uint64_t serial = 0;
  {
    std::lock_guard lock(devices.mutex);
    if (devices.by_alias.count(alias) != 0) return kMciErrorDuplicateAlias;
    serial = devices.next_serial++;
  }
  // The pump lives on the thread of the first open, the user-interface
  // thread, for the whole run: a wake-up may still be queued when the last
  // device closes.
  static MciEventPump* pump = new MciEventPump(DrainBySerial);
  const MpvLibrary* mpv = MediaLibrary();
  if (mpv == nullptr) return kMciErrorCannotLoadDriver;

  // Loading runs without the lock: it may take up to the network time-out.
  std::unique_ptr<MciDevice> device;
  const int result = MciDevice::Open(*mpv, parms.element, pump, serial, &device);
  if (result != kMciSuccess) return result;
  std::lock_guard lock(devices.mutex);
  // The alias may have been taken meanwhile by an open on another thread.
  if (!devices.by_alias.emplace(alias, std::move(device)).second) return kMciErrorDuplicateAlias;
  return kMciSuccess;
}

int MciSendString(const Text& command, Text* reply, int reply_size) {
  if (reply != nullptr) reply->clear();
  std::optional<MciCommand> parsed = ParseMciCommand(command);
  if (!parsed) return kMciErrorMissingCommandString;
  if (parsed->verb == "open") return kMciErrorUnsupportedFunction;  // opened by message only
  if (parsed->device.empty()) return kMciErrorMissingDeviceName;
  const Text alias = AsciiLower(parsed->device);

  Devices& devices = TheDevices();
  std::unique_ptr<MciDevice> closing;
  {
    std::lock_guard lock(devices.mutex);
    auto found = devices.by_alias.find(alias);
    if (found == devices.by_alias.end()) return kMciErrorInvalidDeviceName;
    if (parsed->verb != "close") {
      return RunOnDevice(*found->second, *parsed, reply, reply_size);
    }
    if (!parsed->words.empty()) return kMciErrorUnrecognizedKeyword;
    closing = std::move(found->second);
    devices.by_alias.erase(found);
  }
  // The player is shut down outside the lock.
  closing.reset();
  return kMciSuccess;
}

}  // namespace vexo

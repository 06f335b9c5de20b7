#include "playback/media_play.h"

#include <string>

#include "platform/sound/mci_codes.h"
#include "playback/media_name.h"

namespace vexo {

MediaPlay::MediaPlay(MciEngine& engine) : engine_(engine), alias_(MakeDeviceAlias()) {}

MediaPlay::~MediaPlay() {
  CloseMedia();
}

Text MediaPlay::Command(const char* verb, const char* rest) const {
  Text command = verb;
  command += ' ';
  command += alias_;
  command += rest;
  return command;
}

bool MediaPlay::OpenMedia(const Text& name) {
  CloseMedia();
  medium_name_ = name;
  extension_ = MediaExtension(name);
  MciOpenParms parms;
  parms.device_type = DeviceTypeFor(extension_);
  parms.element = name;
  parms.alias = alias_;
  return engine_.SendCommand(0, kMciOpen, kMciOpenType | kMciOpenElement | kMciOpenAlias, parms) ==
         kMciSuccess;
}

bool MediaPlay::PlayMedia(int position_ms) {
  if (position_ms == kPlayFromCurrent) {
    return engine_.SendString(Command("play"), nullptr, 0) == kMciSuccess;
  }
  const std::string from = " from " + std::to_string(position_ms);
  return engine_.SendString(Command("play", from.c_str()), nullptr, 0) == kMciSuccess;
}

bool MediaPlay::StopMedia() {
  if (engine_.SendString(Command("stop"), nullptr, 0) != kMciSuccess) return false;
  engine_.SendString(Command("seek", " to start"), nullptr, 0);
  return true;
}

PlayState MediaPlay::GetPlayState() {
  Text reply;
  if (engine_.SendString(Command("status", " mode"), &reply, kModeReplySize) != kMciSuccess) {
    return kPlayStateOther;
  }
  if (reply == "playing") return kPlayStatePlaying;
  if (reply == "stopped") return kPlayStateStopped;
  if (reply == "paused") return kPlayStatePaused;
  return kPlayStateOther;
}

int MediaPlay::GetLengthMs() {
  engine_.SendString(Command("set", " time format milliseconds"), nullptr, 0);
  Text reply;
  if (engine_.SendString(Command("status", " length"), &reply, kLengthReplySize) != kMciSuccess) {
    return 0;
  }
  return ParseReplyInteger(reply);
}

int MediaPlay::GetLengthSeconds() {
  return GetLengthMs() / 1000;
}

int MediaPlay::GetPositionMs() {
  Text reply;
  if (engine_.SendString(Command("status", " position"), &reply, kPositionReplySize) !=
      kMciSuccess) {
    return kPositionUnknown;
  }
  return ParseReplyInteger(reply);
}

bool MediaPlay::CloseMedia() {
  return engine_.SendString(Command("close"), nullptr, 0) == kMciSuccess;
}

}  // namespace vexo

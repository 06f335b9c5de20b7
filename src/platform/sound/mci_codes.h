#pragma once
// The numbers of the Media Control Interface the player relies on: the open
// message, its flags and the result codes, with the values MCI gives them.
#include <cstdint>

namespace vexo {

// The open command message and the flags that say which fields of the open
// record are filled in.
inline constexpr std::uint32_t kMciOpen = 0x0803;
inline constexpr std::uint32_t kMciOpenType = 0x2000;
inline constexpr std::uint32_t kMciOpenElement = 0x0200;
inline constexpr std::uint32_t kMciOpenAlias = 0x0400;

// Result codes. 0 is success; every error is kMciErrorBase plus a number.
inline constexpr int kMciSuccess = 0;
inline constexpr int kMciErrorBase = 256;
inline constexpr int kMciErrorInvalidDeviceId = kMciErrorBase + 1;
inline constexpr int kMciErrorUnrecognizedKeyword = kMciErrorBase + 3;
inline constexpr int kMciErrorUnrecognizedCommand = kMciErrorBase + 5;
inline constexpr int kMciErrorHardware = kMciErrorBase + 6;
inline constexpr int kMciErrorInvalidDeviceName = kMciErrorBase + 7;
inline constexpr int kMciErrorCannotLoadDriver = kMciErrorBase + 10;
inline constexpr int kMciErrorMissingCommandString = kMciErrorBase + 11;
inline constexpr int kMciErrorParamOverflow = kMciErrorBase + 12;
inline constexpr int kMciErrorMissingStringArgument = kMciErrorBase + 13;
inline constexpr int kMciErrorBadInteger = kMciErrorBase + 14;
inline constexpr int kMciErrorMissingParameter = kMciErrorBase + 17;
inline constexpr int kMciErrorUnsupportedFunction = kMciErrorBase + 18;
inline constexpr int kMciErrorFileNotFound = kMciErrorBase + 19;
inline constexpr int kMciErrorDeviceNotReady = kMciErrorBase + 20;
inline constexpr int kMciErrorOutOfRange = kMciErrorBase + 26;
inline constexpr int kMciErrorFlagsNotCompatible = kMciErrorBase + 28;
inline constexpr int kMciErrorDuplicateAlias = kMciErrorBase + 33;
inline constexpr int kMciErrorMissingDeviceName = kMciErrorBase + 36;
inline constexpr int kMciErrorBadTimeFormat = kMciErrorBase + 37;
inline constexpr int kMciErrorInvalidFile = kMciErrorBase + 40;
inline constexpr int kMciErrorFilenameRequired = kMciErrorBase + 48;

}  // namespace vexo

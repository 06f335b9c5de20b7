#pragma once
// The system volume: the volume of the sound server's default output (sink),
// changed in the steps of a keyboard's volume keys.
#include <optional>

namespace vexo {

// One press of a volume key changes the volume by this many percent of full
// scale (100 percent is the sink's normal, unamplified volume).
inline constexpr int kVolumeStepPercent = 2;

// The longest a volume call waits for the sound server, in milliseconds.
inline constexpr int kVolumeServerTimeoutMs = 500;

// One step up or down, clamped to 0..100 percent; the balance between the
// channels is kept. A step up also unmutes, as a volume key does, and never
// lowers a volume someone set above 100 percent. Returns false, and reports
// nothing, when there is no sound server or it does not answer in time.
bool StepSystemVolume(bool up);

// The volume of the default sink in percent of full scale (its loudest
// channel), rounded; nullopt without a sound server.
std::optional<int> ReadSystemVolumePercent();

// Sets the volume of the default sink to the percentage (all channels alike);
// false without a sound server.
bool SetSystemVolumePercent(int percent);

}  // namespace vexo

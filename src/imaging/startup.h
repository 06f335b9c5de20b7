#pragma once
// Start and end of the imaging objects for the program. Pictures, paths,
// pens and brushes work at any time; fonts, texts and icons need Qt's GUI
// application, and tooltips its widget application.
#include <cstdint>

namespace vexo {

using ImagingToken = std::uint64_t;

// Starts the imaging objects. A non-zero token when Qt's GUI application
// exists; otherwise 0 and the last status kStatusNotInitialized.
ImagingToken ImagingStartup();
// Ends what ImagingStartup started with `token`. False for a token that is 0
// or not started.
bool ImagingShutdown(ImagingToken token);
// Whether some start-up is still in effect.
bool ImagingStarted();

}  // namespace vexo

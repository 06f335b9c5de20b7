#pragma once
// The skin module's own state: the one engine of the program, created by the
// module's start-up (before the main window exists) and destroyed by its end.
namespace vexo {

class SkinEngine;

// Starts the imaging library, creates the engine, loads the caption icon and
// sets the engine-wide settings. A second call does nothing.
void StartSkinModule();
// Destroys the engine and shuts the imaging library down. Safe to call twice.
void EndSkinModule();
// The module's engine; null before the start-up and after the end.
SkinEngine* TheSkinEngine();

}  // namespace vexo

#include "skin/skin_module.h"

#include <memory>

#include "assets/embedded_pictures.h"
#include "imaging/startup.h"
#include "skin/skin_engine.h"

namespace vexo {

namespace {

struct SkinModule {
  ImagingToken token = 0;
  std::unique_ptr<SkinEngine> engine;
};

// Never destroyed by the run-time: the engine holds Qt objects, which must not
// be torn down after the application object is gone; the exit routine ends
// the module while the window system still stands.
SkinModule& Module() {
  static SkinModule* module = new SkinModule;
  return *module;
}

}  // namespace

void StartSkinModule() {
  SkinModule& m = Module();
  if (m.engine) return;
  m.token = ImagingStartup();
  m.engine = std::make_unique<SkinEngine>();
  m.engine->SetCaptionIcon(assets::CaptionIcon());
}

void EndSkinModule() {
  SkinModule& m = Module();
  if (!m.engine) return;
  m.engine->Destroy();
  m.engine.reset();
  ImagingShutdown(m.token);
  m.token = 0;
}

SkinEngine* TheSkinEngine() {
  return Module().engine.get();
}

}  // namespace vexo

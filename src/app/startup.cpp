#include "app/startup.h"

#include <QApplication>
#include <QFont>

#include "app/event_table.h"
#include "app/exit_routine.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/stall_probe.h"
#include "app/startup_probe.h"
#include "platform/sound/mci.h"
#include "skin/skin_module.h"

namespace vexo {

namespace {

// The platform's default font: a 12-pixel CJK face, as the window's layout
// was drawn for.
constexpr int kDefaultFontPixels = 12;

void SetDefaultFont() {
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                    QStringLiteral("Noto Sans CJK SC"), font.family()});
  font.setPixelSize(kDefaultFontPixels);
  QApplication::setFont(font);
}

}  // namespace

std::unique_ptr<MainWindow> StartPlayer() {
  SetDefaultFont();
  CreateGlobals();
  RegisterExitRoutine();
  StartSkinModule();
  AddExitStep(EndSkinModule);
  auto w = std::make_unique<MainWindow>();
  WireEvents(*w);
  w->window.ShowCentred();
  // Installed last, so it sees the first paint before the skin takes it.
  InstallStartupProbe(w->window);
  InstallStallProbe();
  // The media library loads in the background once the window is up.
  PreloadMediaLibrary();
  return w;
}

}  // namespace vexo

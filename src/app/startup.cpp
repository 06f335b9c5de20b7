#include "app/startup.h"

#include <QApplication>
#include <QFont>

#include "app/event_table.h"
#include "app/exit_routine.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "app/stall_probe.h"
#include "app/startup_probe.h"
#include "assets/embedded_pictures.h"
#include "imaging/image_codec.h"
#include "net/curl_library.h"
#include "platform/controls/first_frame.h"
#include "platform/controls/installed_fonts.h"
#include "platform/sound/mci.h"
#include "skin/skin_module.h"

namespace vexo {

namespace {

// The platform's default font: a 12-pixel CJK face, as the window's layout
// was drawn for.
constexpr int kDefaultFontPixels = 12;

void SetDefaultFont() {
  QFont font = QApplication::font();
  font.setFamilies(
      InstalledFamilies({QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Micro Hei"),
                         QStringLiteral("Noto Sans CJK SC"), font.family()}));
  font.setPixelSize(kDefaultFontPixels);
  QApplication::setFont(font);
}

}  // namespace

std::unique_ptr<MainWindow> StartPlayer() {
  // The background picture decodes on the second core while the window is
  // built; the skin takes the result when it applies the picture.
  const ByteSet& background = assets::BackgroundPicture();
  DecodePictureAhead(QByteArray(reinterpret_cast<const char*>(background.data()),
                                static_cast<qsizetype>(background.size())));
  SetDefaultFont();
  CreateGlobals();
  RegisterExitRoutine();
  StartSkinModule();
  AddExitStep(EndSkinModule);
  auto w = std::make_unique<MainWindow>();
  WireEvents(*w);
  w->window.ShowCentred();
  // What the first frame does not show waits until it is on the screen: the
  // embedded service begins serving and loading its library, and the network
  // and media libraries load, all in the background. Queued after the skin took
  // over the window's painting, so the watch sees the first paint.
  RunAfterFirstFrame(w->window.Frame(), [] {
    Globals()->service.BeginServing();
    PreloadNetworkLibrary();
    PreloadMediaLibrary();
  });
  // Installed last, so they see the first paint before the skin takes it and
  // report it before the work queued behind that paint runs.
  InstallStartupProbe(w->window);
  InstallStallProbe();
  return w;
}

}  // namespace vexo

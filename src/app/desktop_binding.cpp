#include "app/desktop_binding.h"

#include <cstdio>
#include <memory>

#include "app/exit_routine.h"
#include "app/global_state.h"
#include "app/main_window.h"
#include "desktop/desktop_session.h"

namespace vexo {
namespace {

std::unique_ptr<desktop::DesktopSession> g_session;

}  // namespace

std::optional<int> JoinDesktopSession() {
  g_session = std::make_unique<desktop::DesktopSession>();
  switch (g_session->outcome()) {
    case desktop::DesktopSession::Outcome::kOtherRaised:
      g_session.reset();
      return 0;
    case desktop::DesktopSession::Outcome::kOtherSilent:
      g_session.reset();
      std::fprintf(stderr, "vexo: another Vexo runs in this session but does not answer\n");
      return 1;
    default:
      return std::nullopt;
  }
}

void PublishOnDesktop(MainWindow& w) {
  if (!g_session) return;
  AddExitStep(LeaveDesktopSession);
  g_session->Attach(desktop::DesktopView{
      .player = w.Player(),
      .按钮2 = w.按钮2,
      .按钮3 = w.按钮3,
      .图片框1 = w.图片框1,
      .主窗口 = w.window,
      .playback = Globals()->playback,
      .defaultPicture = Globals()->extras.defaultPicture,
      // An explicit request: no close confirmation.
      .quit = [] { ExitProgram(0); },
  });
}

void LeaveDesktopSession() {
  g_session.reset();
}

}  // namespace vexo

// The player: start-up, then window events until the program ends through
// the close confirmation.
#include <QApplication>

#include "app/command_line.h"
#include "app/desktop_binding.h"
#include "app/exit_routine.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "platform/controls/font_warmup.h"
#include "platform/heap_arenas.h"

int main(int argc, char** argv) {
  vexo::LimitHeapArenas();
  // --help, --version and a mistyped option are answered before anything
  // reaches for the display, the sound server or the network.
  if (auto status = vexo::AnswerCommandLine(argc, argv)) return *status;
  // Read on the second core while the application connects to the display.
  vexo::WarmUpFonts();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // A second start hands over to the session's player and ends.
  if (auto status = vexo::JoinDesktopSession()) vexo::ExitProgram(*status);
  auto window = vexo::StartPlayer();
  vexo::PublishOnDesktop(*window);
  int status = QApplication::exec();
  vexo::ExitProgram(status);
}

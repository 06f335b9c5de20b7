// The player: start-up, then window events until the program ends through
// the close confirmation.
#include <QApplication>

#include "app/exit_routine.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "platform/heap_arenas.h"

int main(int argc, char** argv) {
  vexo::LimitHeapArenas();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  auto window = vexo::StartPlayer();
  int status = QApplication::exec();
  vexo::ExitProgram(status);
}

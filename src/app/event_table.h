#pragma once
// Which handler answers each event of the main window and its controls.

namespace vexo {

class MainWindow;

void WireEvents(MainWindow& w);

}  // namespace vexo

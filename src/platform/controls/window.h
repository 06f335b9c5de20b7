#pragma once
// A top-level window with no platform frame: the skin draws its caption.
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/controls/control.h"

class QKeySequence;

namespace vexo {

class Window : public Control {
 public:
  Window(std::string name, int width, int height);
  ~Window() override;

  QWidget* Frame() const { return Widget(); }

  int Height() const;
  void SetHeight(int height);
  int Width() const;
  bool IsTopmost() const;
  void SetTopmost(bool topmost);
  void SetTitle(const Text& title);
  Text Title() const;

  // Which caption buttons the window asks for; the skin reads them.
  bool minimizeBox = true;
  bool maximizeBox = false;
  bool resizable = false;

  // Shows the window centred on its screen. The created event runs first, so
  // its handler has done its work before the user can act.
  void ShowCentred();

  // Key combinations that belong to the window's menu: they reach the menu
  // even while a child (such as an edit box) would take them for itself.
  void ReserveShortcut(const QKeySequence& keys);

  std::function<void()> onCreated;
  // Asked when the window is to close; false keeps it open. Unset: it closes.
  std::function<bool()> onMayClose;

 private:
  class Frame_;
  class ShortcutGuard;
  ShortcutGuard* guard_;
};

}  // namespace vexo

#pragma once
// Pop-up menus and their items. An item is chosen by a click or by its
// shortcut, which works while its window is active; ticks change only when the
// logic sets them.
#include <QKeySequence>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/text.h"

class QAction;
class QMenu;

namespace vexo {

class Window;

class MenuItem {
 public:
  MenuItem(QAction* action);
  bool IsTicked() const;
  void SetTicked(bool ticked);
  Text Caption() const;
  QKeySequence Shortcut() const;
  // Runs the item as a click or its shortcut would.
  void Choose();
  std::function<void()> onChosen;

 private:
  QAction* action_;
};

class Menu {
 public:
  // A menu of `window` with the given caption.
  Menu(Window& window, const Text& caption);
  ~Menu();
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;

  // Adds an item; a tickable item shows its tick; a shortcut is shown after
  // the caption and reserved on the window.
  MenuItem& AddItem(const Text& caption, QKeySequence shortcut = {}, bool tickable = false);
  void AddSeparator();
  Menu& AddSubmenu(const Text& caption);
  Text Caption() const;
  QMenu* Native() const { return menu_; }

  // Shows the menu at the mouse pointer and returns once it closed; the
  // chosen item's handler runs on its own.
  void PopupAtCursor();

 private:
  Menu(Window& window, QMenu* menu);
  Window& window_;
  QPointer<QMenu> menu_;  // owned by the window (or the parent menu)
  std::vector<std::unique_ptr<MenuItem>> items_;
  std::vector<std::unique_ptr<Menu>> submenus_;
};

}  // namespace vexo

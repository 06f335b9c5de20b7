#include "platform/controls/menu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"
#include "platform/controls/window.h"

namespace vexo {

MenuItem::MenuItem(QAction* action) : action_(action) {
  QObject::connect(action_, &QAction::triggered, action_, [this](bool) {
    // A click flips a tickable item; the logic alone decides the ticks, so the
    // flip is undone before the handler runs.
    if (action_->isCheckable()) {
      QSignalBlocker quiet(action_);
      action_->setChecked(!action_->isChecked());
    }
    if (onChosen) onChosen();
  });
}

bool MenuItem::IsTicked() const {
  return CallOnUi([&] { return action_->isChecked(); });
}

void MenuItem::SetTicked(bool ticked) {
  CallOnUi([&] { action_->setChecked(ticked); });
}

Text MenuItem::Caption() const {
  return CallOnUi([&] { return FromQString(action_->text()); });
}

QKeySequence MenuItem::Shortcut() const {
  return CallOnUi([&] { return action_->shortcut(); });
}

void MenuItem::Choose() {
  CallOnUi([&] { action_->trigger(); });
}

Menu::Menu(Window& window, const Text& caption) : Menu(window, new QMenu(window.Frame())) {
  menu_->setTitle(ToQString(caption));
}

Menu::Menu(Window& window, QMenu* menu) : window_(window), menu_(menu) {}

Menu::~Menu() = default;

MenuItem& Menu::AddItem(const Text& caption, QKeySequence shortcut, bool tickable) {
  auto* action = new QAction(ToQString(caption), menu_);
  action->setCheckable(tickable);
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    window_.Frame()->addAction(action);
    window_.ReserveShortcut(shortcut);
  }
  menu_->addAction(action);
  items_.push_back(std::make_unique<MenuItem>(action));
  return *items_.back();
}

void Menu::AddSeparator() {
  menu_->addSeparator();
}

Menu& Menu::AddSubmenu(const Text& caption) {
  QMenu* sub = menu_->addMenu(ToQString(caption));
  submenus_.push_back(std::unique_ptr<Menu>(new Menu(window_, sub)));
  return *submenus_.back();
}

Text Menu::Caption() const {
  return FromQString(menu_->title());
}

void Menu::PopupAtCursor() {
  CallOnUi([&] { menu_->exec(QCursor::pos()); });
}

}  // namespace vexo

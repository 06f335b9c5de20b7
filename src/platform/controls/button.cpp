#include "platform/controls/button.h"

#include <QPushButton>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

Button::Button(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kButton, new QPushButton(parent)) {
  auto* button = static_cast<QPushButton*>(Widget());
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::TabFocus);
  QObject::connect(button, &QPushButton::clicked, button, [this] {
    if (onClick) onClick();
  });
}

void Button::SetCaption(const Text& caption) {
  CallOnUi([&] { static_cast<QPushButton*>(Widget())->setText(ToQString(caption)); });
}

Text Button::Caption() const {
  return CallOnUi([&] { return FromQString(static_cast<QPushButton*>(Widget())->text()); });
}

}  // namespace vexo

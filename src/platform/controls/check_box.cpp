#include "platform/controls/check_box.h"

#include <QCheckBox>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

CheckBox::CheckBox(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kCheckBox, new QCheckBox(parent)) {
  auto* box = static_cast<QCheckBox*>(Widget());
  box->setFocusPolicy(Qt::TabFocus);
  QObject::connect(box, &QCheckBox::clicked, box, [this] {
    if (onClick) onClick();
  });
}

void CheckBox::SetCaption(const Text& caption) {
  CallOnUi([&] { static_cast<QCheckBox*>(Widget())->setText(ToQString(caption)); });
}

Text CheckBox::Caption() const {
  return CallOnUi([&] { return FromQString(static_cast<QCheckBox*>(Widget())->text()); });
}

bool CheckBox::IsTicked() const {
  return CallOnUi([&] { return static_cast<QCheckBox*>(Widget())->isChecked(); });
}

void CheckBox::SetTicked(bool ticked) {
  CallOnUi([&] { static_cast<QCheckBox*>(Widget())->setChecked(ticked); });
}

}  // namespace vexo

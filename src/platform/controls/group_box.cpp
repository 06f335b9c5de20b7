#include "platform/controls/group_box.h"

#include <QGroupBox>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

GroupBox::GroupBox(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kGroupBox, new QGroupBox(parent)) {}

void GroupBox::SetCaption(const Text& caption) {
  CallOnUi([&] { static_cast<QGroupBox*>(Widget())->setTitle(ToQString(caption)); });
}

Text GroupBox::Caption() const {
  return CallOnUi([&] { return FromQString(static_cast<QGroupBox*>(Widget())->title()); });
}

}  // namespace vexo

#include "platform/controls/control.h"

#include "platform/controls/installed_fonts.h"

#include <QFont>
#include <QPalette>

#include "platform/controls/ui_thread.h"

namespace vexo {

Control::Control(std::string name, ControlKind kind, QWidget* widget)
    : name_(std::move(name)), kind_(kind), widget_(widget) {
  if (widget_) widget_->setObjectName(QString::fromUtf8(name_.c_str()));
}

Control::~Control() = default;

void Control::SetVisible(bool visible) {
  CallOnUi([&] {
    if (widget_) widget_->setVisible(visible);
  });
}

bool Control::IsVisible() const {
  return CallOnUi([&] { return widget_ && !widget_->isHidden(); });
}

void Control::SetDisabled(bool disabled) {
  CallOnUi([&] {
    if (widget_) widget_->setEnabled(!disabled);
  });
}

bool Control::IsDisabled() const {
  return CallOnUi([&] { return widget_ && !widget_->isEnabled(); });
}

void Control::SetGeometry(int left, int top, int width, int height) {
  CallOnUi([&] {
    if (widget_) widget_->setGeometry(left, top, width, height);
  });
}

void Control::SetTextColor(Rgb rgb) {
  CallOnUi([&] {
    if (!widget_) return;
    QPalette pal = widget_->palette();
    QColor c(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
             static_cast<int>(rgb & 0xFF));
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::ButtonText, c);
    pal.setColor(QPalette::Text, c);
    widget_->setPalette(pal);
  });
}

void Control::SetFont(const std::string& faceUtf8, int pixelHeight, bool bold) {
  CallOnUi([&] {
    if (!widget_) return;
    QFont font = widget_->font();
    if (!faceUtf8.empty()) {
      font.setFamilies(
          InstalledFamilies(QStringList{QString::fromUtf8(faceUtf8.c_str())} + font.families()));
    }
    if (pixelHeight > 0) font.setPixelSize(pixelHeight);
    font.setBold(bold);
    widget_->setFont(font);
  });
}

}  // namespace vexo

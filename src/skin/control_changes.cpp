#include "skin/control_changes.h"

#include <QVariant>

#include "skin/window_properties.h"

namespace vexo {

void ControlChanges::InstallFilter(QWidget* control, QObject* filter) {
  control->installEventFilter(filter);
  QPointer<QObject> held(filter);
  Add(control, [control, held] {
    if (!held) return;
    control->removeEventFilter(held);
    delete held.data();
  });
}

void ControlChanges::SetAttribute(QWidget* control, Qt::WidgetAttribute attribute, bool on) {
  const bool was = control->testAttribute(attribute);
  if (was == on) return;
  control->setAttribute(attribute, on);
  Add(control, [control, attribute, was] { control->setAttribute(attribute, was); });
}

void ControlChanges::SetMouseTracking(QWidget* control, bool on) {
  const bool was = control->hasMouseTracking();
  if (was == on) return;
  control->setMouseTracking(on);
  Add(control, [control, was] { control->setMouseTracking(was); });
}

void ControlChanges::SetFocusPolicy(QWidget* control, Qt::FocusPolicy policy) {
  const Qt::FocusPolicy was = control->focusPolicy();
  if (was == policy) return;
  control->setFocusPolicy(policy);
  Add(control, [control, was] { control->setFocusPolicy(was); });
}

void ControlChanges::SetPalette(QWidget* control, const QPalette& palette) {
  const bool own = control->testAttribute(Qt::WA_SetPalette);
  const QPalette was = control->palette();
  control->setPalette(palette);
  Add(control, [control, own, was] {
    if (own) {
      control->setPalette(was);
    } else {
      control->setPalette(QPalette());
      control->setAttribute(Qt::WA_SetPalette, false);
    }
  });
}

void ControlChanges::SetProperty(QObject* control, const char* name, long long value) {
  const bool had = skin::HasProp(control, name);
  const QVariant was = control->property(name);
  skin::SetProp(control, name, value);
  Add(control, [control, name, had, was] { control->setProperty(name, had ? was : QVariant()); });
}

void ControlChanges::Add(QObject* control, std::function<void()> undo) {
  undo_.push_back({QPointer<QObject>(control), std::move(undo)});
}

void ControlChanges::UndoAll() {
  std::vector<Entry> entries = std::move(undo_);
  undo_.clear();
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    if (it->control) it->undo();
  }
}

}  // namespace vexo

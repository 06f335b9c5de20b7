#pragma once
// What the engine changed on a window's controls, so its end gives every
// control back as it was: event filters, widget attributes, focus policies,
// palettes and the engine's properties. Undone last change first.
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace vexo {

class ControlChanges {
 public:
  // Installs `filter` (a child of `control`) on the control; undone by taking
  // it off and deleting it.
  void InstallFilter(QWidget* control, QObject* filter);
  void SetAttribute(QWidget* control, Qt::WidgetAttribute attribute, bool on);
  void SetMouseTracking(QWidget* control, bool on);
  void SetFocusPolicy(QWidget* control, Qt::FocusPolicy policy);
  void SetPalette(QWidget* control, const QPalette& palette);
  // Records that the engine set the property `name` on the control.
  void SetProperty(QObject* control, const char* name, long long value);
  // Any other change: `undo` runs at the end while `control` still exists.
  void Add(QObject* control, std::function<void()> undo);

  // Gives everything back, last change first, and forgets it.
  void UndoAll();
  bool Empty() const { return undo_.empty(); }

 private:
  struct Entry {
    QPointer<QObject> control;
    std::function<void()> undo;
  };
  std::vector<Entry> undo_;
};

}  // namespace vexo

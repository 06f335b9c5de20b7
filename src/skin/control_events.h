#pragma once
// The event filters that stand where the engine's control procedures would:
// one per skinned control, of its kind, a child of the control. Each finds
// its record through the control's Hw_FuID and Hw_lbID and lets every event
// pass unchanged once the record is gone.
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vexo {

class SkinEngine;

// The common part: the engine and the control served (an item view's filter
// also watches its viewport).
class ControlEvents : public QObject {
 public:
  ControlEvents(SkinEngine* engine, QWidget* control)
      : QObject(control), engine_(engine), control_(control) {}

 protected:
  SkinEngine* engine_;
  QWidget* control_;
};

// Push buttons, check boxes, radio buttons and image buttons.
class ButtonEvents : public ControlEvents {
 public:
  using ControlEvents::ControlEvents;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class SliderEvents : public ControlEvents {
 public:
  using ControlEvents::ControlEvents;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class EditEvents : public ControlEvents {
 public:
  using ControlEvents::ControlEvents;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class ComboEvents : public ControlEvents {
 public:
  using ControlEvents::ControlEvents;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class ListEvents : public ControlEvents {
 public:
  using ControlEvents::ControlEvents;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

class HeaderEvents : public ControlEvents {
 public:
  using ControlEvents::ControlEvents;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace vexo

#pragma once
// The event filters that stand where the engine's window procedures would:
// one on each skinned window, one on each see-through control and one on
// each container. They handle the events the skin draws or reacts to and let
// everything else reach the widget.
#include <QGraphicsEffect>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace vexo {

class SkinEngine;

class WindowEvents : public QObject {
 public:
  explicit WindowEvents(SkinEngine* engine) : engine_(engine) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SkinEngine* engine_;
};

// Watches the whole application while a caption button glows: the pointer
// entering a child control of the window leaves the window's own surface
// without a leave event of its own, and the glow must end as on a leave.
class CaptionLeaveWatch : public QObject {
 public:
  explicit CaptionLeaveWatch(SkinEngine* engine) : engine_(engine) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SkinEngine* engine_;
};

class OverlayEvents : public QObject {
 public:
  explicit OverlayEvents(SkinEngine* engine, QObject* parent) : QObject(parent), engine_(engine) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SkinEngine* engine_;
};

// The see-through look of a control made transparent: what the control
// painted, its key-coloured pixels (and the pixels it left unpainted)
// replaced by the background behind it.
class OverlayEffect : public QGraphicsEffect {
 public:
  OverlayEffect(SkinEngine* engine, QWidget* control) : engine_(engine), control_(control) {}

 protected:
  void draw(QPainter* painter) override;

 private:
  SkinEngine* engine_;
  QPointer<QWidget> control_;
};

class ContainerEvents : public QObject {
 public:
  explicit ContainerEvents(SkinEngine* engine, QObject* parent)
      : QObject(parent), engine_(engine) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  SkinEngine* engine_;
};

}  // namespace vexo

#include "platform/controls/slider_bar.h"

#include <QSlider>
#include <algorithm>

#include "platform/controls/ui_thread.h"

namespace vexo {
namespace {

int ClampValue(int v) {
  return std::clamp(v, kSliderValueMin, kSliderValueMax);
}

QSlider* AsSlider(QWidget* w) {
  return static_cast<QSlider*>(w);
}

}  // namespace

SliderBar::SliderBar(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kSliderBar, new QSlider(Qt::Horizontal, parent)) {
  QSlider* slider = AsSlider(Widget());
  slider->setTracking(true);
  // Only user actions raise the event; the position the handler reads is the
  // one the action has just produced.
  QObject::connect(slider, &QSlider::actionTriggered, slider, [this](int action) {
    if (action == QAbstractSlider::SliderNoAction) return;
    if (onPositionChanged) onPositionChanged();
  });
}

int SliderBar::Minimum() const {
  return CallOnUi([&] { return AsSlider(Widget())->minimum(); });
}

int SliderBar::Maximum() const {
  return CallOnUi([&] { return AsSlider(Widget())->maximum(); });
}

int SliderBar::Position() const {
  return CallOnUi([&] { return AsSlider(Widget())->sliderPosition(); });
}

void SliderBar::SetMinimum(int value) {
  CallOnUi([&] {
    QSlider* s = AsSlider(Widget());
    int v = ClampValue(value);
    s->setRange(v, std::max(v, s->maximum()));
  });
}

void SliderBar::SetMaximum(int value) {
  CallOnUi([&] {
    QSlider* s = AsSlider(Widget());
    // A maximum below the minimum (a song whose length cannot be read) pins
    // the range at the minimum; the minimum itself never moves, so the next
    // song's range starts where the logic set it.
    int v = std::max(ClampValue(value), s->minimum());
    s->setRange(s->minimum(), v);
  });
}

void SliderBar::SetPosition(int value) {
  CallOnUi([&] {
    QSlider* s = AsSlider(Widget());
    int v = std::clamp(ClampValue(value), s->minimum(), s->maximum());
    QSignalBlocker quiet(s);
    s->setValue(v);
    s->setSliderPosition(v);
  });
}

void SliderBar::SetPageStep(int step) {
  CallOnUi([&] { AsSlider(Widget())->setPageStep(step); });
}

void SliderBar::SetLineStep(int step) {
  CallOnUi([&] { AsSlider(Widget())->setSingleStep(step); });
}

void SliderBar::SetTicksBelow(bool on) {
  CallOnUi([&] {
    QSlider* s = AsSlider(Widget());
    s->setTickPosition(on ? QSlider::TicksBelow : QSlider::NoTicks);
    s->setTickInterval(1);
  });
}

}  // namespace vexo

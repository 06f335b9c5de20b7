// The look of a skinned slider in its current state. The channel and the
// knob sit where the slider's own style puts its groove and handle, so the
// knob is drawn exactly where the user grabs it.
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

#include "imaging/graphics.h"
#include "skin/skin_engine.h"
#include "skin/slider_painter.h"

namespace vexo {

using namespace skin;

namespace {

// The style option the slider itself lays its parts out with.
QStyleOptionSlider SliderOption(const QSlider* slider) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.subControls = QStyle::SC_None;
  option.activeSubControls = QStyle::SC_None;
  option.orientation = slider->orientation();
  option.maximum = slider->maximum();
  option.minimum = slider->minimum();
  option.tickPosition = static_cast<QSlider::TickPosition>(slider->tickPosition());
  option.tickInterval = slider->tickInterval();
  option.upsideDown = slider->orientation() == Qt::Horizontal
                          ? slider->invertedAppearance() != (option.direction == Qt::RightToLeft)
                          : !slider->invertedAppearance();
  option.direction = Qt::LeftToRight;
  option.sliderPosition = slider->sliderPosition();
  option.sliderValue = slider->value();
  option.singleStep = slider->singleStep();
  option.pageStep = slider->pageStep();
  if (slider->orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  return option;
}

}  // namespace

QImage SkinEngine::RenderSlider(const QWidget* control) const {
  auto* self = const_cast<SkinEngine*>(this);
  const SliderRecord* record = self->ControlRecordOf(control, &WindowRecord::sliders);
  const auto* slider = qobject_cast<const QSlider*>(control);
  if (record == nullptr || slider == nullptr) return {};
  const QStyleOptionSlider option = SliderOption(slider);
  QStyle* style = slider->style();
  SliderLook look;
  look.size = slider->size();
  look.groove = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, slider);
  look.handle = style->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
  look.atMaximum = slider->sliderPosition() == slider->maximum();
  look.hot = record->hot;
  look.vertical = record->vertical;
  look.tickPlacement = record->tickPlacement;
  look.option = settings_.sliderOption;
  look.themeColour = settings_.themeColour;

  QImage surface = ControlSurface(control);
  ImgGraphics g;
  g.CreateFromDevice(&surface);
  PaintSlider(g, look);
  g.Delete();
  return surface;
}

}  // namespace vexo

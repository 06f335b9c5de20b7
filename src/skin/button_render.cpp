// The looks of skinned buttons in their current state, and image buttons.
#include <QAbstractButton>

#include "imaging/graphics.h"
#include "platform/controls/qt_text.h"
#include "skin/check_box_painter.h"
#include "skin/control_constants.h"
#include "skin/image_button_painter.h"
#include "skin/push_button_painter.h"
#include "skin/radio_button_painter.h"
#include "skin/skin_engine.h"
#include "skin/window_properties.h"

namespace vexo {

using namespace skin;

namespace {

// The caption as drawn: a single "&" marks the shortcut letter and is not
// shown, "&&" shows one.
QString ShownCaption(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&')) {
      if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) shown += QLatin1Char('&');
      ++i;
      if (i < text.size() && text[i] != QLatin1Char('&')) shown += text[i];
      continue;
    }
    shown += text[i];
  }
  return shown;
}

}  // namespace

int SkinEngine::ButtonState(const QWidget* control) const {
  auto* self = const_cast<SkinEngine*>(this);
  WindowRecord* window = nullptr;
  int index = 0;
  const ButtonRecord* record =
      self->ControlRecordOf(control, &WindowRecord::pushButtons, &window, &index);
  if (record == nullptr) return 0;
  int state = 0;
  if (const auto* button = qobject_cast<const QAbstractButton*>(control);
      button && button->isDown())
    state |= kStateSelected;
  if (!control->isEnabled()) state |= kStateDisabled;
  if (record->focused) state |= kStateFocus;
  if (window->hot.lastHotButton == index) state |= kStateHot;
  return state;
}

QImage SkinEngine::RenderButton(const QWidget* control) const {
  auto* self = const_cast<SkinEngine*>(this);
  const ButtonRecord* record = self->ControlRecordOf(control, &WindowRecord::pushButtons);
  if (record == nullptr) return {};
  ButtonLook look;
  look.size = control->size();
  look.state = ButtonState(control);
  look.fontName = record->fontName;
  look.fontSize = record->fontSize;
  look.fontStyle = record->fontStyle;
  look.textColour = HasProp(control, kKjZtys) ? static_cast<ColorRef>(GetProp(control, kKjZtys))
                                              : record->textColour;
  look.themeColour = settings_.themeColour;
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
    look.text = FromQString(ShownCaption(button->text()));
    look.checked = button->isChecked();
  }

  QImage surface = ControlSurface(control);
  ImgGraphics g;
  g.CreateFromDevice(&surface);
  switch (record->kind) {
    case kButtonKindPush:
      PaintPushButton(g, look);
      break;
    case kButtonKindCheck:
      PaintCheckBox(g, look, CheckBoxSquare(control->devicePixelRatioF()),
                    CheckMark(control->devicePixelRatioF()));
      break;
    case kButtonKindRadio:
      PaintRadioButton(g, look);
      break;
    default:
      PaintImageButton(g, look, record->images);
      break;
  }
  g.Delete();
  return surface;
}

// --- Image buttons -------------------------------------------------------------

ButtonRecord* SkinEngine::ImageButtonRecord(QWidget* button, int kind) {
  const int index = WindowIndexOfControl(button);
  if (index == 0 || WindowIndexOf(button) != 0) return nullptr;
  ButtonRecord* record = ControlRecordOf(button, &WindowRecord::pushButtons);
  if (record == nullptr) {
    RegisterButton(index, button, kind);
    record = ControlRecordOf(button, &WindowRecord::pushButtons);
  }
  if (record != nullptr) record->kind = kind;
  return record;
}

bool SkinEngine::SkinImageButton(QWidget* button, const ByteSet& picture, int states,
                                 const Text& tooltip) {
  ImgBitmap strip;
  if (button == nullptr || states < 1 || states > 4 || !strip.LoadFromBytes(picture)) return false;
  const int width = static_cast<int>(strip.Width()) / states;
  if (width < 1) return false;
  std::vector<ImgBitmap> images(static_cast<std::size_t>(states));
  for (int i = 0; i < states; ++i) {
    if (!strip.CloneArea(i * width, 0, width, static_cast<int>(strip.Height()),
                         images[static_cast<std::size_t>(i)]))
      return false;
  }
  ButtonRecord* record = ImageButtonRecord(button, kButtonKindImage);
  if (record == nullptr) return false;
  record->images = std::move(images);
  record->value = states;
  Record(WindowIndexOfControl(button))->changes.Add(button, [button, was = button->toolTip()] {
    button->setToolTip(was);
  });
  button->setToolTip(ToQString(tooltip));
  button->update();
  return true;
}

bool SkinEngine::SkinImageButtonEx(QWidget* button, const std::vector<ByteSet>& pictures,
                                   const Text& tooltip) {
  if (button == nullptr || pictures.empty() || pictures.size() > 4) return false;
  std::vector<ImgBitmap> images(pictures.size());
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    if (!pictures[i].empty() && !images[i].LoadFromBytes(pictures[i])) return false;
  }
  if (images[0].IsEmpty()) return false;
  ButtonRecord* record = ImageButtonRecord(button, kButtonKindImageFourState);
  if (record == nullptr) return false;
  record->images = std::move(images);
  record->value = static_cast<int>(pictures.size());
  Record(WindowIndexOfControl(button))->changes.Add(button, [button, was = button->toolTip()] {
    button->setToolTip(was);
  });
  button->setToolTip(ToQString(tooltip));
  button->update();
  return true;
}

}  // namespace vexo

#pragma once
// What every control has: a name, a kind, a place on its window, visibility and
// the disabled flag.
#include <QPointer>
#include <QWidget>
#include <string>

#include "platform/text.h"

namespace vexo {

enum class ControlKind {
  kWindow,
  kTransLabel,
  kLabel,
  kButton,
  kCheckBox,
  kPicBtn,
  kPicBox,
  kSliderBar,
  kTimer,
  kListView,
  kListBox,
  kEditBox,
  kGroupBox,
  kMediaPlay
};

// RGB as 0xRRGGBB.
using Rgb = unsigned int;

class Control {
 public:
  Control(std::string name, ControlKind kind, QWidget* widget);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }  // UTF-8, e.g. 按钮1
  ControlKind Kind() const { return kind_; }
  QWidget* Widget() const { return widget_; }

  void SetVisible(bool visible);
  bool IsVisible() const;
  void SetDisabled(bool disabled);
  bool IsDisabled() const;
  void SetGeometry(int left, int top, int width, int height);
  void SetTextColor(Rgb rgb);
  // Font by face name and character height in pixels; an empty face keeps the
  // default face (the platform substitutes a face that is not installed).
  void SetFont(const std::string& faceUtf8, int pixelHeight, bool bold = false);

 private:
  std::string name_;
  ControlKind kind_;
  QPointer<QWidget> widget_;
};

}  // namespace vexo

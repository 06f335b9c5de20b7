#pragma once
// A picture button with four picture slots: normal, mouse over, pressed and
// disabled. An empty slot falls back to the normal picture.
#include <array>
#include <functional>

#include "platform/controls/control.h"

namespace vexo {

class PicBtn : public Control {
 public:
  enum Slot { kNormal = 0, kHover = 1, kPressed = 2, kDisabled = 3 };
  PicBtn(std::string name, QWidget* parent);
  void SetPicture(Slot slot, const ByteSet& bytes);
  ByteSet Picture(Slot slot) const;
  std::function<void()> onClick;

 private:
  class View;
  View* view_;
};

}  // namespace vexo

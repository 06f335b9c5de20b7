#pragma once
// A one-line edit box. The key-down event carries the key code and the shift
// state; the content-changed event comes for every change of the text, typed
// or set by the logic.
#include <functional>

#include "platform/controls/control.h"

namespace vexo {

class EditBox : public Control {
 public:
  EditBox(std::string name, QWidget* parent);
  void SetText(const Text& text);
  Text GetText() const;
  std::function<void(int keyCode, int shiftState)> onKeyDown;
  std::function<void()> onContentChanged;

 private:
  class View;
};

}  // namespace vexo

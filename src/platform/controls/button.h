#pragma once
// A push button with a caption.
#include <functional>

#include "platform/controls/control.h"

namespace vexo {

class Button : public Control {
 public:
  Button(std::string name, QWidget* parent);
  void SetCaption(const Text& caption);
  Text Caption() const;
  std::function<void()> onClick;
};

}  // namespace vexo

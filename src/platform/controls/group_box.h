#pragma once
// A group box: a frame with an optional title that holds other controls.
#include "platform/controls/control.h"

namespace vexo {

class GroupBox : public Control {
 public:
  GroupBox(std::string name, QWidget* parent);
  void SetCaption(const Text& caption);
  Text Caption() const;
};

}  // namespace vexo

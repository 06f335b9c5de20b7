#pragma once
// A check box; the click event comes after the tick has changed.
#include <functional>

#include "platform/controls/control.h"

namespace vexo {

class CheckBox : public Control {
 public:
  CheckBox(std::string name, QWidget* parent);
  void SetCaption(const Text& caption);
  Text Caption() const;
  bool IsTicked() const;
  void SetTicked(bool ticked);
  std::function<void()> onClick;
};

}  // namespace vexo

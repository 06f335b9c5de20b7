#pragma once
// A horizontal slider. Every value set is clamped into 0..32767 first; the
// position is then kept within minimum..maximum. Only SetMinimum moves the
// minimum: a maximum set below it leaves the range at the minimum alone. The
// position-changed event comes for every move of the thumb by the user (a
// click on the bar, each step of a drag, a key), never when the logic sets
// the position and not for the release that ends a drag.
#include <functional>

#include "platform/controls/control.h"

namespace vexo {

inline constexpr int kSliderValueMin = 0;
inline constexpr int kSliderValueMax = 32767;

class SliderBar : public Control {
 public:
  SliderBar(std::string name, QWidget* parent);
  int Minimum() const;
  int Maximum() const;
  int Position() const;
  void SetMinimum(int value);
  void SetMaximum(int value);
  void SetPosition(int value);
  void SetPageStep(int step);
  void SetLineStep(int step);
  // Tick marks below the channel at every position.
  void SetTicksBelow(bool on);
  std::function<void()> onPositionChanged;
};

}  // namespace vexo

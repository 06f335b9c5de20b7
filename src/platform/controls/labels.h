#pragma once
// Static texts: the see-through label of one line and the plain label.
#include <QLabel>

#include "platform/controls/control.h"

namespace vexo {

enum class HAlign { kLeft, kCentre, kRight };

// Draws its text on one line with a transparent background, in its own
// colour, font and alignment (always vertically centred).
class TransLabel : public Control {
 public:
  TransLabel(std::string name, QWidget* parent);
  void SetText(const Text& text);
  Text GetText() const;
  void SetAlignment(HAlign align);
  // The hand pointer over the label (a link).
  void SetHandCursor();
  // Left button pressed on the label.
  std::function<void()> onLeftButtonDown;

 private:
  class View;
};

class Label : public Control {
 public:
  Label(std::string name, QWidget* parent);
  void SetCaption(const Text& caption);
  Text Caption() const;
};

}  // namespace vexo

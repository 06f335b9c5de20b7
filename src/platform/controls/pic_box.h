#pragma once
// A picture box: shows a picture held as a byte set, tiled from its top-left
// corner; an animated picture plays. An empty byte set shows no picture.
#include "platform/controls/control.h"

namespace vexo {

class PicBox : public Control {
 public:
  PicBox(std::string name, QWidget* parent);
  void SetPicture(const ByteSet& bytes);
  ByteSet Picture() const;
  // True when the picture set last decodes and is being drawn.
  bool ShowsPicture() const;

 private:
  class View;
  View* view_;
};

}  // namespace vexo

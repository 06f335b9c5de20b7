#include "skin/colour_ref.h"

#include <QGuiApplication>
#include <QPalette>

namespace vexo {

ColorRef ButtonFaceColour() {
  QColor face = QGuiApplication::palette().color(QPalette::Button);
  return MakeColorRef(face.red(), face.green(), face.blue());
}

}  // namespace vexo

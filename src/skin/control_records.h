#pragma once
// What the skin engine keeps per skinned child control, one list per kind on
// the owning window's record. A control's place in its list (from 1) is kept
// on it under Hw_lbID, its window's index under Hw_FuID.
#include <QPointer>
#include <QWidget>
#include <vector>

#include "imaging/bitmap.h"
#include "platform/text.h"
#include "skin/colour_ref.h"

namespace vexo {

// A push button, check box, radio button or image button.
struct ButtonRecord {
  QPointer<QWidget> control;
  int kind = 0;  // skin::kButtonKind...
  bool focused = false;
  QPointer<QWidget> owner;  // the skinned window
  // The font the text is drawn in, read at registration.
  Text fontName;
  float fontSize = 0;
  int fontStyle = 0;
  ColorRef textColour = 0;
  // Image buttons: the state pictures (normal, hot, pressed, disabled).
  std::vector<ImgBitmap> images;
  int value = 0;
};

// A slider (QSlider; it has no selection range).
struct SliderRecord {
  QPointer<QWidget> control;
  bool vertical = false;
  int tickPlacement = 0;  // skin::kTicks...
  bool hot = false;
};

// An edit box (QLineEdit, also the edit part of a combo box).
struct EditRecord {
  QPointer<QWidget> control;
  bool focused = false;
  bool buttonDown = false;
  // The mouse has just come over the edit box: its next paint of the ring
  // draws it hot, later ones (typing) do not until the mouse comes again.
  bool hotOnce = false;
};

// A combo box; its edit part and its list are registered with those kinds.
struct ComboRecord {
  QPointer<QWidget> control;
  bool focused = false;
  bool hot = false;
};

// A list box, a combo box's list, a list or tree view, a date-time picker.
struct ListRecord {
  QPointer<QWidget> control;
  int kind = 0;  // skin::kList...
  bool focused = false;
  bool hot = false;
  bool arrowKey = false;  // an arrow key is down
};

// The column header of a list view (QHeaderView).
struct HeaderRecord {
  QPointer<QWidget> control;
  bool hot = false;
  int hotItem = 0;  // 1-based section under the mouse, 0 for none
  int lastPaintedHotItem = 0;
  bool buttons = false;  // clickable sections
  int pressedItem = 0;
  bool buttonDown = false;
  Text fontName;
  float fontSize = 0;
  int fontStyle = 0;
};

// A control the engine registers without painting it (progress bars,
// up-down controls).
struct PlainRecord {
  QPointer<QWidget> control;
};

// The window's skinned control under the mouse and the one drawn hot.
struct HotControl {
  // Push buttons and check boxes.
  int buttonUnderMouse = 0;
  int lastHotButton = 0;
  bool forceHotRedraw = false;
  // Edit boxes, sliders and headers: the index drawn hot (0 for none), the
  // index under the mouse, the kind (skin::kHotKind...) and the parent.
  int index = 0;
  int underMouse = 0;
  int kind = 0;
  QPointer<QWidget> parent;
};

}  // namespace vexo

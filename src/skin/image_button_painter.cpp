#include "skin/image_button_painter.h"

#include "skin/control_constants.h"

namespace vexo::skin {

namespace {

enum Slot { kNormal = 0, kHot = 1, kPressed = 2, kDisabled = 3 };

int SlotOf(int state) {
  if ((state & kStateDisabled) != 0) return kDisabled;
  if ((state & kStateSelected) != 0) return kPressed;
  if ((state & kStateHot) != 0) return kHot;
  return kNormal;
}

}  // namespace

void PaintImageButton(ImgGraphics& g, const ButtonLook& look,
                      const std::vector<ImgBitmap>& images) {
  auto usable = [&](int slot) {
    return slot < static_cast<int>(images.size()) &&
           !images[static_cast<std::size_t>(slot)].IsEmpty();
  };
  int slot = SlotOf(look.state);
  if (!usable(slot)) slot = kNormal;
  if (!usable(slot)) return;
  const ImgBitmap& picture = images[static_cast<std::size_t>(slot)];
  const auto w = static_cast<float>(picture.Width());
  const auto h = static_cast<float>(picture.Height());
  g.DrawImageRect(picture, static_cast<float>(static_cast<int>(look.size.width() - w) / 2),
                  static_cast<float>(static_cast<int>(look.size.height() - h) / 2), w, h);
}

}  // namespace vexo::skin

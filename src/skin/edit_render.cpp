// The looks of skinned edit boxes and lists: the ring around their content
// and the veiled picture under their text and rows.
#include <QAbstractScrollArea>
#include <QFrame>

#include "imaging/brush.h"
#include "imaging/graphics.h"
#include "skin/control_constants.h"
#include "skin/ring_painter.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

QRegion SkinEngine::RingOf(const QWidget* control) {
  return QRegion(control->rect()) - QRegion(control->contentsRect());
}

bool SkinEngine::HasRing(const QWidget* control) const {
  auto* self = const_cast<SkinEngine*>(this);
  if (const ListRecord* list = self->ControlRecordOf(control, &WindowRecord::lists)) {
    const auto* frame = qobject_cast<const QFrame*>(control);
    return list->kind != kListComboList && frame != nullptr &&
           frame->frameShape() != QFrame::NoFrame;
  }
  return self->ControlRecordOf(control, &WindowRecord::edits) != nullptr;
}

QImage SkinEngine::RenderEdit(const QWidget* control, bool hot) const {
  auto* self = const_cast<SkinEngine*>(this);
  const EditRecord* record = self->ControlRecordOf(control, &WindowRecord::edits);
  if (record == nullptr) return {};
  RingLook look;
  look.size = control->size();
  look.inner = control->contentsRect();
  look.hot = hot;
  look.focused = record->focused;
  look.veil = settings_.veilAlphaGiven;
  look.veilAlpha = settings_.veilAlpha;
  look.themeColour = settings_.themeColour;
  QImage surface = ControlSurface(control);
  ImgGraphics g;
  g.CreateFromDevice(&surface);
  PaintRing(g, look);
  if (look.veil) {
    // The text lies on the picture seen through the veil.
    ImgSolidBrush veil;
    veil.Create(MakeArgb(settings_.veilAlpha, 255, 255, 255));
    g.FillRectangle(veil, static_cast<float>(look.inner.x()), static_cast<float>(look.inner.y()),
                    static_cast<float>(look.inner.width()),
                    static_cast<float>(look.inner.height()));
  }
  g.Delete();
  return surface;
}

QImage SkinEngine::RenderListRing(const QWidget* control) const {
  auto* self = const_cast<SkinEngine*>(this);
  const ListRecord* record = self->ControlRecordOf(control, &WindowRecord::lists);
  if (record == nullptr || !HasRing(control)) return {};
  RingLook look;
  look.size = control->size();
  look.inner = control->contentsRect();
  look.hot = record->hot;
  look.focused = record->focused;
  look.veil = settings_.veilAlphaGiven;
  look.veilAlpha = settings_.veilAlpha;
  look.list = true;
  look.themeColour = settings_.themeColour;
  QImage surface = ControlSurface(control);
  ImgGraphics g;
  g.CreateFromDevice(&surface);
  PaintRing(g, look);
  g.Delete();
  return surface;
}

QImage SkinEngine::RenderListBackground(const QWidget* viewport) const {
  // A viewport has no frame of its own: its client area is all of it.
  return settings_.veilAlphaGiven ? VeilImage(viewport) : QImage();
}

}  // namespace vexo

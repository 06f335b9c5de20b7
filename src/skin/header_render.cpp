// The look of a skinned list header in its current state: one tile per
// visible section in the order they are shown, the last one reaching the
// list's right edge.
#include <QAbstractItemView>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>

#include "imaging/graphics.h"
#include "platform/controls/qt_text.h"
#include "skin/header_painter.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

namespace {

// The section's picture at the header's resolution, if it has one.
QImage SectionImage(const QHeaderView* header, int logical, int height) {
  const QVariant decoration =
      header->model()->headerData(logical, header->orientation(), Qt::DecorationRole);
  const qreal ratio = header->devicePixelRatioF();
  if (decoration.canConvert<QIcon>() && decoration.typeId() == QMetaType::QIcon) {
    const QIcon icon = decoration.value<QIcon>();
    const QSize size = icon.actualSize(QSize(height, height));
    return icon.pixmap(size, ratio).toImage();
  }
  if (decoration.typeId() == QMetaType::QPixmap) return decoration.value<QPixmap>().toImage();
  if (decoration.typeId() == QMetaType::QImage) return decoration.value<QImage>();
  return {};
}

Qt::Alignment SectionAlignment(const QHeaderView* header, int logical) {
  const QVariant align =
      header->model()->headerData(logical, header->orientation(), Qt::TextAlignmentRole);
  return align.isValid() ? Qt::Alignment(align.toInt()) : header->defaultAlignment();
}

// The right edge of the list the header belongs to, in the header's
// viewport; -1 when it belongs to none.
int ListRightEdge(const QHeaderView* header) {
  const auto* view = qobject_cast<const QAbstractItemView*>(header->parentWidget());
  if (view == nullptr) return -1;
  const QWidget* rows = view->viewport();
  return header->viewport()->mapFrom(view, rows->geometry().topRight()).x() + 1;
}

}  // namespace

QImage SkinEngine::RenderHeader(const QWidget* control) const {
  auto* self = const_cast<SkinEngine*>(this);
  const HeaderRecord* record = self->ControlRecordOf(control, &WindowRecord::headers);
  const auto* header = qobject_cast<const QHeaderView*>(control);
  if (record == nullptr || header == nullptr || header->model() == nullptr) return {};
  const QWidget* viewport = header->viewport();
  HeaderLook look;
  look.height = viewport->height();
  look.buttons = record->buttons;
  look.veil = settings_.veilAlphaGiven;
  look.veilAlpha = settings_.veilAlpha;
  look.themeColour = settings_.themeColour;
  look.fontName = record->fontName;
  look.fontSize = record->fontSize;
  look.fontStyle = record->fontStyle;
  for (int visual = 0; visual < header->count(); ++visual) {
    const int logical = header->logicalIndex(visual);
    if (logical < 0 || header->isSectionHidden(logical)) continue;
    HeaderSection s;
    s.left = header->sectionViewportPosition(logical);
    s.width = header->sectionSize(logical);
    s.paintedWidth = s.width;
    s.text = FromQString(
        header->model()->headerData(logical, header->orientation(), Qt::DisplayRole).toString());
    s.image = SectionImage(header, logical, look.height);
    const Qt::Alignment align = SectionAlignment(header, logical);
    s.alignRight = align.testFlag(Qt::AlignRight);
    s.alignCentre = align.testFlag(Qt::AlignHCenter);
    s.hot = record->hot && record->hotItem == visual + 1;
    s.pressed = record->pressedItem == visual + 1;
    look.sections.push_back(std::move(s));
  }
  // The last tile reaches the list's right edge, so no empty tail is left.
  const int right = ListRightEdge(header);
  if (!look.sections.empty() && right >= 0) {
    HeaderSection& last = look.sections.back();
    if (last.left + last.width < right) last.paintedWidth = right - last.left;
  }
  QImage surface = ControlSurface(viewport);
  ImgGraphics g;
  g.CreateFromDevice(&surface);
  PaintHeader(g, look);
  g.Delete();
  return surface;
}

}  // namespace vexo

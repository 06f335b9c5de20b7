// Registering a skinned window's child controls: one record per control in
// its kind's list, the engine's numbers on the control, and the kind's event
// filter. Every change is remembered so the engine's end can undo it.
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableView>
#include <QTreeView>
#include <algorithm>

#include "skin/control_constants.h"
#include "skin/control_events.h"
#include "skin/control_font.h"
#include "skin/skin_engine.h"
#include "skin/window_properties.h"

namespace vexo {

using namespace skin;

namespace {

template <class R>
bool Listed(const std::vector<R>& records, const QWidget* control) {
  return std::any_of(records.begin(), records.end(),
                     [control](const R& r) { return r.control == control; });
}

// Numbers `control` as the last of its kind's list (Hw_lbID counts from 1)
// in the window of `index` (Hw_FuID), which is how its filter finds it.
void MarkListed(ControlChanges& changes, QWidget* control, std::size_t listed, int index) {
  changes.SetProperty(control, kHwLbId, static_cast<long long>(listed));
  changes.SetProperty(control, kHwFuId, index);
}

template <class T>
QList<T*> ChildrenOf(QWidget* parent) {
  return parent->findChildren<T*>(Qt::FindDirectChildrenOnly);
}

// The colour a button's text is drawn in: its Kj_Ztys colour, else the text
// colour its palette was given, else black.
ColorRef SeedTextColour(const QWidget* control, QPalette::ColorRole role) {
  if (HasProp(control, kKjZtys)) return static_cast<ColorRef>(GetProp(control, kKjZtys));
  if (!control->testAttribute(Qt::WA_SetPalette)) return 0;
  const QColor c = control->palette().color(role);
  return MakeColorRef(c.red(), c.green(), c.blue());
}

int TickPlacement(const QSlider* slider) {
  switch (slider->tickPosition()) {
    case QSlider::NoTicks:
      return kTicksNone;
    case QSlider::TicksAbove:
      return kTicksTop;
    case QSlider::TicksBothSides:
      return kTicksBoth;
    default:
      return kTicksBottom;
  }
}

// A list or tree view that sorts by its header is left to its own looks.
bool Sorts(const QAbstractItemView* view) {
  if (const auto* table = qobject_cast<const QTableView*>(view)) return table->isSortingEnabled();
  if (const auto* tree = qobject_cast<const QTreeView*>(view)) return tree->isSortingEnabled();
  return false;
}

QHeaderView* ColumnHeaderOf(QWidget* view) {
  if (auto* table = qobject_cast<QTableView*>(view)) return table->horizontalHeader();
  if (auto* tree = qobject_cast<QTreeView*>(view)) return tree->header();
  return nullptr;
}

}  // namespace

void SkinEngine::RegisterControls(int index, QWidget* parent) {
  if (!settings_.controlSkinning || Record(index) == nullptr || parent == nullptr) return;
  for (QPushButton* button : ChildrenOf<QPushButton>(parent))
    RegisterButton(index, button, kButtonKindPush);
  for (QAbstractButton* button : ChildrenOf<QAbstractButton>(parent)) {
    if (auto* check = qobject_cast<QCheckBox*>(button); check != nullptr && !check->isTristate()) {
      RegisterButton(index, check, kButtonKindCheck);
    } else if (qobject_cast<QRadioButton*>(button) != nullptr) {
      RegisterButton(index, button, kButtonKindRadio);
    }
  }
  for (QWidget* child : ChildrenOf<QWidget>(parent)) {
    if (qobject_cast<QLineEdit*>(child) != nullptr) RegisterEdit(index, child);
    if (qobject_cast<QComboBox*>(child) != nullptr) RegisterCombo(index, child);
  }
  for (QSlider* slider : ChildrenOf<QSlider>(parent))
    RegisterSlider(index, slider);
  for (QProgressBar* bar : ChildrenOf<QProgressBar>(parent))
    RegisterPlain(index, bar, &WindowRecord::progressBars);
  for (QWidget* child : ChildrenOf<QWidget>(parent)) {
    if (auto* combo = qobject_cast<QComboBox*>(child)) {
      RegisterList(index, combo->view(), kListComboList);
    } else if (qobject_cast<QDateTimeEdit*>(child) != nullptr) {
      RegisterList(index, child, kListDateTime);
    } else if (auto* view = qobject_cast<QAbstractItemView*>(child);
               view != nullptr && !Sorts(view) && qobject_cast<QHeaderView*>(child) == nullptr) {
      if (qobject_cast<QTableView*>(view) != nullptr) {
        RegisterList(index, view, kListView);
      } else if (qobject_cast<QTreeView*>(view) != nullptr) {
        RegisterList(index, view, kListTreeView);
      } else if (qobject_cast<QListView*>(view) != nullptr) {
        RegisterList(index, view, kListBox);
      }
    }
  }
  for (QAbstractSpinBox* spin : ChildrenOf<QAbstractSpinBox>(parent)) {
    if (qobject_cast<QDateTimeEdit*>(spin) == nullptr)
      RegisterPlain(index, spin, &WindowRecord::upDowns);
  }
  for (QHeaderView* header : ChildrenOf<QHeaderView>(parent))
    RegisterHeader(index, header);
  for (QWidget* child : ChildrenOf<QWidget>(parent)) {
    if (QHeaderView* header = ColumnHeaderOf(child)) RegisterHeader(index, header);
  }
}

void SkinEngine::RegisterButton(int index, QWidget* button, int kind) {
  WindowRecord& window = *Record(index);
  if (Listed(window.pushButtons, button)) return;
  ButtonRecord record;
  record.control = button;
  record.kind = kind;
  record.owner = window.window;
  const ControlFont font = FontOfControlOr(button, kButtonFontUtf8, kButtonFontSize);
  record.fontName = font.name;
  record.fontSize = font.size;
  record.fontStyle = font.style;
  record.textColour =
      SeedTextColour(button, kind == kButtonKindPush ? QPalette::ButtonText : QPalette::WindowText);
  record.focused = button->hasFocus();
  window.pushButtons.push_back(std::move(record));
  ControlChanges& changes = window.changes;
  MarkListed(changes, button, window.pushButtons.size(), index);
  changes.InstallFilter(button, new ButtonEvents(this, button));
  // The hot look follows every move over the button; a click gives the focus
  // (and its glow), as the platform's buttons take it.
  changes.SetMouseTracking(button, true);
  changes.SetFocusPolicy(button, Qt::StrongFocus);
  button->update();
}

void SkinEngine::RegisterEdit(int index, QWidget* edit) {
  WindowRecord& window = *Record(index);
  if (Listed(window.edits, edit)) return;
  EditRecord record;
  record.control = edit;
  record.focused = edit->hasFocus();
  window.edits.push_back(record);
  ControlChanges& changes = window.changes;
  MarkListed(changes, edit, window.edits.size(), index);
  // A text colour set before the window was skinned stays.
  if (!HasProp(edit, kKjZtys))
    changes.SetProperty(edit, kKjZtys, SeedTextColour(edit, QPalette::Text));
  changes.InstallFilter(edit, new EditEvents(this, edit));
  changes.SetMouseTracking(edit, true);
  if (auto* line = qobject_cast<QLineEdit*>(edit)) {
    // The ring is two pixels of margin around the text, in place of the
    // style's frame; under a veil the edit box's own base is see-through.
    if (line->hasFrame()) {
      line->setFrame(false);
      changes.Add(line, [line] { line->setFrame(true); });
    }
    const QMargins margins = line->contentsMargins();
    line->setContentsMargins(kEditRingWidth, kEditRingWidth, kEditRingWidth, kEditRingWidth);
    changes.Add(line, [line, margins] { line->setContentsMargins(margins); });
    QPalette palette = line->palette();
    if (settings_.veilAlphaGiven) palette.setColor(QPalette::Base, Qt::transparent);
    const auto colour = static_cast<ColorRef>(GetProp(line, kKjZtys));
    palette.setColor(QPalette::Text, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    changes.SetPalette(line, palette);
    window.connections.push_back(QObject::connect(line, &QLineEdit::textChanged, line,
                                                  [this, line] { OnChildNotification(line); }));
  }
}

void SkinEngine::RegisterCombo(int index, QWidget* control) {
  WindowRecord& window = *Record(index);
  if (Listed(window.combos, control)) return;
  auto* combo = static_cast<QComboBox*>(control);
  ComboRecord record;
  record.control = combo;
  record.focused = combo->hasFocus();
  window.combos.push_back(record);
  ControlChanges& changes = window.changes;
  MarkListed(changes, combo, window.combos.size(), index);
  changes.InstallFilter(combo, new ComboEvents(this, combo));
  // The chosen item's text is shown again in the edit part.
  if (combo->isEditable() && combo->currentIndex() >= 0)
    combo->setEditText(combo->itemText(combo->currentIndex()));
  window.connections.push_back(QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                                                [this, combo] { OnChildNotification(combo); }));
  if (QLineEdit* edit = combo->lineEdit()) RegisterEdit(index, edit);
}

void SkinEngine::RegisterSlider(int index, QWidget* control) {
  WindowRecord& window = *Record(index);
  if (Listed(window.sliders, control)) return;
  auto* slider = static_cast<QSlider*>(control);
  SliderRecord record;
  record.control = slider;
  record.vertical = slider->orientation() == Qt::Vertical;
  record.tickPlacement = TickPlacement(slider);
  window.sliders.push_back(record);
  ControlChanges& changes = window.changes;
  MarkListed(changes, slider, window.sliders.size(), index);
  changes.InstallFilter(slider, new SliderEvents(this, slider));
  // The engine repaints once on entering and once on leaving; the style's own
  // hover repaints would add more. The style turns them on when it polishes
  // the slider, so it is polished first.
  slider->ensurePolished();
  changes.SetMouseTracking(slider, true);
  changes.SetAttribute(slider, Qt::WA_Hover, false);
  slider->update();
}

void SkinEngine::RegisterPlain(int index, QWidget* control,
                               std::vector<PlainRecord> WindowRecord::*list) {
  WindowRecord& window = *Record(index);
  std::vector<PlainRecord>& records = window.*list;
  if (Listed(records, control)) return;
  records.push_back({control});
  MarkListed(window.changes, control, records.size(), index);
}

void SkinEngine::RegisterList(int index, QWidget* control, int kind) {
  WindowRecord& window = *Record(index);
  if (control == nullptr || Listed(window.lists, control)) return;
  ListRecord record;
  record.control = control;
  record.kind = kind;
  record.focused = control->hasFocus();
  window.lists.push_back(record);
  ControlChanges& changes = window.changes;
  MarkListed(changes, control, window.lists.size(), index);
  // Item views take the focus themselves and get painted and moused through
  // their viewport: one filter watches both.
  auto* filter = new ListEvents(this, control);
  changes.InstallFilter(control, filter);
  if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
    QWidget* viewport = area->viewport();
    viewport->installEventFilter(filter);
    changes.SetMouseTracking(viewport, true);
    // A bordered list gets a ring of two pixels, drawn by the engine in place
    // of the style's frame.
    if (kind != kListComboList && area->frameShape() != QFrame::NoFrame) {
      const QFrame::Shape shape = area->frameShape();
      const QFrame::Shadow shadow = area->frameShadow();
      const int width = area->lineWidth();
      area->setFrameStyle(QFrame::Box | QFrame::Plain);
      area->setLineWidth(kEditRingWidth);
      changes.Add(area, [area, shape, shadow, width] {
        area->setFrameStyle(shape | shadow);
        area->setLineWidth(width);
      });
    }
    // Under a veil the rows lie on the picture: the viewport paints no base
    // of its own, which also keeps Qt from scrolling it by copying pixels
    // (the veil stays where the picture is, the rows move over it).
    if (settings_.veilAlphaGiven && kind != kListComboList && viewport->autoFillBackground()) {
      viewport->setAutoFillBackground(false);
      changes.Add(viewport, [viewport] { viewport->setAutoFillBackground(true); });
    }
  } else {
    changes.SetMouseTracking(control, true);
  }
  if (auto* list = qobject_cast<QListWidget*>(control)) {
    window.connections.push_back(QObject::connect(list, &QListWidget::currentRowChanged, list,
                                                  [this, list] { OnChildNotification(list); }));
  }
}

void SkinEngine::RegisterHeader(int index, QWidget* control) {
  WindowRecord& window = *Record(index);
  if (control == nullptr || Listed(window.headers, control)) return;
  auto* header = static_cast<QHeaderView*>(control);
  HeaderRecord record;
  record.control = header;
  record.buttons = header->sectionsClickable();
  const ControlFont font = FontOfControl(header);
  record.fontName = font.name;
  record.fontSize = font.size;
  record.fontStyle = font.style;
  window.headers.push_back(record);
  ControlChanges& changes = window.changes;
  MarkListed(changes, header, window.headers.size(), index);
  auto* filter = new HeaderEvents(this, header);
  changes.InstallFilter(header, filter);
  header->viewport()->installEventFilter(filter);
  changes.SetMouseTracking(header->viewport(), true);
}

}  // namespace vexo

#include "platform/controls/list_box.h"

#include <QListWidget>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"

namespace vexo {

class ListBox::View : public QListWidget {
 public:
  explicit View(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
  }
  int quiet = 0;  // > 0 while the logic changes the list
};

ListBox::ListBox(std::string name, QWidget* parent)
    : Control(std::move(name), ControlKind::kListBox, new View(parent)) {
  view_ = static_cast<View*>(Widget());
  QObject::connect(view_, &QListWidget::currentRowChanged, view_, [this](int row) {
    if (view_->quiet > 0 || row < 0) return;
    if (onItemChosen) onItemChosen();
  });
}

int ListBox::AddItem(const Text& text) {
  return CallOnUi([&] {
    ++view_->quiet;
    view_->addItem(ToQString(text));
    --view_->quiet;
    return view_->count() - 1;
  });
}

void ListBox::Clear() {
  CallOnUi([&] {
    ++view_->quiet;
    view_->clear();
    --view_->quiet;
  });
}

int ListBox::ItemCount() const {
  return CallOnUi([&] { return view_->count(); });
}

Text ListBox::ItemText(int index) const {
  return CallOnUi([&] {
    QListWidgetItem* item = view_->item(index);
    return item ? FromQString(item->text()) : Text();
  });
}

int ListBox::CurrentIndex() const {
  return CallOnUi([&] { return view_->currentRow(); });
}

void ListBox::SetCurrentIndex(int index) {
  CallOnUi([&] {
    ++view_->quiet;
    view_->setCurrentRow(index);
    --view_->quiet;
  });
}

}  // namespace vexo

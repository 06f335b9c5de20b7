#include "platform/controls/list_view.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>

#include "platform/controls/song_table_model.h"
#include "platform/controls/ui_thread.h"

namespace vexo {
namespace {

constexpr int kRowPadding = 4;

std::vector<Text> Headers(const std::vector<ListColumn>& columns) {
  std::vector<Text> headers;
  for (const auto& c : columns)
    headers.push_back(c.header);
  return headers;
}

}  // namespace

class ListView::View : public QTableView {
 public:
  View(ListView* owner, QWidget* parent, const std::vector<ListColumn>& columns)
      : QTableView(parent), owner_(owner), model_(Headers(columns), this) {
    setModel(&model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setSortingEnabled(false);
    setWordWrap(false);
    setMouseTracking(false);
    viewport()->setAttribute(Qt::WA_Hover, false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i)
      setColumnWidth(i, columns[static_cast<size_t>(i)].width);
    // The selection stays as visible without the focus as with it.
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight,
                 pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText,
                 pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
  }

  SongTableModel& Model() { return model_; }

  int SelectedRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
  }

 protected:
  // A layout for appended rows repaints only where they show: below the
  // rows that were there, and nothing at all once the list is longer than
  // the view (the scroll bar follows on its own). Resizing, scrolling and
  // column changes repaint through their own paths; any other layout is done
  // in full.
  void doItemsLayout() override {
    const int firstAppended = model_.TakeFirstAnnounced();
    if (firstAppended < 0) {
      QTableView::doItemsLayout();
      return;
    }
    updateGeometries();
    const int top = rowViewportPosition(firstAppended);
    const QSize size = viewport()->size();
    if (top < size.height()) viewport()->update(0, top, size.width(), size.height() - top);
  }

  // Rows as tall as the list's font needs, as a report view draws them.
  void changeEvent(QEvent* event) override {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
      verticalHeader()->setDefaultSectionSize(fontMetrics().height() + kRowPadding);
  }
  void mousePressEvent(QMouseEvent* event) override {
    QTableView::mousePressEvent(event);
    // A press on the empty part of the list clears the selection.
    if (!indexAt(event->position().toPoint()).isValid()) clearSelection();
    if (event->button() == Qt::RightButton && owner_->onRightButtonDown)
      owner_->onRightButtonDown();
  }
  void mouseDoubleClickEvent(QMouseEvent* event) override {
    QTableView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && owner_->onDoubleClick) owner_->onDoubleClick();
  }

 private:
  ListView* owner_;
  SongTableModel model_;
};

ListView::ListView(std::string name, QWidget* parent, const std::vector<ListColumn>& columns)
    : Control(std::move(name), ControlKind::kListView, new View(this, parent, columns)) {
  view_ = static_cast<View*>(Widget());
}

int ListView::CurrentRow() const {
  return CallOnUi([&] { return view_->SelectedRow(); });
}

void ListView::SetCurrentRow(int row) {
  CallOnUi([&] {
    if (row == -1) {
      view_->clearSelection();
      return;
    }
    if (row < 0 || row >= view_->Model().RowsStored()) return;
    view_->Model().AnnounceRows();
    QModelIndex index = view_->Model().index(row, 0);
    view_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
  });
}

int ListView::RowCount() const {
  return CallOnUi([&] { return view_->Model().RowsStored(); });
}

int ListView::InsertRow() {
  return CallOnUi([&] { return view_->Model().AppendRow(); });
}

Text ListView::Cell(int row, int column) const {
  return CallOnUi([&] { return view_->Model().Cell(row, column); });
}

void ListView::SetCell(int row, int column, const Text& text) {
  CallOnUi([&] { view_->Model().SetCell(row, column, text); });
}

}  // namespace vexo

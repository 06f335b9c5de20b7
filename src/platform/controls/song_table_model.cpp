#include "platform/controls/song_table_model.h"

#include "platform/controls/qt_text.h"

namespace vexo {

SongTableModel::SongTableModel(std::vector<Text> headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

int SongTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SongTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant SongTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return ToQString(Cell(index.row(), index.column()));
}

QVariant SongTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section < 0 || section >= static_cast<int>(headers_.size())) return {};
  return ToQString(headers_[static_cast<size_t>(section)]);
}

Qt::ItemFlags SongTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

int SongTableModel::AppendRow() {
  int row = static_cast<int>(rows_.size());
  beginInsertRows({}, row, row);
  rows_.emplace_back(headers_.size());
  endInsertRows();
  return row;
}

Text SongTableModel::Cell(int row, int column) const {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return {};
  const auto& cells = rows_[static_cast<size_t>(row)];
  if (column < 0 || column >= static_cast<int>(cells.size())) return {};
  return cells[static_cast<size_t>(column)];
}

bool SongTableModel::SetCell(int row, int column, const Text& text) {
  if (row < 0 || row >= static_cast<int>(rows_.size())) return false;
  auto& cells = rows_[static_cast<size_t>(row)];
  if (column < 0 || column >= static_cast<int>(cells.size())) return false;
  cells[static_cast<size_t>(column)] = text;
  QModelIndex i = index(row, column);
  Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
  return true;
}

}  // namespace vexo

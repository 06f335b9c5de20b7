#include "platform/controls/song_table_model.h"

#include "platform/controls/qt_text.h"

#include <utility>

namespace vexo {

SongTableModel::SongTableModel(std::vector<Text> headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {
  endOfFrame_.setSingleShot(true);
  endOfFrame_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&endOfFrame_, &QTimer::timeout, this, [this] { AnnounceRows(); });
}

int SongTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : announced_;
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
  const int row = static_cast<int>(rows_.size());
  rows_.emplace_back(headers_.size());
  if (endOfFrame_.isActive()) return row;  // announced with the frame's others
  const qint64 since =
      sinceAnnouncement_.isValid() ? sinceAnnouncement_.elapsed() : kRowAnnouncementFrameMs;
  if (since >= kRowAnnouncementFrameMs) {
    AnnounceRows();
  } else {
    endOfFrame_.start(static_cast<int>(kRowAnnouncementFrameMs - since));
  }
  return row;
}

void SongTableModel::AnnounceRows() {
  endOfFrame_.stop();
  const int stored = static_cast<int>(rows_.size());
  if (announced_ < stored) {
    if (firstAnnounced_ < 0) firstAnnounced_ = announced_;
    beginInsertRows({}, announced_, stored - 1);
    announced_ = stored;
    endInsertRows();
  }
  sinceAnnouncement_.start();
}

int SongTableModel::TakeFirstAnnounced() {
  return std::exchange(firstAnnounced_, -1);
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
  if (row < announced_) {  // a row still to be announced shows its cells then
    QModelIndex i = index(row, column);
    Q_EMIT dataChanged(i, i, {Qt::DisplayRole});
  }
  return true;
}

}  // namespace vexo

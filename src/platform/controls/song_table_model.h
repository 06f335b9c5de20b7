#pragma once
// The rows of a report-view list: texts in the system code page, converted for
// display only when a cell is painted.
#include <QAbstractTableModel>
#include <vector>

#include "platform/text.h"

namespace vexo {

class SongTableModel : public QAbstractTableModel {
 public:
  explicit SongTableModel(std::vector<Text> headers, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int AppendRow();
  // Empty outside the rows or columns.
  Text Cell(int row, int column) const;
  bool SetCell(int row, int column, const Text& text);

 private:
  std::vector<Text> headers_;
  std::vector<std::vector<Text>> rows_;
};

}  // namespace vexo

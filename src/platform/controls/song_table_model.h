#pragma once
// The rows of a report-view list: texts in the system code page, converted for
// display only when a cell is painted.
//
// Rows come in faster than a screen shows them (a chart appends one every few
// milliseconds), and every row the view learns of costs it a new layout and
// a repaint. So appended rows reach the view at most once per frame of the
// screen: a row appended a frame or more after the last announcement is
// announced at once, later ones together at the end of that frame. The list's
// own reads (row count, cells) always see every row.
#include <QAbstractTableModel>
#include <QElapsedTimer>
#include <QTimer>
#include <vector>

#include "platform/text.h"

namespace vexo {

// One frame of a 60 Hz screen, in milliseconds.
inline constexpr int kRowAnnouncementFrameMs = 16;

class SongTableModel : public QAbstractTableModel {
 public:
  explicit SongTableModel(std::vector<Text> headers, QObject* parent = nullptr);

  // What the view knows: the announced rows.
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int AppendRow();
  // Every row appended, announced or not.
  int RowsStored() const { return static_cast<int>(rows_.size()); }
  // Announces the rows the view does not know yet, now.
  void AnnounceRows();
  // The first row announced since the last call, or -1 when none was; the
  // view lays out and paints only what those rows change.
  int TakeFirstAnnounced();
  // Empty outside the rows or columns.
  Text Cell(int row, int column) const;
  bool SetCell(int row, int column, const Text& text);

 private:
  std::vector<Text> headers_;
  std::vector<std::vector<Text>> rows_;
  int announced_ = 0;
  int firstAnnounced_ = -1;
  QElapsedTimer sinceAnnouncement_;
  QTimer endOfFrame_;
};

}  // namespace vexo

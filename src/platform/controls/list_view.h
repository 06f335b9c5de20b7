#pragma once
// A report-view list: columns with headers and widths, whole-row single
// selection kept visible without the focus, grid lines, no hover highlight, no
// sorting, columns that cannot be dragged. Rows are appended; cells are texts.
#include <functional>
#include <vector>

#include "platform/controls/control.h"

namespace vexo {

struct ListColumn {
  Text header;
  int width;
};

class ListView : public Control {
 public:
  ListView(std::string name, QWidget* parent, const std::vector<ListColumn>& columns);

  // The selected row, or -1.
  int CurrentRow() const;
  // An existing row is selected alone; -1 clears the selection; any other
  // index changes nothing.
  void SetCurrentRow(int row);
  int RowCount() const;
  // Appends an empty row; returns its index.
  int InsertRow();
  Text Cell(int row, int column) const;
  void SetCell(int row, int column, const Text& text);

  std::function<void()> onRightButtonDown;
  std::function<void()> onDoubleClick;

 private:
  class View;
  View* view_;
};

}  // namespace vexo

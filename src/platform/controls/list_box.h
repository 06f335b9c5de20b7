#pragma once
// A simple list of text items. The item-chosen event comes when the user
// selects an item (click or keys), never for changes made by the logic.
#include <functional>

#include "platform/controls/control.h"

namespace vexo {

class ListBox : public Control {
 public:
  ListBox(std::string name, QWidget* parent);
  int AddItem(const Text& text);
  void Clear();
  int ItemCount() const;
  // Empty outside the items.
  Text ItemText(int index) const;
  // The selected item, or -1.
  int CurrentIndex() const;
  void SetCurrentIndex(int index);
  std::function<void()> onItemChosen;

 private:
  class View;
  View* view_;
};

}  // namespace vexo

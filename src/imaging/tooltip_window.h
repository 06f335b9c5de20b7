#pragma once
// A tooltip window: shows a short text while the mouse rests over a tool — a
// rectangle of an owner widget (a caption button) or a whole child widget —
// and hides it when the mouse leaves the tool or presses. Tips show even when
// the owner's window is not active. The window is destroyed with the object.
#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

#include "imaging/constants.h"
#include "imaging/object.h"
#include "platform/text.h"

class QLabel;
class QPoint;
class QWidget;

namespace vexo {

class TooltipWindow : public ImgObject {
 public:
  TooltipWindow();
  ~TooltipWindow();

  // Creates the tooltip window, plain or as a balloon (rounded). Needs the
  // widget application. A window already held is destroyed first.
  bool Create(bool balloon = false);
  // Destroys the window and forgets every tool. False when empty.
  bool Destroy();

  // Adds a tool: `rect` of `owner` (owner coordinates), with `text` (system
  // code page) and `id`. A tool of the same owner and id is replaced.
  bool AddTool(QWidget* owner, const QRect& rect, const Text& text, unsigned id);
  // Adds a tool covering the whole widget `child`.
  bool AddWindowTool(QWidget* child, const Text& text);
  bool DeleteTool(QWidget* owner, unsigned id);
  // Moves a tool's rectangle.
  bool MoveTool(QWidget* owner, unsigned id, const QRect& rect);
  // Changes a tool's text (also while its tip shows).
  bool UpdateToolText(QWidget* owner, unsigned id, const Text& text);
  // Colours of the tip (0xAARRGGBB; the alpha is ignored).
  bool SetBackgroundColor(Argb color);
  bool SetTextColor(Argb color);
  // Widest tip in pixels before its text wraps; -1 for no limit. Returns the
  // previous limit.
  int SetMaxWidth(int width);

  // The tooltip window (null when empty).
  QWidget* Window() const;
  int ToolCount() const { return static_cast<int>(tools_.size()); }
  // Whether a tip shows now, and its text.
  bool IsShowing() const;
  QString ShownText() const;

  // Called by the event watcher on the owners.
  bool ShowTipAt(QWidget* owner, const QPoint& pos, const QPoint& global_pos);
  void HideTip();
  void HideTipIfLeft(QWidget* owner, const QPoint& pos);

 private:
  struct Tool {
    QPointer<QWidget> owner;
    unsigned id = 0;
    QRect rect;
    bool whole_window = false;
    QString text;
  };
  class Watcher;

  Tool* FindTool(QWidget* owner, unsigned id);
  void Watch(QWidget* widget);
  void ApplyStyle();

  std::unique_ptr<QLabel> label_;
  std::unique_ptr<Watcher> watcher_;
  std::vector<Tool> tools_;
  const Tool* shown_ = nullptr;
  bool balloon_ = false;
  QColor background_;
  QColor text_color_;
  int max_width_ = -1;
};

}  // namespace vexo

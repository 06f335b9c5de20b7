#include "imaging/tooltip_window.h"

#include <QApplication>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <algorithm>

#include "imaging/qt_convert.h"
#include "imaging/status.h"

namespace vexo {
namespace {

// The tip appears this far below the mouse pointer.
constexpr int kTipOffsetBelowCursor = 20;
// Rounding of balloon tips, in pixels.
constexpr int kBalloonRadius = 6;

// Window tools carry this id; rectangle tools use the ids their adder gives.
constexpr unsigned kWindowToolId = 0xFFFFFFFFu;

}  // namespace

// Sees the events of the owners (the platform's tooltip subclasses them).
class TooltipWindow::Watcher : public QObject {
 public:
  explicit Watcher(TooltipWindow* tip) : tip_(tip) {}

  bool eventFilter(QObject* object, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return false;
    switch (event->type()) {
      case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        return tip_->ShowTipAt(widget, help->pos(), help->globalPos());
      }
      case QEvent::MouseMove:
        tip_->HideTipIfLeft(widget, static_cast<QMouseEvent*>(event)->position().toPoint());
        return false;
      case QEvent::Leave:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::Hide:
        tip_->HideTip();
        return false;
      default:
        return false;
    }
  }

 private:
  TooltipWindow* tip_;
};

TooltipWindow::TooltipWindow() = default;
TooltipWindow::~TooltipWindow() {
  Destroy();
}

bool TooltipWindow::Create(bool balloon) {
  Destroy();
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    return ImgRecord(kStatusNotInitialized);
  }
  balloon_ = balloon;
  const QPalette palette = QToolTip::palette();
  background_ = palette.color(QPalette::ToolTipBase);
  text_color_ = palette.color(QPalette::ToolTipText);
  max_width_ = -1;
  label_ = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
  label_->setAttribute(Qt::WA_ShowWithoutActivating);
  label_->setTextFormat(Qt::PlainText);
  watcher_ = std::make_unique<Watcher>(this);
  ApplyStyle();
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool TooltipWindow::Destroy() {
  if (IsEmpty()) return false;
  for (const Tool& tool : tools_) {
    if (tool.owner) tool.owner->removeEventFilter(watcher_.get());
  }
  tools_.clear();
  shown_ = nullptr;
  label_.reset();
  watcher_.reset();
  ClearHandle();
  return ImgRecord(kStatusOk);
}

void TooltipWindow::ApplyStyle() {
  if (!label_) return;
  label_->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: %2; "
                                       "border: 1px solid %3; padding: 2px 4px; "
                                       "border-radius: %4px; }")
                            .arg(background_.name(), text_color_.name(), text_color_.name(),
                                 QString::number(balloon_ ? kBalloonRadius : 0)));
  label_->setWordWrap(max_width_ > 0);
  label_->setMaximumWidth(max_width_ > 0 ? max_width_ : QWIDGETSIZE_MAX);
}

TooltipWindow::Tool* TooltipWindow::FindTool(QWidget* owner, unsigned id) {
  for (Tool& tool : tools_) {
    if (tool.owner == owner && tool.id == id) return &tool;
  }
  return nullptr;
}

void TooltipWindow::Watch(QWidget* widget) {
  widget->setAttribute(Qt::WA_AlwaysShowToolTips);
  widget->removeEventFilter(watcher_.get());
  widget->installEventFilter(watcher_.get());
}

bool TooltipWindow::AddTool(QWidget* owner, const QRect& rect, const Text& text, unsigned id) {
  if (IsEmpty() || owner == nullptr) return ImgRecord(kStatusInvalidParameter);
  HideTip();
  if (Tool* existing = FindTool(owner, id)) {
    existing->rect = rect;
    existing->text = SystemToQString(text);
    existing->whole_window = false;
  } else {
    tools_.push_back({owner, id, rect, false, SystemToQString(text)});
  }
  Watch(owner);
  return ImgRecord(kStatusOk);
}

bool TooltipWindow::AddWindowTool(QWidget* child, const Text& text) {
  if (IsEmpty() || child == nullptr) return ImgRecord(kStatusInvalidParameter);
  HideTip();
  if (Tool* existing = FindTool(child, kWindowToolId)) {
    existing->text = SystemToQString(text);
  } else {
    tools_.push_back({child, kWindowToolId, QRect(), true, SystemToQString(text)});
  }
  Watch(child);
  return ImgRecord(kStatusOk);
}

bool TooltipWindow::DeleteTool(QWidget* owner, unsigned id) {
  if (IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  const auto it = std::find_if(tools_.begin(), tools_.end(), [&](const Tool& tool) {
    return tool.owner == owner && tool.id == id;
  });
  if (it == tools_.end()) return ImgRecord(kStatusInvalidParameter);
  HideTip();
  tools_.erase(it);
  return ImgRecord(kStatusOk);
}

bool TooltipWindow::MoveTool(QWidget* owner, unsigned id, const QRect& rect) {
  if (IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  Tool* tool = FindTool(owner, id);
  if (tool == nullptr) return ImgRecord(kStatusInvalidParameter);
  tool->rect = rect;
  return ImgRecord(kStatusOk);
}

bool TooltipWindow::UpdateToolText(QWidget* owner, unsigned id, const Text& text) {
  if (IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  Tool* tool = FindTool(owner, id);
  if (tool == nullptr) return ImgRecord(kStatusInvalidParameter);
  tool->text = SystemToQString(text);
  if (shown_ == tool) {
    label_->setText(tool->text);
    label_->adjustSize();
  }
  return ImgRecord(kStatusOk);
}

bool TooltipWindow::SetBackgroundColor(Argb color) {
  if (IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  background_ = QColor(ArgbRed(color), ArgbGreen(color), ArgbBlue(color));
  ApplyStyle();
  return ImgRecord(kStatusOk);
}

bool TooltipWindow::SetTextColor(Argb color) {
  if (IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  text_color_ = QColor(ArgbRed(color), ArgbGreen(color), ArgbBlue(color));
  ApplyStyle();
  return ImgRecord(kStatusOk);
}

int TooltipWindow::SetMaxWidth(int width) {
  if (IsEmpty()) {
    ImgRecord(kStatusInvalidParameter);
    return -1;
  }
  const int previous = max_width_;
  max_width_ = width > 0 ? width : -1;
  ApplyStyle();
  ImgRecord(kStatusOk);
  return previous;
}

QWidget* TooltipWindow::Window() const {
  return label_.get();
}

bool TooltipWindow::IsShowing() const {
  return label_ && shown_ != nullptr && label_->isVisible();
}

QString TooltipWindow::ShownText() const {
  return IsShowing() ? label_->text() : QString();
}

bool TooltipWindow::ShowTipAt(QWidget* owner, const QPoint& pos, const QPoint& global_pos) {
  if (!label_) return false;
  const Tool* found = nullptr;
  for (const Tool& tool : tools_) {
    if (tool.owner == owner && (tool.whole_window || tool.rect.contains(pos))) {
      found = &tool;
      break;
    }
  }
  if (found == nullptr || found->text.isEmpty()) {
    HideTip();
    return false;
  }
  label_->setText(found->text);
  label_->adjustSize();
  QPoint at = global_pos + QPoint(0, kTipOffsetBelowCursor);
  if (const QScreen* screen = owner->screen()) {
    const QRect area = screen->availableGeometry();
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - label_->width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() - label_->height())));
  }
  label_->move(at);
  label_->show();
  shown_ = found;
  return true;
}

void TooltipWindow::HideTip() {
  if (label_) label_->hide();
  shown_ = nullptr;
}

void TooltipWindow::HideTipIfLeft(QWidget* owner, const QPoint& pos) {
  if (shown_ == nullptr || shown_->owner != owner) return;
  if (!shown_->whole_window && !shown_->rect.contains(pos)) HideTip();
}

}  // namespace vexo

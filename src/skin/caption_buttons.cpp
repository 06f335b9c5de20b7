// The caption buttons: their layout, their looks (normal, hover fade,
// pressed), the fade animation and what each button does.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "imaging/brush.h"
#include "imaging/graphics.h"
#include "imaging/linear_brush.h"
#include "imaging/path.h"
#include "imaging/pen.h"
#include "skin/rounded_rect.h"
#include "skin/skin_engine.h"
#include "skin/window_events.h"

namespace vexo {

using namespace skin;

namespace {

float F(double v) {
  return static_cast<float>(v);
}

// The button's drawing rectangle: its hit rectangle one pixel to the left.
QRectF DrawRect(const WindowRecord& r, const CaptionButton& b) {
  return QRectF(b.hit.x() - 1, r.stripY + 1, b.width, b.height);
}

// The button's shape: the rectangle, or for the close button a rounded one.
void AddButtonShape(ImgPath& path, const CaptionButton& b, const QRectF& rect) {
  if (b.kind == kKindClose) {
    AddRoundedRect(path, F(rect.x()), F(rect.y()), F(rect.width()), F(rect.height()), kCloseCorner);
  } else {
    path.AddRectangle(F(rect.x()), F(rect.y()), F(rect.width()), F(rect.height()));
  }
}

const ImgImage& GlyphOf(const WindowRecord& r, const CaptionButton& b) {
  if (b.kind == kKindMaximize && r.maximized && !b.alternatePicture.IsEmpty())
    return b.alternatePicture;
  return b.picture;
}

}  // namespace

void SkinEngine::LayoutCaptionButtons(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window) return;
  r->stripX = r->window->width() - r->stripWidth + 1;
  r->stripHeight = kStripHeight;
  for (int i = 1; i <= static_cast<int>(r->buttons.size()); ++i) {
    CaptionButton& b = r->buttons[static_cast<std::size_t>(i - 1)];
    const int width = b.kind == kKindClose ? kCloseHitWidth : b.width;
    b.hit =
        QRectF(r->stripX + kHitInset + kButtonPitch * (i - 1), r->stripY + 1, width, kButtonHeight);
    if (r->tooltip) r->tooltip->MoveTool(r->window, static_cast<unsigned>(i), b.hit.toRect());
  }
}

int SkinEngine::HitTestCaptionButton(int index, int x, int y) const {
  const WindowRecord* r = Record(index);
  if (r == nullptr) return 0;
  for (int i = 1; i <= static_cast<int>(r->buttons.size()); ++i) {
    const QRectF& hit = r->buttons[static_cast<std::size_t>(i - 1)].hit;
    if (x >= hit.left() && x < hit.right() && y >= hit.top() && y < hit.bottom()) return i;
  }
  return 0;
}

int SkinEngine::FindMaximizeButton(int index) const {
  const WindowRecord* r = Record(index);
  if (r == nullptr) return 0;
  for (int i = 1; i <= static_cast<int>(r->buttons.size()); ++i) {
    if (r->buttons[static_cast<std::size_t>(i - 1)].kind == kKindMaximize) return i;
  }
  return 0;
}

void SkinEngine::RestoreCaptionArea(int index, const QRect& area, ImgGraphics& g) {
  WindowRecord* r = Record(index);
  if (r == nullptr || r->cleanCaption.IsEmpty()) return;
  const QRect inside =
      area.intersected(QRect(QPoint(0, 0), r->cleanCaption.LogicalSize().toSize()));
  if (inside.isEmpty()) return;
  const qreal ratio = r->cleanCaption.DevicePixelRatio();
  const int mode = g.GetCompositingMode();
  g.SetCompositingMode(kCompositingModeSourceCopy);
  g.DrawImageRectRect(r->cleanCaption, QRectF(inside),
                      QRectF(QPointF(inside.topLeft()) * ratio, QSizeF(inside.size()) * ratio));
  g.SetCompositingMode(mode);
}

void SkinEngine::PaintCaptionButton(int index, int button, ImgGraphics& g, bool pressed, bool live,
                                    int alpha) {
  WindowRecord* r = Record(index);
  if (r == nullptr || button < 1 || button > static_cast<int>(r->buttons.size())) return;
  const CaptionButton& b = r->buttons[static_cast<std::size_t>(button - 1)];
  const QRectF rect = DrawRect(*r, b);
  if (live) g.SetSmoothingMode(kSmoothingModeAntiAlias);
  if (pressed) {
    RestoreCaptionArea(index, rect.toAlignedRect(), g);
    ImgPath shape;
    shape.Create();
    AddButtonShape(shape, b, rect);
    ImgLinearBrush fill;
    if (b.kind == kKindClose) {
      fill.Create(0, F(rect.top()), 0, F(rect.bottom()), MakeArgb(255, 255, 0, 0),
                  MakeArgb(kPressedCloseEndAlpha, 255, 255, 255));
    } else {
      fill.Create(0, F(rect.top()), 0, F(rect.bottom()), MakeArgb(kPressedStartAlpha, 0, 0, 0),
                  MakeArgb(kPressedEndAlpha, 255, 255, 255));
    }
    g.FillPath(fill, shape);
    g.DrawImageRect(GlyphOf(*r, b), F(rect.x()), F(rect.y()), F(rect.width()), F(rect.height()));
  } else {
    RestoreCaptionArea(index, rect.toAlignedRect(), g);
    PaintCaptionHover(g, index, button, alpha);
    ImgLinearBrush gloss;
    gloss.Create(0, F(rect.top()), 0, F(rect.top() + rect.height() - 1),
                 MakeArgb(kButtonGlossAlpha, 255, 255, 255), MakeArgb(0, 0, 0, 0));
    g.FillRectangle(gloss, F(rect.x() - 1), F(rect.y()), F(rect.width() + 1), F(rect.height() - 1));
    g.DrawImageRect(GlyphOf(*r, b), F(rect.x()), F(rect.y()), F(rect.width()), F(rect.height()));
    PaintCaptionSeparator(index, button, g);
  }
  if (live && r->window) r->window->update(rect.toAlignedRect().adjusted(-2, -1, 2, 2));
}

void SkinEngine::PaintCaptionHover(ImgGraphics& g, int index, int button, int alpha) {
  WindowRecord* r = Record(index);
  if (r == nullptr || button < 1 || button > static_cast<int>(r->buttons.size())) return;
  const CaptionButton& b = r->buttons[static_cast<std::size_t>(button - 1)];
  const QRectF rect = DrawRect(*r, b);
  const QRectF around(rect.x() - 1, rect.y(), rect.width() + 2, rect.height() + 1);
  RestoreCaptionArea(index, around.toAlignedRect(), g);
  if (alpha <= 0) return;
  const Argb clearWhite = MakeArgb(0, 255, 255, 255);
  ImgLinearBrush shade;
  shade.Create(0, F(around.top()), 0, F(around.bottom()),
               MakeArgb(alpha / kHoverShadeDivisor, 0, 0, 0), clearWhite);
  g.FillRectangle(shade, F(around.x()), F(around.y()), F(around.width()), F(around.height()));

  const ColorRef glowColour = b.kind == kKindClose ? kCloseHoverColour : settings_.themeColour;
  ImgPath shape;
  shape.Create();
  AddButtonShape(shape, b, rect);
  ImgLinearBrush glow;
  glow.Create(0, F(rect.top()), 0, F(rect.bottom()), ToArgb(glowColour, alpha), clearWhite);
  g.FillPath(glow, shape);

  const QRectF upper(rect.x(), rect.y(), rect.width() - 1, kHoverOutlineShare * rect.height());
  ImgPath outline;
  outline.Create();
  AddButtonShape(outline, b, upper);
  ImgLinearBrush edge;
  edge.Create(0, F(upper.top()), 0, F(upper.bottom()),
              MakeArgb(static_cast<int>(kHoverOutlineShare * alpha), 255, 255, 255), clearWhite);
  ImgPen pen;
  pen.CreateFromBrush(edge, 1);
  g.DrawPath(pen, outline);
}

void SkinEngine::PaintCaptionSeparator(int index, int button, ImgGraphics& g) {
  WindowRecord* r = Record(index);
  if (r == nullptr || button < 1 || button > static_cast<int>(r->buttons.size())) return;
  const float top = F(r->stripY + 1);
  const float bottom = F(r->stripY + kStripHeight - kSeparatorBottomInset);
  auto line = [&](double x, int alpha) {
    ImgLinearBrush fade;
    fade.Create(0, top, 0, bottom, MakeArgb(alpha, 0, 0, 0), MakeArgb(0, 0, 0, 0));
    ImgPen pen;
    pen.CreateFromBrush(fade, 1);
    g.DrawLine(pen, F(x), top, F(x), bottom);
  };
  const auto& buttons = r->buttons;
  line(buttons[static_cast<std::size_t>(button - 1)].hit.x() - 2,
       button == 1 ? kFirstSeparatorAlpha : kSeparatorAlpha);
  if (button < static_cast<int>(buttons.size()))
    line(buttons[static_cast<std::size_t>(button)].hit.x() - 2, kSeparatorAlpha);
}

void SkinEngine::ShowCaptionButton(int index, int button, bool pressed, int alpha) {
  WindowRecord* r = Record(index);
  if (r == nullptr || r->cache.IsEmpty() || !r->frameDrawn) return;
  ImgGraphics g;
  g.CreateFromImage(r->cache);
  PaintCaptionButton(index, button, g, pressed, true, alpha);
}

// --- The hover fade -----------------------------------------------------------

void SkinEngine::StartHoverTimer(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr || r->timerRunning) return;
  r->timerRunning = true;
  r->hoverTimer->start();
  if (!leaveWatch_ && qApp != nullptr) {
    leaveWatch_ = std::make_unique<CaptionLeaveWatch>(this);
    qApp->installEventFilter(leaveWatch_.get());
  }
}

void SkinEngine::StopHoverTimer(WindowRecord& record) {
  record.hoverTimer->stop();
  record.timerRunning = false;
  record.previousHot = 0;
  const bool anyRunning =
      std::any_of(windows_.begin(), windows_.end(), [](const auto& w) { return w->timerRunning; });
  if (!anyRunning) leaveWatch_.reset();
}

void SkinEngine::HoverStep(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  if (r->fadeIn != 0 && r->fadeInStep < kHoverSteps) {
    ++r->fadeInStep;
    ShowCaptionButton(index, r->fadeIn, false, kHoverAlphaStep * r->fadeInStep);
  }
  if (r->fadeOut != 0 && r->fadeOutStep < kHoverSteps) {
    ++r->fadeOutStep;
    ShowCaptionButton(index, r->fadeOut, false, kHoverAlphaFull - kHoverAlphaStep * r->fadeOutStep);
  }
  if (!r->timerWanted && (r->fadeOut == 0 || r->fadeOutStep >= kHoverSteps)) StopHoverTimer(*r);
}

// --- Mouse ----------------------------------------------------------------------

void SkinEngine::OnMouseMove(int index, const QPoint& p, const QPoint& global, bool leftDown) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window) return;
  if (r->dragging) {
    if (leftDown) {
      r->window->move(global - r->dragOffset);
      return;
    }
    r->dragging = false;
  }
  r->tracking = true;
  if (r->frameDrawn) {
    const bool inStrip = p.x() >= r->stripX && p.x() <= r->stripX + r->stripWidth && p.y() >= 0 &&
                         p.y() <= r->stripY + r->stripHeight;
    if (inStrip) {
      r->timerWanted = true;
      StartHoverTimer(index);
    } else {
      r->timerWanted = false;
    }
  }
  const int hot = HitTestCaptionButton(index, p.x(), p.y());
  settings_.hotButton = hot;
  if (r->previousHot != 0 && r->previousHot != hot) {
    if (r->fadeOut != 0 && r->fadeOutStep < kHoverSteps)
      ShowCaptionButton(index, r->fadeOut, false, 0);
    r->fadeOut = r->previousHot;
    r->fadeOutStep = 0;
  }
  if (hot != 0 && hot != r->previousHot) {
    r->fadeIn = hot;
    r->fadeInStep = 0;
  }
  r->previousHot = hot;
  UpdateResizeCursor(index, p);
}

void SkinEngine::OnMouseLeave(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  r->tracking = false;
  r->timerWanted = false;
  settings_.hotButton = 0;
  if (r->previousHot != 0 && r->frameDrawn) {
    ShowCaptionButton(index, r->previousHot, false, 0);
    if (r->fadeOut != 0 && r->fadeOut != r->previousHot)
      ShowCaptionButton(index, r->fadeOut, false, 0);
    r->fadeIn = r->fadeOut = 0;
    r->previousHot = 0;
  }
}

void SkinEngine::OnPointerEnteredChild(QWidget* control) {
  if (control == nullptr || control->isWindow()) return;
  const int index = WindowIndexOfControl(control);
  WindowRecord* r = Record(index);
  if (r == nullptr || r->window == control) return;
  if (r->timerRunning || r->previousHot != 0) OnMouseLeave(index);
}

void SkinEngine::OnLeftPress(int index, const QPoint& p, const QPoint& global) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  BeginDragOrResize(index, p, global);
  const int hot = HitTestCaptionButton(index, p.x(), p.y());
  settings_.hotButton = hot;
  if (hot != 0) ShowCaptionButton(index, hot, true, 0);
}

void SkinEngine::OnLeftRelease(int index, const QPoint& p) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  r->dragging = false;
  const int pressed = settings_.hotButton;
  const int hot = HitTestCaptionButton(index, p.x(), p.y());
  settings_.hotButton = hot;
  // The pressed look goes: the button under the mouse shows its hover look.
  if (pressed != 0 && pressed != hot) ShowCaptionButton(index, pressed, false, 0);
  if (hot != 0) ShowCaptionButton(index, hot, false, kHoverAlphaFull);
  if (r->frameDrawn && hot != 0) RunCaptionCommand(index, hot);
}

void SkinEngine::OnDoubleClick(int index, const QPoint& p) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  if (p.y() < r->captionHeight && r->resizable) {
    if (int maximize = FindMaximizeButton(index)) RunCaptionCommand(index, maximize);
  }
}

bool SkinEngine::BeginDragOrResize(int index, const QPoint& p, const QPoint& global) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window || !r->frameDrawn) return false;
  if (p.x() >= r->stripX && p.x() <= r->stripX + r->stripWidth && p.y() >= r->stripY &&
      p.y() <= r->stripY + r->stripHeight)
    return false;
  QWidget* window = r->window;
  QWindow* handle = window->windowHandle();
  if (r->resizable && !r->maximized) {
    Qt::Edges edges;
    if (p.x() < kEdgeZone) edges |= Qt::LeftEdge;
    if (p.x() >= window->width() - kEdgeZone) edges |= Qt::RightEdge;
    if (p.y() < kEdgeZone) edges |= Qt::TopEdge;
    if (p.y() >= window->height() - kEdgeZone) edges |= Qt::BottomEdge;
    if (edges != Qt::Edges()) {
      if (handle != nullptr) handle->startSystemResize(edges);
      return true;
    }
  }
  if (p.y() < r->captionHeight) {
    // The platform moves the window where it can; elsewhere (no window
    // manager) the engine follows the mouse itself.
    if (handle == nullptr || !handle->startSystemMove()) {
      r->dragging = true;
      r->dragOffset = global - window->pos();
    }
    return true;
  }
  return false;
}

void SkinEngine::UpdateResizeCursor(int index, const QPoint& p) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window || !r->resizable) return;
  QWidget* window = r->window;
  const bool left = p.x() < kEdgeZone;
  const bool right = p.x() >= window->width() - kEdgeZone;
  const bool top = p.y() < kEdgeZone;
  const bool bottom = p.y() >= window->height() - kEdgeZone;
  if ((left && top) || (right && bottom)) {
    window->setCursor(Qt::SizeFDiagCursor);
  } else if ((right && top) || (left && bottom)) {
    window->setCursor(Qt::SizeBDiagCursor);
  } else if (left || right) {
    window->setCursor(Qt::SizeHorCursor);
  } else if (top || bottom) {
    window->setCursor(Qt::SizeVerCursor);
  } else {
    window->unsetCursor();
  }
}

// --- Commands ---------------------------------------------------------------------

void SkinEngine::RunCaptionCommand(int index, int button) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window || button < 1 || button > static_cast<int>(r->buttons.size()))
    return;
  QWidget* window = r->window;
  const CaptionButton& b = r->buttons[static_cast<std::size_t>(button - 1)];
  switch (b.kind) {
    case kKindClose:
      // The window's own close request: its may-close handling runs as usual.
      window->close();
      break;
    case kKindMaximize:
      r->fullRepaint = true;
      r->suspended = false;
      if (r->maximized) {
        r->maximized = false;
        window->showNormal();
      } else {
        r->maximized = true;
        window->showMaximized();
      }
      break;
    case kKindMinimize:
      r->suspended = true;
      r->fullRepaint = true;
      window->showMinimized();
      break;
    case kKindMenu:
      if (r->menuHandler) r->menuHandler();
      break;
    case kKindHelp:
      if (r->helpHandler) r->helpHandler();
      break;
    default:
      if (b.handler) {
        auto handler = b.handler;
        handler();
      }
      break;
  }
}

}  // namespace vexo

#include "imaging/path.h"

#include <cmath>
#include <numbers>

#include "imaging/status.h"

namespace vexo {
namespace {

constexpr double kFullTurn = 360.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;

// The angle of the ellipse's parameter (what Qt's arcs take, counter-clockwise)
// for the true clockwise angle `degrees` on an ellipse of radii rx, ry. The
// result stays on the same turn as `degrees`, so sweeps keep their length.
double ParameterAngle(double degrees, double rx, double ry) {
  if (rx == ry || rx <= 0 || ry <= 0) return degrees;
  const double a = degrees * kRadiansPerDegree;
  const double t = std::atan2(rx * std::sin(a), ry * std::cos(a)) / kRadiansPerDegree;
  return t + kFullTurn * std::round((degrees - t) / kFullTurn);
}

// Qt's start and sweep for an arc given clockwise in true angles.
void QtArc(const QRectF& rect, double start, double sweep, double* qt_start, double* qt_sweep) {
  const double rx = rect.width() / 2;
  const double ry = rect.height() / 2;
  if (std::abs(sweep) >= kFullTurn) {
    *qt_start = -ParameterAngle(start, rx, ry);
    *qt_sweep = sweep > 0 ? -kFullTurn : kFullTurn;
    return;
  }
  const double from = ParameterAngle(start, rx, ry);
  const double to = ParameterAngle(start + sweep, rx, ry);
  *qt_start = -from;
  *qt_sweep = -(to - from);
}

}  // namespace

bool ImgPath::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgPath::Create(int fill_mode) {
  Delete();
  if (fill_mode != kFillModeAlternate && fill_mode != kFillModeWinding) {
    return ImgRecord(kStatusInvalidParameter);
  }
  path_ = QPainterPath();
  path_.setFillRule(fill_mode == kFillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
  figure_open_ = false;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgPath::Delete() {
  if (IsEmpty()) return false;
  path_ = QPainterPath();
  figure_open_ = false;
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgPath::Clone(ImgPath& out) const {
  if (!CheckHeld()) return false;
  out.Create(GetFillMode());
  out.path_ = path_;
  out.figure_open_ = figure_open_;
  return ImgRecord(kStatusOk);
}

bool ImgPath::Reset() {
  if (!CheckHeld()) return false;
  path_ = QPainterPath();
  figure_open_ = false;
  return ImgRecord(kStatusOk);
}

int ImgPath::GetFillMode() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return path_.fillRule() == Qt::WindingFill ? kFillModeWinding : kFillModeAlternate;
}

bool ImgPath::SetFillMode(int fill_mode) {
  if (!CheckHeld()) return false;
  if (fill_mode != kFillModeAlternate && fill_mode != kFillModeWinding) {
    return ImgRecord(kStatusInvalidParameter);
  }
  path_.setFillRule(fill_mode == kFillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
  return ImgRecord(kStatusOk);
}

bool ImgPath::StartFigure() {
  if (!CheckHeld()) return false;
  figure_open_ = false;
  return ImgRecord(kStatusOk);
}

bool ImgPath::CloseFigure() {
  if (!CheckHeld()) return false;
  if (figure_open_) path_.closeSubpath();
  figure_open_ = false;
  return ImgRecord(kStatusOk);
}

bool ImgPath::CloseAllFigures() {
  // Figures before the current one were closed or ended when the next began;
  // only the current one can still be open.
  return CloseFigure();
}

void ImgPath::MoveOrConnect(QPointF p) {
  if (figure_open_) {
    if (path_.currentPosition() != p) path_.lineTo(p);
  } else {
    path_.moveTo(p);
    figure_open_ = true;
  }
}

bool ImgPath::AddLine(float x1, float y1, float x2, float y2) {
  if (!CheckHeld()) return false;
  MoveOrConnect(QPointF(x1, y1));
  path_.lineTo(x2, y2);
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddLines(const std::vector<QPointF>& points) {
  if (!CheckHeld()) return false;
  if (points.size() < 2) return ImgRecord(kStatusInvalidParameter);
  MoveOrConnect(points.front());
  for (std::size_t i = 1; i < points.size(); ++i)
    path_.lineTo(points[i]);
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddArc(float x, float y, float width, float height, float start_angle,
                     float sweep_angle) {
  if (!CheckHeld()) return false;
  if (width <= 0 || height <= 0) return ImgRecord(kStatusInvalidParameter);
  const QRectF rect(x, y, width, height);
  double qt_start = 0;
  double qt_sweep = 0;
  QtArc(rect, start_angle, sweep_angle, &qt_start, &qt_sweep);
  if (figure_open_) {
    path_.arcTo(rect, qt_start, qt_sweep);  // joins with a line to the arc's start
  } else {
    path_.arcMoveTo(rect, qt_start);
    path_.arcTo(rect, qt_start, qt_sweep);
    figure_open_ = true;
  }
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddBezier(QPointF p1, QPointF c1, QPointF c2, QPointF p2) {
  if (!CheckHeld()) return false;
  MoveOrConnect(p1);
  path_.cubicTo(c1, c2, p2);
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddRectangle(float x, float y, float width, float height) {
  if (!CheckHeld()) return false;
  // An empty rectangle adds nothing and is not an error.
  if (width > 0 && height > 0) {
    path_.addRect(QRectF(x, y, width, height));
    figure_open_ = false;
  }
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddEllipse(float x, float y, float width, float height) {
  if (!CheckHeld()) return false;
  path_.addEllipse(QRectF(x, y, width, height));
  figure_open_ = false;
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddPie(float x, float y, float width, float height, float start_angle,
                     float sweep_angle) {
  if (!CheckHeld()) return false;
  if (width <= 0 || height <= 0) return ImgRecord(kStatusInvalidParameter);
  const QRectF rect(x, y, width, height);
  double qt_start = 0;
  double qt_sweep = 0;
  QtArc(rect, start_angle, sweep_angle, &qt_start, &qt_sweep);
  path_.moveTo(rect.center());
  path_.arcTo(rect, qt_start, qt_sweep);
  path_.closeSubpath();
  figure_open_ = false;
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddPolygon(const std::vector<QPointF>& points) {
  if (!CheckHeld()) return false;
  if (points.size() < 3) return ImgRecord(kStatusInvalidParameter);
  path_.moveTo(points.front());
  for (std::size_t i = 1; i < points.size(); ++i)
    path_.lineTo(points[i]);
  path_.closeSubpath();
  figure_open_ = false;
  return ImgRecord(kStatusOk);
}

bool ImgPath::AddPath(const ImgPath& other, bool connect) {
  if (!CheckHeld()) return false;
  if (other.IsEmpty()) return ImgRecord(kStatusInvalidParameter);
  if (connect && figure_open_ && other.path_.elementCount() > 0) {
    path_.connectPath(other.path_);
  } else {
    path_.addPath(other.path_);
  }
  figure_open_ = other.figure_open_;
  return ImgRecord(kStatusOk);
}

int ImgPath::GetPointCount() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return path_.elementCount();
}

QPointF ImgPath::GetLastPoint() const {
  if (!CheckHeld()) return {};
  if (path_.elementCount() == 0) {
    ImgRecord(kStatusInvalidParameter);
    return {};
  }
  ImgRecord(kStatusOk);
  const QPainterPath::Element e = path_.elementAt(path_.elementCount() - 1);
  return QPointF(e.x, e.y);
}

QRectF ImgPath::GetBounds() const {
  if (!CheckHeld()) return {};
  ImgRecord(kStatusOk);
  return path_.boundingRect();
}

bool ImgPath::IsVisible(float x, float y) const {
  if (!CheckHeld()) return false;
  ImgRecord(kStatusOk);
  return path_.contains(QPointF(x, y));
}

}  // namespace vexo

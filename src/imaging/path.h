#pragma once
// A path object: figures of lines, arcs, curves and shapes that a drawing
// surface strokes, fills or clips to.
//
// Angles are in degrees, measured clockwise from the x axis (y points down);
// an arc's angles are true angles on its ellipse. Lines and arcs added while a
// figure is open join it, each connected to the point before; rectangles,
// ellipses, pies and polygons are closed figures of their own.
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <vector>

#include "imaging/constants.h"
#include "imaging/object.h"

namespace vexo {

class ImgPath : public ImgObject {
 public:
  ImgPath() = default;
  ~ImgPath() = default;
  ImgPath(ImgPath&&) noexcept = default;
  ImgPath& operator=(ImgPath&&) noexcept = default;

  // A new empty path with the fill mode kFillModeAlternate or kFillModeWinding.
  // A path already held is released first.
  bool Create(int fill_mode = kFillModeAlternate);
  // Releases the path. False, and nothing happens, when empty.
  bool Delete();
  // Makes `out` a copy of this path.
  bool Clone(ImgPath& out) const;

  // Removes every figure; the fill mode returns to alternate.
  bool Reset();
  int GetFillMode() const;
  bool SetFillMode(int fill_mode);
  // The next addition starts a new figure.
  bool StartFigure();
  // Closes the current figure (a line back to its first point).
  bool CloseFigure();
  // Closes every open figure.
  bool CloseAllFigures();

  bool AddLine(float x1, float y1, float x2, float y2);
  // Connected lines through `points` (at least two).
  bool AddLines(const std::vector<QPointF>& points);
  // The arc of the ellipse in (x, y, width, height) from `start_angle`,
  // sweeping `sweep_angle` (clockwise when positive).
  bool AddArc(float x, float y, float width, float height, float start_angle, float sweep_angle);
  bool AddBezier(QPointF p1, QPointF c1, QPointF c2, QPointF p2);
  bool AddRectangle(float x, float y, float width, float height);
  bool AddEllipse(float x, float y, float width, float height);
  bool AddPie(float x, float y, float width, float height, float start_angle, float sweep_angle);
  // A closed polygon through `points` (at least three).
  bool AddPolygon(const std::vector<QPointF>& points);
  // Appends the figures of `other`; with `connect` its first figure joins the
  // current open figure.
  bool AddPath(const ImgPath& other, bool connect);

  // Number of points of the path (curves count their control points).
  int GetPointCount() const;
  // The last point, (0, 0) when the path has none.
  QPointF GetLastPoint() const;
  // The bounding rectangle of the figures, empty when empty.
  QRectF GetBounds() const;
  // Whether (x, y) lies inside the filled path.
  bool IsVisible(float x, float y) const;

  // The figures in Qt's form (empty when the object is empty).
  const QPainterPath& Figures() const { return path_; }

 private:
  bool CheckHeld() const;
  // Starts a figure at `p` unless one is open, else joins it with a line.
  void MoveOrConnect(QPointF p);

  QPainterPath path_;
  bool figure_open_ = false;
};

}  // namespace vexo

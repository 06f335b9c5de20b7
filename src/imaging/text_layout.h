#pragma once
// Lays a text out in a layout rectangle the way the drawing surface draws and
// measures strings: line breaks at word boundaries within the rectangle's
// width (or anywhere when a word is wider), alignment both ways, trimming of
// what does not fit, clipping to the rectangle.
//
// A width or height of 0 means "no limit" in that direction: no wrapping, no
// vertical trimming, no clipping.
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace vexo {

struct TextLayoutOptions {
  int flags = 0;       // kStringFormatFlags... bits
  int align = 0;       // kStringAlignment... horizontally
  int line_align = 0;  // kStringAlignment... vertically
  int trimming = 1;    // kStringTrimming...
};

struct LaidOutLine {
  QString text;      // what is drawn (an ellipsis included when trimmed)
  QPointF baseline;  // where its baseline starts
  double width = 0;
};

struct TextLayoutResult {
  std::vector<LaidOutLine> lines;
  QRectF box;            // the rectangle the visible lines occupy
  int chars_fitted = 0;  // characters of the text in the visible lines
  bool clip = false;     // drawing must be clipped to the layout rectangle
};

TextLayoutResult LayOutText(const QString& text, const QFont& font, const QRectF& rect,
                            const TextLayoutOptions& options);

}  // namespace vexo

#include "imaging/text_layout.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "imaging/constants.h"

namespace vexo {
namespace {

// Lines are laid out this wide when nothing limits their width.
constexpr double kUnlimitedWidth = 1.0e7;
// Tolerance when counting the lines that fit a height.
constexpr double kFitTolerance = 1.0e-3;

struct RawLine {
  int start = 0;
  int length = 0;
};

// Line breaks of every platform form become Qt's line separator.
QString WithLineSeparators(const QString& text) {
  QString out = text;
  out.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
  out.replace(QLatin1Char('\r'), QChar::LineSeparator);
  out.replace(QLatin1Char('\n'), QChar::LineSeparator);
  return out;
}

QString WithoutSeparators(QString s) {
  s.replace(QChar::LineSeparator, QLatin1Char(' '));
  return s;
}

QString WithoutTrailingSpaces(const QString& s) {
  qsizetype end = s.size();
  while (end > 0 && (s[end - 1].isSpace() || s[end - 1] == QChar::LineSeparator))
    --end;
  return s.left(end);
}

std::vector<RawLine> BreakLines(const QString& text, const QFont& font, double width, bool wrap,
                                bool rtl) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(wrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
  layout.setTextOption(option);
  std::vector<RawLine> lines;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(wrap ? width : kUnlimitedWidth);
    lines.push_back({line.textStart(), line.textLength()});
  }
  layout.endLayout();
  return lines;
}

Qt::TextElideMode ElideModeOf(int trimming) {
  return trimming == kStringTrimmingEllipsisPath ? Qt::ElideMiddle : Qt::ElideRight;
}

bool IsEllipsisTrimming(int trimming) {
  return trimming == kStringTrimmingEllipsisCharacter || trimming == kStringTrimmingEllipsisWord ||
         trimming == kStringTrimmingEllipsisPath;
}

int VisibleLineCount(int total, double height, double line_spacing,
                     const TextLayoutOptions& options) {
  if (height <= 0) return total;
  const double fit = height / line_spacing;
  const int whole = static_cast<int>(std::floor(fit + kFitTolerance));
  if ((options.flags & kStringFormatFlagsLineLimit) != 0) return std::min(total, whole);
  if (options.trimming != kStringTrimmingNone) {
    // Trimmed text shows whole lines only, but never less than one.
    return std::min(total, std::max(1, whole));
  }
  return std::min(total, static_cast<int>(std::ceil(fit - kFitTolerance)));
}

// Offset of a span of `size` within `room` by an alignment; with no room the
// span is placed around the edge.
double AlignOffset(int align, double room, double size) {
  if (align == kStringAlignmentCenter) return room > 0 ? (room - size) / 2 : -size / 2;
  if (align == kStringAlignmentFar) return room > 0 ? room - size : -size;
  return 0;
}

}  // namespace

TextLayoutResult LayOutText(const QString& raw_text, const QFont& font, const QRectF& rect,
                            const TextLayoutOptions& options) {
  TextLayoutResult result;
  result.box = QRectF(rect.x(), rect.y(), 0, 0);
  result.clip =
      (options.flags & kStringFormatFlagsNoClip) == 0 && rect.width() > 0 && rect.height() > 0;
  if (raw_text.isEmpty()) return result;

  const QString text = WithLineSeparators(raw_text);
  const QFontMetricsF metrics(font);
  const double line_spacing = metrics.lineSpacing();
  const bool rtl = (options.flags & kStringFormatFlagsDirectionRightToLeft) != 0;
  const bool wrap = rect.width() > 0 && (options.flags & kStringFormatFlagsNoWrap) == 0;
  const bool measure_spaces = (options.flags & kStringFormatFlagsMeasureTrailingSpaces) != 0;
  const std::vector<RawLine> lines = BreakLines(text, font, rect.width(), wrap, rtl);
  const int total = static_cast<int>(lines.size());
  const int visible = VisibleLineCount(total, rect.height(), line_spacing, options);
  const bool ellipsis = IsEllipsisTrimming(options.trimming) && rect.width() > 0;

  int align = options.align;
  if (rtl && align != kStringAlignmentCenter) {
    align = align == kStringAlignmentNear ? kStringAlignmentFar : kStringAlignmentNear;
  }
  const double block = visible * line_spacing;
  const double top = rect.y() + AlignOffset(options.line_align, rect.height(), block);

  for (int i = 0; i < visible; ++i) {
    const RawLine& raw = lines[static_cast<std::size_t>(i)];
    QString shown = text.mid(raw.start, raw.length);
    if (!measure_spaces) shown = WithoutTrailingSpaces(shown);
    const bool cut_below = i == visible - 1 && visible < total;
    if (ellipsis && (cut_below || metrics.horizontalAdvance(shown) > rect.width())) {
      // The last visible line stands for everything after it too.
      const QString rest = cut_below ? WithoutSeparators(text.mid(raw.start)) : shown;
      shown = metrics.elidedText(rest, ElideModeOf(options.trimming), rect.width());
    }
    shown = WithoutSeparators(shown);
    const double width = metrics.horizontalAdvance(shown);
    const double x = rect.x() + AlignOffset(align, rect.width(), width);
    const double y = top + i * line_spacing;
    result.lines.push_back({shown, QPointF(x, y + metrics.ascent()), width});
    result.chars_fitted += raw.length;
    const QRectF line_box(x, y, width, line_spacing);
    result.box = i == 0 ? line_box : result.box.united(line_box);
  }
  return result;
}

}  // namespace vexo

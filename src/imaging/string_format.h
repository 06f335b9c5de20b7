#pragma once
// A string format object: how a text is laid out in its rectangle —
// horizontal and vertical alignment, trimming of text that does not fit, and
// flag bits (no wrap, line limit, no clip, right to left, measure trailing
// spaces).
#include "imaging/constants.h"
#include "imaging/object.h"

namespace vexo {

class ImgStringFormat : public ImgObject {
 public:
  ImgStringFormat() = default;
  ~ImgStringFormat() = default;
  ImgStringFormat(ImgStringFormat&&) noexcept = default;
  ImgStringFormat& operator=(ImgStringFormat&&) noexcept = default;

  // A new format: the flags given, near alignment both ways, character
  // trimming. A format already held is released first.
  bool Create(int flags = 0);
  // The generic default format (as Create with no flags).
  bool CreateGenericDefault();
  // The generic typographic format: no fit box, line limit, no clip, no
  // trimming.
  bool CreateGenericTypographic();
  // Releases the format. False, and nothing happens, when empty.
  bool Delete();
  bool Clone(ImgStringFormat& out) const;

  int GetFlags() const;
  bool SetFlags(int flags);
  // Horizontal alignment (kStringAlignmentNear, Center, Far).
  int GetAlign() const;
  bool SetAlign(int align);
  // Vertical alignment.
  int GetLineAlign() const;
  bool SetLineAlign(int align);
  // kStringTrimmingNone ... kStringTrimmingEllipsisPath.
  int GetTrimming() const;
  bool SetTrimming(int trimming);

 private:
  bool CheckHeld() const;
  bool Adopt(int flags, int trimming);

  int flags_ = 0;
  int align_ = kStringAlignmentNear;
  int line_align_ = kStringAlignmentNear;
  int trimming_ = kStringTrimmingCharacter;
};

}  // namespace vexo

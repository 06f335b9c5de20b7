#include "imaging/string_format.h"

#include "imaging/status.h"

namespace vexo {
namespace {

bool ValidAlignment(int align) {
  return align >= kStringAlignmentNear && align <= kStringAlignmentFar;
}

}  // namespace

bool ImgStringFormat::CheckHeld() const {
  return !IsEmpty() || ImgRecord(kStatusInvalidParameter);
}

bool ImgStringFormat::Adopt(int flags, int trimming) {
  flags_ = flags;
  align_ = kStringAlignmentNear;
  line_align_ = kStringAlignmentNear;
  trimming_ = trimming;
  TakeNewHandle();
  return ImgRecord(kStatusOk);
}

bool ImgStringFormat::Create(int flags) {
  Delete();
  return Adopt(flags, kStringTrimmingCharacter);
}

bool ImgStringFormat::CreateGenericDefault() {
  return Create(0);
}

bool ImgStringFormat::CreateGenericTypographic() {
  Delete();
  return Adopt(
      kStringFormatFlagsNoFitBlackBox | kStringFormatFlagsLineLimit | kStringFormatFlagsNoClip,
      kStringTrimmingNone);
}

bool ImgStringFormat::Delete() {
  if (IsEmpty()) return false;
  ClearHandle();
  return ImgRecord(kStatusOk);
}

bool ImgStringFormat::Clone(ImgStringFormat& out) const {
  if (!CheckHeld()) return false;
  out.Delete();
  out.Adopt(flags_, trimming_);
  out.align_ = align_;
  out.line_align_ = line_align_;
  return ImgRecord(kStatusOk);
}

int ImgStringFormat::GetFlags() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return flags_;
}

bool ImgStringFormat::SetFlags(int flags) {
  if (!CheckHeld()) return false;
  flags_ = flags;
  return ImgRecord(kStatusOk);
}

int ImgStringFormat::GetAlign() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return align_;
}

bool ImgStringFormat::SetAlign(int align) {
  if (!CheckHeld()) return false;
  if (!ValidAlignment(align)) return ImgRecord(kStatusInvalidParameter);
  align_ = align;
  return ImgRecord(kStatusOk);
}

int ImgStringFormat::GetLineAlign() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return line_align_;
}

bool ImgStringFormat::SetLineAlign(int align) {
  if (!CheckHeld()) return false;
  if (!ValidAlignment(align)) return ImgRecord(kStatusInvalidParameter);
  line_align_ = align;
  return ImgRecord(kStatusOk);
}

int ImgStringFormat::GetTrimming() const {
  if (!CheckHeld()) return 0;
  ImgRecord(kStatusOk);
  return trimming_;
}

bool ImgStringFormat::SetTrimming(int trimming) {
  if (!CheckHeld()) return false;
  if (trimming < kStringTrimmingNone || trimming > kStringTrimmingEllipsisPath) {
    return ImgRecord(kStatusInvalidParameter);
  }
  trimming_ = trimming;
  return ImgRecord(kStatusOk);
}

}  // namespace vexo

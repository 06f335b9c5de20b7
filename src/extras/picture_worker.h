#pragma once
// The singer picture worker: looks up the picture of the current row's singer
// and shows it in the picture box, or the default picture.
#include "extras/extras_state.h"
#include "extras/extras_views.h"
#include "platform/text.h"

namespace vexo {

// Shows `picture` in the box, or `fallback` when `picture` is empty or does
// not decode, in one step on the user-interface thread: a box never stays
// empty or broken, and of two workers the one that shows last wins whole.
void ShowPictureOrDefault(PicBox& box, const ByteSet& picture, const ByteSet& fallback);

// One run of the worker on the calling thread (any thread): lookup, address,
// picture bytes, then ShowPictureOrDefault. Every failure ends in the default.
void PictureWorker(const PictureView& v, const ExtrasState& s);

// Starts PictureWorker on a thread of its own and returns at once. `s` and the
// controls must outlive the worker.
void StartPictureWorker(const PictureView& v, const ExtrasState& s);

}  // namespace vexo

#include "extras/picture_worker.h"

#include "extras/current_row.h"
#include "extras/picture_answer.h"
#include "extras/service_address.h"
#include "net/http_request.h"
#include "platform/controls/ui_thread.h"
#include "playback/start_thread.h"

namespace vexo {

void ShowPictureOrDefault(PicBox& box, const ByteSet& picture, const ByteSet& fallback) {
  CallOnUi([&] {
    box.SetPicture(picture);
    if (!box.ShowsPicture()) box.SetPicture(fallback);
  });
}

void PictureWorker(const PictureView& v, const ExtrasState& s) {
  const SongRowCells row = ReadCurrentRow(v.超级列表框1);
  const Text answer =
      HttpRequestText(PictureLookupUrl(ServiceBaseUrl(s.serviceAddress), row.singer));
  const Text address = PictureAddressOf(answer);
  // The picture file is bounded like the lookup: a service that trickles or
  // sends an endless body cannot hold the worker.
  HttpRequestOptions bounded;
  bounded.deadline = kTextRequestDeadline;
  bounded.bodyLimit = kTextAnswerLimit;
  const ByteSet picture = address.empty() ? ByteSet() : HttpRequestBytes(address, bounded);
  ShowPictureOrDefault(v.图片框1, picture, s.defaultPicture);
}

void StartPictureWorker(const PictureView& v, const ExtrasState& s) {
  StartThread([v, &s] { PictureWorker(v, s); });
}

}  // namespace vexo

#include "catalogue/background_request.h"

#include <utility>

#include "platform/controls/ui_thread.h"
#include "playback/start_thread.h"

namespace vexo {

namespace {

void AnswerOnUi(const std::weak_ptr<const void>& owner, const std::function<void(Text)>& done,
                Text answer) {
  PostToUi([owner, done, answer = std::move(answer)] {
    if (owner.expired()) return;
    done(answer);
  });
}

}  // namespace

void RequestInBackground(std::weak_ptr<const void> owner, std::function<Text()> request,
                         std::function<void(Text)> done) {
  const bool started = StartThread(
      [owner, request = std::move(request), done] { AnswerOnUi(owner, done, request()); });
  // No thread to spare: the request fails as one that got no answer.
  if (!started) AnswerOnUi(owner, done, Text());
}

}  // namespace vexo

#pragma once
// The singer picture as a file for the desktop's media controls, which show a
// song's picture from a file address: each picture the picture box shows is
// saved once, in the background, into the player's cache folder, named by its
// content. The folder keeps only the few latest pictures.
#include <QString>
#include <functional>
#include <memory>

#include "platform/text.h"

namespace vexo::desktop {

// How many pictures the folder keeps.
inline constexpr int kKeptPictures = 8;

class ArtCache {
 public:
  // `onSaved` runs on the user-interface thread once a picture asked for has
  // been saved.
  ArtCache(QString folder, std::function<void()> onSaved);
  ~ArtCache();
  ArtCache(const ArtCache&) = delete;
  ArtCache& operator=(const ArtCache&) = delete;

  // The file address ("file:///…") of `picture` once it is saved. A picture
  // not seen before is saved on a worker and answers empty until then; an
  // empty or undecodable picture answers empty.
  QString UrlFor(const ByteSet& picture);

 private:
  struct Shared;
  QString folder_;
  std::shared_ptr<Shared> shared_;
};

// Writes `picture` into `folder` as <sha1>.<format> (atomically, through a
// temporary file) unless it is there already, then removes all but the
// kKeptPictures newest pictures. Answers the file's path; empty when the
// picture does not decode or cannot be written. Any thread.
QString SavePicture(const QString& folder, const ByteSet& picture);

}  // namespace vexo::desktop

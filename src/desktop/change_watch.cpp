#include "desktop/change_watch.h"

#include <cstdlib>

#include "desktop/bus_signals.h"
#include "desktop/mpris_names.h"
#include "desktop/mpris_properties.h"

namespace vexo::desktop {
namespace {

constexpr std::int64_t kUsPerMs = 1000;

}  // namespace

ChangeWatch::ChangeWatch(DesktopView& view, QDBusConnection bus, QString artFolder)
    : view_(view), bus_(std::move(bus)), art_(std::move(artFolder), [this] { Check(); }) {
  last_ = ReadPlayer(view_);
  lastArt_ = ArtFor(last_);
  RestartPositionClock(PositionUs(view_));
  QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
  timer_.start(kWatchIntervalMs);
}

ChangeWatch::~ChangeWatch() = default;

QString ChangeWatch::ArtFor(const PlayerSnapshot& s) {
  if (s.song.row < 0 || !view_.图片框1.ShowsPicture()) return {};
  const ByteSet picture = view_.图片框1.Picture();
  // The default picture stands for "no singer picture".
  if (picture == view_.defaultPicture) return {};
  return art_.UrlFor(picture);
}

void ChangeWatch::RestartPositionClock(std::int64_t positionUs) {
  lastPositionUs_ = positionUs;
  positionClock_.start();
}

void ChangeWatch::Check() {
  const PlayerSnapshot now = ReadPlayer(view_);
  const QString art = ArtFor(now);
  SendPropertiesChanged(bus_, QString(kPlayerInterface),
                        ChangedPlayerProperties(last_, lastArt_, now, art));

  // The same song playing on: a position away from where playing on would
  // have taken it was sought at the window.
  const std::int64_t position = PositionUs(view_);
  if (now.playing && last_.playing && now.song == last_.song) {
    const std::int64_t expected = lastPositionUs_ + positionClock_.elapsed() * kUsPerMs;
    if (std::llabs(position - expected) > kSeekJumpUs) SendSeeked(bus_, position);
  }
  RestartPositionClock(position);
  last_ = now;
  lastArt_ = art;
}

void ChangeWatch::AnnounceSeek(std::int64_t positionUs) {
  SendSeeked(bus_, positionUs);
  RestartPositionClock(positionUs);
}

}  // namespace vexo::desktop

#pragma once
// What the skin benchmarks share: the application, and a window skinned as
// the player's is, optionally with the player's push buttons, check boxes
// and seek slider on it.
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <functional>

#include "playback/media_play.h"
#include "skin/skin_engine.h"
#include "tests/platform/sound/test_media.h"

namespace vexo::bench {

inline constexpr int kWidth = 392;
inline constexpr int kHeight = 622;

QApplication& App();

struct PlayerLikeWindow {
  // `controls`: put the player's buttons, check boxes and slider on the
  // window; `skinControls`: let the skin paint them (else the platform style
  // does).
  // `populate` puts further controls on the window before it is skinned.
  explicit PlayerLikeWindow(bool controls = false, bool skinControls = true,
                            const std::function<void(QWidget*)>& populate = {});
  QApplication& app = App();  // first: widgets need it
  SkinEngine engine;
  QWidget window;
  int index = 0;
  QPushButton* playButton = nullptr;
  QSlider* slider = nullptr;
};

// A tone of the given length served on loopback and playing, for the
// benchmarks that measure the window while a song plays.
struct PlayingTone {
  // False when the song did not start.
  bool Start(int songMs);
  test::TestMediaServer server;
  MediaPlay player;
};

}  // namespace vexo::bench

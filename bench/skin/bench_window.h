#pragma once
// What the skin benchmarks share: the application, and a window skinned as
// the player's is, optionally with the player's push buttons, check boxes
// and seek slider on it.
#include <QApplication>
#include <QPushButton>
#include <QSlider>
#include <QWidget>
#include <functional>

#include "skin/skin_engine.h"

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

}  // namespace vexo::bench

#pragma once
// Helpers of the skin tests: pictures as byte sets, a skinned window like the
// player's, colour comparisons.
#include <QColor>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/text.h"
#include "skin/skin_engine.h"

namespace vexo::test {

inline constexpr int kPlayerWidth = 392;
inline constexpr int kPlayerHeight = 622;

ByteSet EncodePicture(const QImage& image, const char* format = "png");
ByteSet SolidPicture(QColor colour, int width = 1600, int height = 900);

// A frameless top-level window; its close requests are counted and refused.
class TestWindow : public QWidget {
 public:
  explicit TestWindow(bool minimizeBox = true, bool maximizeBox = false);
  int closeRequests = 0;
  bool refuseClose = true;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// A 392 x 622 window skinned like the player's (not resizable) over a
// solid picture of `colour`, its image rendered; `populate` puts its
// controls on it before it is skinned.
struct SkinnedWindow {
  explicit SkinnedWindow(SkinEngine& engine, QColor colour = QColor(100, 150, 200),
                         const std::function<void(QWidget*)>& populate = {});
  std::unique_ptr<TestWindow> window;
  int index = 0;
  const QImage& Image(SkinEngine& engine) const;
  // Shows the window and waits until it is exposed and active.
  bool ShowActive() const;
};

// Shows `window` and waits until it is exposed and active.
bool ShowActive(QWidget* window);

// True when each channel differs by at most `tolerance`.
bool Near(QColor a, QColor b, int tolerance = 2);
// `over` drawn at `alpha` over `under`.
QColor Blend(QColor under, QColor over, int alpha);

}  // namespace vexo::test

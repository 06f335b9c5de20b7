#include "bench_window.h"

#include <QCheckBox>
#include <QFont>
#include <QPalette>
#include <QPushButton>
#include <QSlider>

#include "assets/embedded_pictures.h"
#include "skin/skin_constants.h"

namespace vexo::bench {

QApplication& App() {
  static int argc = 1;
  static char name[] = "vexo_skin_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

namespace {

// The player's controls at their places (window definition).
void AddPlayerControls(QWidget* window, QPushButton** play, QSlider** slider) {
  struct Place {
    const char* text;
    int x, y, w, h, pixels;
  };
  const Place buttons[] = {{"播放", 201, 68, 88, 65, 29},   {"上一曲", 120, 85, 72, 48, 20},
                           {"下一曲", 299, 85, 72, 48, 20}, {"热歌榜", 11, 139, 80, 22, 0},
                           {"新歌榜", 106, 139, 80, 22, 0}, {"老歌榜", 201, 139, 80, 22, 0},
                           {"热搜榜", 296, 139, 80, 22, 0}};
  for (const Place& p : buttons) {
    auto* button = new QPushButton(QString::fromUtf8(p.text), window);
    button->setGeometry(p.x, p.y, p.w, p.h);
    if (p.pixels > 0) {
      QFont font = button->font();
      font.setPixelSize(p.pixels);
      button->setFont(font);
    }
    if (*play == nullptr) *play = button;
  }
  for (auto [text, x] : {std::pair{"歌词", 230}, std::pair{"置顶", 278}}) {
    auto* box = new QCheckBox(QString::fromUtf8(text), window);
    box->setGeometry(x, -3, 50, 24);
    QPalette palette = box->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 128, 0));
    box->setPalette(palette);
  }
  *slider = new QSlider(Qt::Horizontal, window);
  (*slider)->setGeometry(117, 41, 259, 24);
  (*slider)->setRange(1, 10);
  (*slider)->setTickPosition(QSlider::TicksBelow);
  (*slider)->setTickInterval(1);
}

}  // namespace

PlayerLikeWindow::PlayerLikeWindow(bool controls, bool skinControls,
                                   const std::function<void(QWidget*)>& populate)
    : window(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  window.setWindowFlag(Qt::WindowMinimizeButtonHint, true);
  window.setFixedSize(kWidth, kHeight);
  window.setWindowTitle(QStringLiteral("Vexo"));
  if (controls) AddPlayerControls(&window, &playButton, &slider);
  if (populate) populate(&window);
  engine.SetCaptionIcon(assets::CaptionIcon());
  engine.SetSkinPicture(Text(), assets::BackgroundPicture(), std::nullopt, std::nullopt,
                        skin::kLayoutStretched);
  engine.SetControlOptions(skinControls, 150);
  SkinWindowOptions options;
  options.resizable = false;
  engine.SkinWindow(&window, options);
  index = engine.WindowIndexOf(&window);
  engine.RenderBackground(index, false);
}

bool PlayingTone::Start(int songMs) {
  server.Serve("/song.mp3", test::MakeToneMp3(songMs), "audio/mpeg");
  PreloadMediaLibrary();
  return player.OpenMedia(server.Url("/song.mp3")) && player.PlayMedia(kPlayFromCurrent);
}

}  // namespace vexo::bench

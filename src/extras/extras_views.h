#pragma once
// The controls of the main window that the lyrics, singer picture and download
// handlers work on, each under its own name. A view is a handful of
// references: the application builds one per call; a worker keeps its copy,
// so the controls must live as long as the window.
#include "platform/controls/check_box.h"
#include "platform/controls/labels.h"
#include "platform/controls/list_view.h"
#include "platform/controls/pic_box.h"
#include "platform/controls/timer.h"
#include "platform/controls/window.h"
#include "playback/media_play.h"

namespace vexo {

struct LyricsView {
  Window& 主窗口;
  CheckBox& 选择框2;
  TransLabel& 透明标签4;
  Timer& 时钟2;
  ListView& 超级列表框1;
  MediaPlay& 媒体播放1;
};

struct PictureView {
  ListView& 超级列表框1;
  PicBox& 图片框1;
};

struct DownloadView {
  ListView& 超级列表框1;
};

}  // namespace vexo

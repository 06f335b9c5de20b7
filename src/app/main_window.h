#pragma once
// The main window built from its definition: each control under its own name.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/catalogue_view.h"
#include "extras/extras_views.h"
#include "platform/controls/button.h"
#include "platform/controls/check_box.h"
#include "platform/controls/edit_box.h"
#include "platform/controls/group_box.h"
#include "platform/controls/labels.h"
#include "platform/controls/list_box.h"
#include "platform/controls/list_view.h"
#include "platform/controls/menu.h"
#include "platform/controls/pic_box.h"
#include "platform/controls/pic_btn.h"
#include "platform/controls/slider_bar.h"
#include "platform/controls/timer.h"
#include "platform/controls/window.h"
#include "playback/media_play.h"
#include "playback/player_view.h"

namespace vexo {

// Every control of the window, made from the definition, found by name.
class ControlSet {
 public:
  explicit ControlSet(Window& window);
  template <class T>
  T& Get(const char* name) const {
    return *static_cast<T*>(controls_.at(name));
  }
  Timer& GetTimer(const char* name) const { return *timers_.at(name); }

 private:
  std::vector<std::unique_ptr<Control>> owned_;
  std::map<std::string, Control*> controls_;
  std::map<std::string, std::unique_ptr<Timer>> timers_;
};

// The pop-up menu "菜单" and its items.
struct SongMenu {
  explicit SongMenu(Window& window);
  Menu menu;
  MenuItem& 播放;
  MenuItem& 上一曲;
  MenuItem& 下一曲;
  MenuItem& 增大音量;
  MenuItem& 减少音量;
  Menu& 播放模式;
  MenuItem& 单曲循环;
  MenuItem& 顺序播放;
  MenuItem& 随机播放;
  MenuItem& 下载;
  MenuItem& 关于;
};

class MainWindow {
 public:
  MainWindow();
  ~MainWindow();

  Window window;

 private:
  ControlSet set_;

 public:
  TransLabel& 透明标签5;
  CheckBox& 选择框2;
  CheckBox& 选择框1;
  PicBox& 图片框1;
  TransLabel& 透明标签1;
  Timer& 时钟1;
  SliderBar& 滑块条1;
  TransLabel& 透明标签3;
  Button& 按钮1;
  TransLabel& 透明标签2;
  Button& 按钮2;
  Button& 按钮3;
  GroupBox& 分组框1;
  Button& 按钮4;
  Button& 按钮5;
  Button& 按钮6;
  Button& 按钮7;
  Label& 标签1;
  EditBox& 编辑框1;
  PicBtn& 图形按钮1;
  ListBox& 列表框1;
  ListView& 超级列表框1;
  GroupBox& 分组框2;
  TransLabel& 透明标签4;
  Timer& 时钟2;
  MediaPlay 媒体播放1;
  SongMenu 菜单;

  // The controls each subsystem works on.
  PlayerView Player();
  CatalogueView Catalogue();
  LyricsView Lyrics();
  PictureView Picture();
  DownloadView Download();
};

}  // namespace vexo

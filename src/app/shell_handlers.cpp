#include "app/shell_handlers.h"

#include "app/exit_routine.h"
#include "app/main_window.h"
#include "app/window_definition.h"
#include "assets/embedded_pictures.h"
#include "platform/controls/message_box.h"
#include "platform/controls/shell_open.h"
#include "platform/system_text.h"
#include "skin/apply_skin.h"

namespace vexo {
namespace {

constexpr const char* kLineBreak = "\r\n";

}  // namespace

Text ConfirmCloseText() {
  Text text = Sys("确定要退出程序吗?");
  for (int i = 0; i < 3; ++i)
    text += kLineBreak;
  return text;
}

Text AboutText() {
  const char* lines[] = {"Vexo_播放器数据来自天天动听音乐信息",
                         "作者：Vexo 开发组　联系：vexo@example.org",
                         "Vexo_播放器 版权所有，仅供学习交流使用"};
  Text text;
  for (const char* line : lines)
    text += Sys(line) + kLineBreak + kLineBreak;
  return text;
}

void OnWindowCreated(MainWindow& w) {
  // The skin draws the window over the background picture, its controls
  // behind a milky veil of alpha kSkinVeilAlpha.
  ApplySkin(w.window, assets::BackgroundPicture(), kSkinVeilAlpha);
  w.图片框1.SetPicture(assets::DefaultSingerPicture());
}

bool ConfirmClose(MainWindow&) {
  int answer = ShowMessage(ConfirmCloseText(), kConfirmCloseStyle, Sys("将被退出"));
  if (answer != 0) return false;
  ExitProgram(0);
}

void ShowAbout(MainWindow&) {
  ShowMessage(AboutText(), kAboutStyle, Sys("关于"));
}

void ApplyTopmost(MainWindow& w) {
  w.window.SetTopmost(w.选择框1.IsTicked());
}

void OpenPromoPage(MainWindow&) {
  OpenWithDefaultHandler(kPromoAddress);
}

void ShowSongMenu(MainWindow& w) {
  w.菜单.menu.PopupAtCursor();
}

}  // namespace vexo

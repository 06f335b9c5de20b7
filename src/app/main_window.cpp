#include "app/main_window.h"

#include "app/window_definition.h"
#include "assets/embedded_pictures.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

void ApplyLook(Control& c, const ControlSpec& entry) {
  c.SetGeometry(entry.left, entry.top, entry.width, entry.height);
  if (entry.color != kBlack) c.SetTextColor(entry.color);
  if (entry.fontPixels > 0 || entry.face[0] != '\0') c.SetFont(entry.face, entry.fontPixels);
  if (entry.hidden) c.SetVisible(false);
}

std::vector<ListColumn> Columns() {
  std::vector<ListColumn> columns;
  for (const auto& c : SongListColumns())
    columns.push_back({Sys(c.header), c.width});
  return columns;
}

std::unique_ptr<Control> Make(const ControlSpec& entry, QWidget* parent) {
  const Text& text = Sys(entry.text);
  switch (entry.kind) {
    case ControlKind::kTransLabel: {
      auto c = std::make_unique<TransLabel>(entry.name, parent);
      c->SetText(text);
      c->SetAlignment(entry.align);
      return c;
    }
    case ControlKind::kLabel: {
      auto c = std::make_unique<Label>(entry.name, parent);
      c->SetCaption(text);
      return c;
    }
    case ControlKind::kButton: {
      auto c = std::make_unique<Button>(entry.name, parent);
      c->SetCaption(text);
      return c;
    }
    case ControlKind::kCheckBox: {
      auto c = std::make_unique<CheckBox>(entry.name, parent);
      c->SetCaption(text);
      return c;
    }
    case ControlKind::kPicBox:
      return std::make_unique<PicBox>(entry.name, parent);
    case ControlKind::kPicBtn: {
      auto c = std::make_unique<PicBtn>(entry.name, parent);
      c->SetPicture(PicBtn::kNormal, assets::SearchButtonPicture1());
      c->SetPicture(PicBtn::kHover, assets::SearchButtonPicture2());
      return c;
    }
    case ControlKind::kSliderBar: {
      auto c = std::make_unique<SliderBar>(entry.name, parent);
      c->SetMaximum(kSliderInitialMaximum);
      c->SetMinimum(kSliderInitialMinimum);
      c->SetPosition(kSliderInitialMinimum);
      c->SetPageStep(kSliderStep);
      c->SetLineStep(kSliderStep);
      c->SetTicksBelow(true);
      return c;
    }
    case ControlKind::kListView:
      return std::make_unique<ListView>(entry.name, parent, Columns());
    case ControlKind::kListBox:
      return std::make_unique<ListBox>(entry.name, parent);
    case ControlKind::kEditBox: {
      auto c = std::make_unique<EditBox>(entry.name, parent);
      c->SetText(text);
      return c;
    }
    case ControlKind::kGroupBox: {
      auto c = std::make_unique<GroupBox>(entry.name, parent);
      c->SetCaption(text);
      return c;
    }
    default:
      return nullptr;
  }
}

}  // namespace

ControlSet::ControlSet(Window& window) {
  for (const ControlSpec& entry : MainWindowControls()) {
    if (entry.kind == ControlKind::kTimer) {
      timers_.emplace(entry.name, std::make_unique<Timer>(entry.name));
      continue;
    }
    QWidget* parent = entry.parent ? controls_.at(entry.parent)->Widget() : window.Frame();
    std::unique_ptr<Control> control = Make(entry, parent);
    if (!control) continue;  // the media player is no widget
    ApplyLook(*control, entry);
    controls_.emplace(entry.name, control.get());
    owned_.push_back(std::move(control));
  }
}

SongMenu::SongMenu(Window& window)
    : menu(window, Sys("菜单")),
      播放(menu.AddItem(Sys("播放"), QKeySequence(Qt::Key_F5))),
      上一曲(menu.AddItem(Sys("上一曲"), QKeySequence(Qt::Key_F7))),
      下一曲(menu.AddItem(Sys("下一曲"), QKeySequence(Qt::Key_F8))),
      增大音量(
          (menu.AddSeparator(), menu.AddItem(Sys("增大音量"), QKeySequence(Qt::CTRL | Qt::Key_A)))),
      减少音量(menu.AddItem(Sys("减少音量"), QKeySequence(Qt::CTRL | Qt::Key_B))),
      播放模式((menu.AddSeparator(), menu.AddSubmenu(Sys("播放模式")))),
      单曲循环(播放模式.AddItem(Sys("单曲循环"), {}, true)),
      顺序播放(播放模式.AddItem(Sys("顺序播放"), {}, true)),
      随机播放(播放模式.AddItem(Sys("随机播放"), {}, true)),
      下载((menu.AddSeparator(), menu.AddItem(Sys("下载")))),
      关于(menu.AddItem(Sys("关于"))) {
  顺序播放.SetTicked(true);
}

MainWindow::MainWindow()
    : window(kMainWindowName, kWindowWidth, kWindowHeight),
      set_(window),
      透明标签5(set_.Get<TransLabel>("透明标签5")),
      选择框2(set_.Get<CheckBox>("选择框2")),
      选择框1(set_.Get<CheckBox>("选择框1")),
      图片框1(set_.Get<PicBox>("图片框1")),
      透明标签1(set_.Get<TransLabel>("透明标签1")),
      时钟1(set_.GetTimer("时钟1")),
      滑块条1(set_.Get<SliderBar>("滑块条1")),
      透明标签3(set_.Get<TransLabel>("透明标签3")),
      按钮1(set_.Get<Button>("按钮1")),
      透明标签2(set_.Get<TransLabel>("透明标签2")),
      按钮2(set_.Get<Button>("按钮2")),
      按钮3(set_.Get<Button>("按钮3")),
      分组框1(set_.Get<GroupBox>("分组框1")),
      按钮4(set_.Get<Button>("按钮4")),
      按钮5(set_.Get<Button>("按钮5")),
      按钮6(set_.Get<Button>("按钮6")),
      按钮7(set_.Get<Button>("按钮7")),
      标签1(set_.Get<Label>("标签1")),
      编辑框1(set_.Get<EditBox>("编辑框1")),
      图形按钮1(set_.Get<PicBtn>("图形按钮1")),
      列表框1(set_.Get<ListBox>("列表框1")),
      超级列表框1(set_.Get<ListView>("超级列表框1")),
      分组框2(set_.Get<GroupBox>("分组框2")),
      透明标签4(set_.Get<TransLabel>("透明标签4")),
      时钟2(set_.GetTimer("时钟2")),
      菜单(window) {
  透明标签5.SetHandCursor();
}

MainWindow::~MainWindow() = default;

PlayerView MainWindow::Player() {
  return {按钮1,       透明标签1, 透明标签2,     透明标签3,     滑块条1,      时钟1,
          超级列表框1, 媒体播放1, 菜单.单曲循环, 菜单.顺序播放, 菜单.随机播放};
}

}  // namespace vexo

namespace vexo {

CatalogueView MainWindow::Catalogue() {
  return {按钮4, 按钮5, 按钮6, 按钮7, 编辑框1, 列表框1, 超级列表框1};
}

LyricsView MainWindow::Lyrics() {
  return {window, 选择框2, 透明标签4, 时钟2, 超级列表框1, 媒体播放1};
}

PictureView MainWindow::Picture() {
  return {超级列表框1, 图片框1};
}

DownloadView MainWindow::Download() {
  return {超级列表框1};
}

}  // namespace vexo

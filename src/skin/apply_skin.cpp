#include "skin/apply_skin.h"

#include <QGroupBox>

#include "platform/controls/window.h"
#include "skin/skin_constants.h"
#include "skin/skin_engine.h"
#include "skin/skin_module.h"

namespace vexo {

namespace {

constexpr const char* kGroupBoxType = "分组框";
constexpr const char* kLabelType = "标签";
constexpr const char* kPictureBoxType = "图片框";
constexpr const char* kCanvasType = "画板";
constexpr const char* kTabControlType = "选择夹";
constexpr const char* kShapeBoxType = "外形框";

std::vector<QWidget*> ControlsOfType(QWidget* window, const char* type) {
  std::vector<QWidget*> found;
  for (QWidget* child : window->findChildren<QWidget*>()) {
    if (ControlTypeName(child) == type) found.push_back(child);
  }
  return found;
}

}  // namespace

std::string ControlTypeName(const QWidget* control) {
  std::string name = control->objectName().toStdString();
  while (!name.empty() && name.back() >= '0' && name.back() <= '9')
    name.pop_back();
  return name;
}

void ApplySkin(SkinEngine& engine, QWidget* window, const ByteSet& picture, int veilAlpha) {
  if (window == nullptr) return;
  engine.SetSkinPicture(Text(), picture, std::nullopt, std::nullopt, skin::kLayoutStretched);
  engine.SetControlOptions(true, veilAlpha, std::nullopt);
  SkinWindowOptions options;
  options.frameDrawn = true;
  options.resizable = false;
  options.helpButton = false;
  options.menuButton = false;
  options.titleShown = true;
  options.topGloss = false;
  engine.SkinWindow(window, options);
  for (QWidget* box : ControlsOfType(window, kGroupBoxType))
    engine.SkinContainer(box, std::nullopt, std::nullopt, veilAlpha);
  for (const char* type : {kLabelType, kPictureBoxType, kCanvasType}) {
    for (QWidget* control : ControlsOfType(window, type))
      engine.MakeTransparent(control, std::nullopt, std::nullopt, veilAlpha);
  }
  for (QWidget* tab : ControlsOfType(window, kTabControlType))
    engine.SkinContainer(tab, std::nullopt, std::nullopt, veilAlpha);
  for (QWidget* shape : ControlsOfType(window, kShapeBoxType))
    engine.MakeTransparent(shape, std::nullopt, std::nullopt, veilAlpha);
}

void ApplySkin(Window& window, const ByteSet& picture, int veilAlpha) {
  SkinEngine* engine = TheSkinEngine();
  QWidget* frame = window.Frame();
  if (engine == nullptr || frame == nullptr) return;
  // The caption buttons follow the window's boxes, as its style would say.
  const bool shown = frame->isVisible();
  frame->setWindowFlag(Qt::WindowMinimizeButtonHint, window.minimizeBox);
  frame->setWindowFlag(Qt::WindowMaximizeButtonHint, window.maximizeBox);
  if (shown) frame->show();
  ApplySkin(*engine, frame, picture, veilAlpha);
}

}  // namespace vexo

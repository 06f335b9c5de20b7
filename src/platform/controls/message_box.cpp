#include "platform/controls/message_box.h"

#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <mutex>

#include "platform/controls/qt_text.h"
#include "platform/controls/ui_thread.h"
#include "platform/system_text.h"

namespace vexo {
namespace {

constexpr std::size_t kTitleLimit = 255;
constexpr std::size_t kClassNameLimit = 49;

// The scratch list of the owner search; empty between searches.
std::mutex g_ownerSearch;
std::vector<TopWindowEntry> g_topWindows;

Text Truncated(Text text, std::size_t limit) {
  if (text.size() > limit) text.resize(limit);
  return text;
}

QMessageBox::Icon IconFor(int style) {
  switch (style & 0xF0) {
    case kMbIconError:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconWarning:
      return QMessageBox::Warning;
    case kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct ButtonSpec {
  QMessageBox::StandardButton button;
  int id;
};

std::vector<ButtonSpec> ButtonsFor(int style) {
  switch (style & 0x0F) {
    case kMbOkCancel:
      return {{QMessageBox::Ok, kIdOk}, {QMessageBox::Cancel, kIdCancel}};
    case kMbAbortRetryIgnore:
      return {{QMessageBox::Abort, kIdAbort},
              {QMessageBox::Retry, kIdRetry},
              {QMessageBox::Ignore, kIdIgnore}};
    case kMbYesNoCancel:
      return {
          {QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}, {QMessageBox::Cancel, kIdCancel}};
    case kMbYesNo:
      return {{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}};
    case kMbRetryCancel:
      return {{QMessageBox::Retry, kIdRetry}, {QMessageBox::Cancel, kIdCancel}};
    default:
      return {{QMessageBox::Ok, kIdOk}};
  }
}

const char* ButtonCaption(QMessageBox::StandardButton b) {
  switch (b) {
    case QMessageBox::Ok:
      return "确定";
    case QMessageBox::Cancel:
      return "取消";
    case QMessageBox::Abort:
      return "中止";
    case QMessageBox::Retry:
      return "重试";
    case QMessageBox::Ignore:
      return "忽略";
    case QMessageBox::Yes:
      return "是";
    case QMessageBox::No:
      return "否";
    default:
      return "";
  }
}

}  // namespace

long long CurrentProcessId() {
  return static_cast<long long>(::getpid());
}

int PlatformMessageBox(QWidget* owner, const Text& text, const Text& title, int style) {
  QPointer<QWidget> guardedOwner(owner);
  return CallOnUi([&]() -> int {
    QMessageBox box(IconFor(style), ToQString(title), ToQString(text), QMessageBox::NoButton,
                    guardedOwner.data());
    box.setObjectName(QString::fromLatin1(kMessageBoxObjectName));
    if (guardedOwner) box.setWindowModality(Qt::WindowModal);
    const auto buttons = ButtonsFor(style);
    for (const auto& entry : buttons) {
      QPushButton* b = box.addButton(entry.button);
      b->setText(QString::fromUtf8(ButtonCaption(entry.button)));
    }
    box.setDefaultButton(buttons.front().button);
    // Closing the box answers Cancel when there is one, else the first button.
    QMessageBox::StandardButton escape = buttons.front().button;
    for (const auto& entry : buttons)
      if (entry.id == kIdCancel) escape = entry.button;
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const auto& entry : buttons)
      if (clicked && box.standardButton(clicked) == entry.button) return entry.id;
    for (const auto& entry : buttons)
      if (entry.button == escape) return entry.id;
    return kIdOk;
  });
}

QWidget* FindOwnerWindow(long long processId) {
  std::lock_guard lock(g_ownerSearch);
  // Collect every top-level window, in the order the platform lists them.
  CallOnUi([&] {
    if (!qApp) return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip ||
          w->windowType() == Qt::Desktop)
        continue;
      g_topWindows.push_back({w, CurrentProcessId(), reinterpret_cast<long long>(w->thread()),
                              Truncated(FromQString(w->windowTitle()), kTitleLimit),
                              Truncated(Text(w->metaObject()->className()), kClassNameLimit)});
    }
  });
  // Take the list over, leaving the global one empty.
  std::vector<TopWindowEntry> entries;
  entries.swap(g_topWindows);
  return CallOnUi([&]() -> QWidget* {
    for (const auto& e : entries) {
      // A window destroyed since it was listed simply does not match.
      if (e.processId == processId && e.handle && e.handle->isVisible()) return e.handle.data();
    }
    return nullptr;
  });
}

int ShowMessage(const Text& text, std::optional<int> style, std::optional<Text> title) {
  QWidget* owner = FindOwnerWindow(CurrentProcessId());
  const Text& shownTitle = title ? *title : Sys(kDefaultMessageTitle);
  int pressed = PlatformMessageBox(owner, text, shownTitle, style.value_or(kDefaultMessageStyle));
  return pressed - 1;
}

}  // namespace vexo

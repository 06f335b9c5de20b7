#include "platform/controls/message_box.h"

#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <future>
#include <memory>
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

// Closing the box answers Cancel when there is one, else the first button.
QMessageBox::StandardButton EscapeButton(const std::vector<ButtonSpec>& buttons) {
  for (const auto& entry : buttons)
    if (entry.id == kIdCancel) return entry.button;
  return buttons.front().button;
}

// A box built for `style`, owned by `owner` (none: no owner), with the
// player's button captions; the caller shows it.
QMessageBox* MakeBox(QWidget* owner, const Text& text, const Text& title, int style) {
  auto* box = new QMessageBox(IconFor(style), ToQString(title), ToQString(text),
                              QMessageBox::NoButton, owner);
  box->setObjectName(QString::fromLatin1(kMessageBoxObjectName));
  box->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
  const auto buttons = ButtonsFor(style);
  for (const auto& entry : buttons) {
    QPushButton* b = box->addButton(entry.button);
    b->setText(QString::fromUtf8(ButtonCaption(entry.button)));
  }
  box->setDefaultButton(buttons.front().button);
  box->setEscapeButton(EscapeButton(buttons));
  return box;
}

// The code of the escape button of a box of `style`.
int EscapeAnswer(int style) {
  const auto buttons = ButtonsFor(style);
  const QMessageBox::StandardButton escape = EscapeButton(buttons);
  for (const auto& entry : buttons)
    if (entry.button == escape) return entry.id;
  return kIdOk;
}

// The code of the button that closed the box; closing it otherwise (Escape,
// the close box) answers as its escape button.
int PressedButton(QMessageBox& box, int style) {
  QAbstractButton* clicked = box.clickedButton();
  for (const auto& entry : ButtonsFor(style))
    if (clicked && box.standardButton(clicked) == entry.button) return entry.id;
  return EscapeAnswer(style);
}

// On the user-interface thread: the box runs its own event loop until
// answered, as a handler that asks the user expects.
int ExecBox(QWidget* owner, const Text& text, const Text& title, int style) {
  std::unique_ptr<QMessageBox> box(MakeBox(owner, text, title, style));
  box->exec();
  return PressedButton(*box, style);
}

// From a worker: the user-interface thread opens the box and goes back to
// whatever it was doing (no event loop of the box's own nests inside a wait
// or a row-by-row append); only the worker waits for the answer.
int OpenBoxAndWait(std::function<QWidget*()> findOwner, const Text& text, const Text& title,
                   int style) {
  auto answer = std::make_shared<std::promise<int>>();
  std::future<int> answered = answer->get_future();
  PostToUi([answer, findOwner = std::move(findOwner), text, title, style] {
    QMessageBox* box = MakeBox(findOwner(), text, title, style);
    auto given = std::make_shared<bool>(false);
    QObject::connect(box, &QDialog::finished, box, [box, answer, given, style] {
      if (!*given) answer->set_value(PressedButton(*box, style));
      *given = true;
      box->deleteLater();
    });
    // A box that goes without being answered (its owner closed) answers as
    // its escape button, so the worker never waits in vain.
    QObject::connect(box, &QObject::destroyed, [answer, given, style] {
      if (!*given) answer->set_value(EscapeAnswer(style));
      *given = true;
    });
    box->show();
  });
  return answered.get();
}

// The owner search proper, on the user-interface thread. The lock keeps the
// scratch list to one search at a time and is never held while waiting for
// another thread.
QWidget* SearchOwner(long long processId) {
  std::lock_guard lock(g_ownerSearch);
  // Collect every top-level window, in the order the platform lists them.
  if (qApp) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip ||
          w->windowType() == Qt::Desktop)
        continue;
      g_topWindows.push_back({w, CurrentProcessId(), reinterpret_cast<long long>(w->thread()),
                              Truncated(FromQString(w->windowTitle()), kTitleLimit),
                              Truncated(Text(w->metaObject()->className()), kClassNameLimit)});
    }
  }
  // Take the list over, leaving the global one empty.
  std::vector<TopWindowEntry> entries;
  entries.swap(g_topWindows);
  for (const auto& e : entries) {
    // A window destroyed since it was listed simply does not match.
    if (e.processId == processId && e.handle && e.handle->isVisible()) return e.handle.data();
  }
  return nullptr;
}

}  // namespace

long long CurrentProcessId() {
  return static_cast<long long>(::getpid());
}

int PlatformMessageBox(QWidget* owner, const Text& text, const Text& title, int style) {
  if (OnUiThread()) return ExecBox(owner, text, title, style);
  // The owner may go before the user-interface thread opens the box.
  return OpenBoxAndWait([owner = QPointer<QWidget>(owner)] { return owner.data(); }, text, title,
                        style);
}

QWidget* FindOwnerWindow(long long processId) {
  return CallOnUi([processId] { return SearchOwner(processId); });
}

int ShowMessage(const Text& text, std::optional<int> style, std::optional<Text> title) {
  const Text& shownTitle = title ? *title : Sys(kDefaultMessageTitle);
  const int shownStyle = style.value_or(kDefaultMessageStyle);
  const long long processId = CurrentProcessId();
  const int pressed = OnUiThread() ? ExecBox(SearchOwner(processId), text, shownTitle, shownStyle)
                                   : OpenBoxAndWait([processId] { return SearchOwner(processId); },
                                                    text, shownTitle, shownStyle);
  return pressed - 1;
}

}  // namespace vexo

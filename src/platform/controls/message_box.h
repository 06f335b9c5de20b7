#pragma once
// Message boxes: the platform's modal box, and the routine every message of
// the player goes through, which finds its owner window by itself so that it
// can be called from any thread.
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "platform/text.h"

namespace vexo {

// Style flags: buttons in the low four bits, the icon in the next four.
inline constexpr int kMbOk = 0;
inline constexpr int kMbOkCancel = 1;
inline constexpr int kMbAbortRetryIgnore = 2;
inline constexpr int kMbYesNoCancel = 3;
inline constexpr int kMbYesNo = 4;
inline constexpr int kMbRetryCancel = 5;
inline constexpr int kMbIconError = 16;
inline constexpr int kMbIconQuestion = 32;
inline constexpr int kMbIconWarning = 48;
inline constexpr int kMbIconInformation = 64;

// Codes of the pressed button.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdAbort = 3;
inline constexpr int kIdRetry = 4;
inline constexpr int kIdIgnore = 5;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Defaults of ShowMessage.
inline constexpr int kDefaultMessageStyle = kMbOk | kMbIconInformation;  // 64
inline constexpr const char* kDefaultMessageTitle = "友情提醒";

// The object name every box carries, so that a box can be found on screen.
inline constexpr const char* kMessageBoxObjectName = "vexo_message_box";

// Shows a modal box owned by `owner` (none: no owner) and returns the code of
// the pressed button. Callable from any thread. On the user-interface thread
// the box runs an event loop of its own until answered. From a worker the box
// is opened on the user-interface thread, which goes straight back to what it
// was doing (timers, waits and appends carry on, none of them held up inside
// the box's loop), and only the worker waits for the answer.
int PlatformMessageBox(QWidget* owner, const Text& text, const Text& title, int style);

// One top-level window seen by the owner search.
struct TopWindowEntry {
  QPointer<QWidget> handle;
  long long processId;
  long long threadId;
  Text title;      // at most 255 characters
  Text className;  // at most 49 characters
};

// The first visible top-level window of the process `processId`, or null.
// The search runs on the user-interface thread, one at a time, and never
// holds its lock while waiting for another thread.
QWidget* FindOwnerWindow(long long processId);

// The current process's id.
long long CurrentProcessId();

// Shows `text` and returns the pressed button's code minus 1 (0 for OK,
// 1 for Cancel). Without a style: OK with the information icon; without a
// title: "友情提醒"; the owner is the process's visible main window.
int ShowMessage(const Text& text, std::optional<int> style = {}, std::optional<Text> title = {});

}  // namespace vexo

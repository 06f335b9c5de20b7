#pragma once
// The shell's own handlers: window created, close confirmation, about box,
// stay on top, promotional link and the song list's pop-up menu.
#include "platform/text.h"

namespace vexo {

class MainWindow;

inline constexpr int kSkinVeilAlpha = 150;
inline constexpr int kConfirmCloseStyle = 33;  // OK and Cancel, question icon
inline constexpr int kAboutStyle = 65;         // OK and Cancel, information icon

// The texts of the close confirmation and the about box.
Text ConfirmCloseText();
Text AboutText();

void OnWindowCreated(MainWindow& w);
// Answers whether the window may close. OK ends the program with status 0
// through the exit routine and does not return; Cancel answers false.
bool ConfirmClose(MainWindow& w);
void ShowAbout(MainWindow& w);
void ApplyTopmost(MainWindow& w);
void OpenPromoPage(MainWindow& w);
void ShowSongMenu(MainWindow& w);

}  // namespace vexo

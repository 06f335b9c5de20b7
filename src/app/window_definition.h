#pragma once
// The main window as data: every control with its kind, place and initial look.
#include <span>

#include "platform/controls/control.h"
#include "platform/controls/labels.h"

namespace vexo {

inline constexpr int kWindowWidth = 392;
inline constexpr int kWindowHeight = 622;
inline constexpr const char* kMainWindowName = "主窗口";

inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kOrange = 0xFF8000;
inline constexpr Rgb kBlue = 0x0000FF;

struct ControlSpec {
  const char* name;
  ControlKind kind;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  const char* parent = nullptr;  // the container's name; none: the window
  const char* text = "";         // caption or initial text
  Rgb color = kBlack;
  HAlign align = HAlign::kLeft;
  const char* face = "";  // font face; empty: the default face
  int fontPixels = 0;     // character height; 0: the default size
  bool hidden = false;
};

// Every control, containers before what they hold.
std::span<const ControlSpec> MainWindowControls();

struct ColumnSpec {
  const char* header;
  int width;
};
// The song list's columns, left to right.
std::span<const ColumnSpec> SongListColumns();

// The song list's columns by number.
inline constexpr int kColumnNumber = 0;
inline constexpr int kColumnSongName = 1;
inline constexpr int kColumnSinger = 2;
inline constexpr int kColumnSongId = 3;
inline constexpr int kColumnUrl = 4;

// The seek slider's initial range and steps.
inline constexpr int kSliderInitialMinimum = 1;
inline constexpr int kSliderInitialMaximum = 10;
inline constexpr int kSliderStep = 1;

// Product content of the promotional link and the about box.
inline constexpr const char* kPromoCaption = "Vexo 官网：更多好歌";
inline constexpr const char* kPromoAddress = "https://vexo.example.org/";

}  // namespace vexo

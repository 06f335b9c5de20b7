#pragma once
// The skin's caption pictures: the glyphs of the caption buttons (white on a
// transparent ground, 26 x 18; the close button 38 x 18) and the caption icon.
#include <QImage>

QImage DrawCaptionMinimize();
QImage DrawCaptionMaximize();
QImage DrawCaptionRestore();
QImage DrawCaptionClose();
QImage DrawCaptionHelp();
QImage DrawCaptionMenu();
// The icon drawn at the left of every caption bar: 32 x 32, a note on a disc.
QImage DrawCaptionIcon();

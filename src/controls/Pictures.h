#pragma once

#include <QImage>

// The program's own pictures, monochrome, black on white.
QImage BackArrowPicture();    // 36 x 32, arrow pointing left
QImage ForwardArrowPicture(); // its mirror
QImage ShowArrowPicture();    // 28 x 37, arrow bending down
QImage BackgroundTile();      // 160 x 120, tile of the reminder window and search dialog
QImage HandPicture();         // 217 x 300, "RUKA": a hand holding a cross

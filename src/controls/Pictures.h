#pragma once

#include <QImage>

class QPainter;
class QPixmap;
class QSize;

// The program's own pictures, monochrome, black on white, but for the tile.
QImage BackArrowPicture();    // 36 x 32, arrow pointing left
QImage ForwardArrowPicture(); // its mirror
QImage ShowArrowPicture();    // 28 x 37, arrow bending down
QImage HandPicture();         // 217 x 300, "RUKA": a hand holding a cross
// 160 x 120, 256 colours: the tile of the reminder window and the search dialog, in two colours.
QImage BackgroundTile();
inline constexpr QRgb TileColor = 0xFF879BBE;     // red 135, green 155, blue 190
inline constexpr QRgb TileStarColor = 0xFF91A5C8; // red 145, green 165, blue 200

// Covers an area of the given size with the tile, its first copy at (1, 1).
void PaintTiled(QPainter& painter, const QPixmap& tile, QSize area);
// The same as a window's backdrop: on a dark palette under a veil of the window's colour, so
// that the palette's light text reads on it.
void PaintTiledBackdrop(QPainter& painter, const QPixmap& tile, QSize area,
                        const QPalette& palette);
// The colour the text of such a window stands on: the tile's, veiled on a dark palette.
QColor TiledBackdropColor(const QPalette& palette);

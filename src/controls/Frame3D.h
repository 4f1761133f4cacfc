#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// A 1-pixel frame along the inside of r: the left and top edges in topLeft, then the right
// and bottom edges in bottomRight (so the top-right and bottom-left corners take bottomRight).
void DrawFrame3D(QPainter& painter, const QRect& r, const QColor& topLeft,
                 const QColor& bottomRight);

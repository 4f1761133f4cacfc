#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;

// A run of characters of a text: where it starts and how many UTF-16 units it holds.
struct TextRange {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const TextRange&) const = default;
};

// The background of marked words: a light yellow.
inline constexpr unsigned MarkColor = 0xFFF2D36B;
// The marks' background under text of a colour: the light yellow, or a shade of it dark enough
// for light text.
QColor MarkBackground(const QColor& text);

// Draws a text in the painter's font and pen at the top-left corner of a box, wrapped at word
// boundaries to the box's width when wrap is set, the marked runs on the mark colour. Lines
// stand as QPainter::drawText would place them, so a marked text lies where it lay unmarked.
void DrawMarkedText(QPainter& painter, const QRect& box, const QString& text,
                    const QList<TextRange>& marks, bool wrap);

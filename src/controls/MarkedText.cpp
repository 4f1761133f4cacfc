#include "MarkedText.h"

#include "Look.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

QColor MarkBackground(const QColor& text) {
    return ReadableOn(QColor::fromRgba(MarkColor), text);
}

void DrawMarkedText(QPainter& painter, const QRect& box, const QString& text,
                    const QList<TextRange>& marks, bool wrap) {
    QTextLayout layout(text, painter.font(), painter.device());
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    // The lines as drawText places them: one leading between lines.
    const qreal leading = QFontMetricsF(painter.font(), painter.device()).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        if (wrap)
            line.setLineWidth(box.width());
        height += leading;
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();

    // The marks' backgrounds go under the text, which is drawn in one run: formats would cut
    // it into many shorter runs.
    const QColor markColor = MarkBackground(painter.pen().color());
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const qsizetype lineStart = line.textStart();
        const qsizetype lineEnd = lineStart + line.textLength();
        for (const TextRange& mark : marks) {
            const qsizetype from = std::max(mark.start, lineStart);
            const qsizetype to = std::min(mark.start + mark.length, lineEnd);
            if (from >= to)
                continue;
            const qreal left = line.cursorToX(int(from));
            const qreal right = line.cursorToX(int(to));
            painter.fillRect(
                QRectF(box.left() + left, box.top() + line.y(), right - left, line.height()),
                markColor);
        }
    }
    layout.draw(&painter, box.topLeft());
}

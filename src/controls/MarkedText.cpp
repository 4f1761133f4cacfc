#include "MarkedText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

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

    QList<QTextLayout::FormatRange> formats;
    formats.reserve(marks.size());
    for (const TextRange& mark : marks) {
        QTextLayout::FormatRange range;
        range.start = int(mark.start);
        range.length = int(mark.length);
        range.format.setBackground(QColor::fromRgba(MarkColor));
        range.format.setForeground(painter.pen().color());
        formats << range;
    }
    layout.draw(&painter, box.topLeft(), formats);
}

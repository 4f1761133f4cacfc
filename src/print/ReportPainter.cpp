#include "ReportPainter.h"

#include "FontMeasure.h"
#include "HitMarks.h"
#include "MarkedText.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr double MmPerInch = 25.4;

class MmToDots {
public:
    explicit MmToDots(const QPaintDevice& device)
        : x_(device.logicalDpiX() / MmPerInch), y_(device.logicalDpiY() / MmPerInch) {}
    double x(double mm) const { return mm * x_; }
    double y(double mm) const { return mm * y_; }
    QRectF rect(const PlacedElement& e) const {
        return {x(e.left), y(e.top), x(e.width), y(e.height)};
    }

private:
    double x_;
    double y_;
};

void PaintText(QPainter& painter, const PlacedElement& element, const MmToDots& dots) {
    if (element.background)
        painter.fillRect(dots.rect(element), QColor::fromRgb(*element.background));
    const QFont font = ToQFont(element.font);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font, painter.device());
    const double ascent = metrics.ascent();
    for (qsizetype i = 0; i < element.lines.size(); ++i) {
        const QString& line = element.lines[i];
        const QPointF at(dots.x(element.left), dots.y(element.top + i * element.lineHeight));
        // The searched words found on the line, on the mark colour.
        if (!element.markWords.isEmpty())
            for (const HitRange& hit : HitRanges(line, element.markWords, element.markFolded)) {
                const double from = metrics.horizontalAdvance(line.left(hit.start));
                const double to = metrics.horizontalAdvance(line.left(hit.start + hit.length));
                painter.fillRect(QRectF(at.x() + from, at.y(), to - from, metrics.height()),
                                 QColor::fromRgba(MarkColor));
            }
        painter.drawText(QPointF(at.x(), at.y() + ascent), line);
    }
}

void PaintLine(QPainter& painter, const PlacedElement& element, const MmToDots& dots) {
    QPen pen(Qt::black);
    pen.setWidthF(dots.y(element.penWidth));
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const double middle = dots.y(element.top + element.height / 2);
    painter.drawLine(QPointF(dots.x(element.left), middle),
                     QPointF(dots.x(element.left + element.width), middle));
}

} // namespace

void PaintReportPage(QPainter& painter, const LaidOutReport& report, size_t page) {
    if (page >= report.pages.size())
        return;
    const MmToDots dots(*painter.device());
    for (const PlacedBand& band : report.pages[page].bands)
        for (const PlacedElement& element : band.elements) {
            if (element.kind == ElementKind::Text)
                PaintText(painter, element, dots);
            else
                PaintLine(painter, element, dots);
        }
    for (const PlacedElement& element : report.pages[page].footer)
        PaintText(painter, element, dots);
}

bool PaintReport(QPagedPaintDevice& device, const LaidOutReport& report) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (size_t page = 0; page < report.pages.size(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        PaintReportPage(painter, report, page);
    }
    return painter.end();
}

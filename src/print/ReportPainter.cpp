#include "ReportPainter.h"

#include "WorkProgress.h"

#include "FontMeasure.h"
#include "HitMarks.h"
#include "MarkedText.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <QVarLengthArray>
#include <deque>

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

// The fonts of a page, made and measured once each on the painter's device.
class PageFonts {
public:
    struct Font {
        ReportFont report;
        QFont font;
        QFontMetricsF metrics;
    };

    explicit PageFonts(QPainter& painter) : painter_(painter) {}

    // Sets the font on the painter unless it is already there.
    const Font& use(const ReportFont& report) {
        const Font* font = find(report);
        if (!font) {
            const QFont made = ToQFont(report);
            fonts_.push_back({report, made, QFontMetricsF(made, painter_.device())});
            font = &fonts_.back();
        }
        if (font != current_)
            painter_.setFont(font->font);
        current_ = font;
        return *font;
    }

private:
    const Font* find(const ReportFont& report) const {
        for (const Font& font : fonts_)
            if (font.report == report)
                return &font;
        return nullptr;
    }

    QPainter& painter_;
    std::deque<Font> fonts_;
    const Font* current_ = nullptr;
};

// Fills the boxes with a colour and no outline. The brush stays set: text and lines do not
// use it, and a page of boxes of few colours records few changes of it.
void Fill(QPainter& painter, const QRectF* boxes, int count, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    if (painter.brush().style() != Qt::SolidPattern || painter.brush().color() != colour)
        painter.setBrush(colour);
    painter.drawRects(boxes, count);
}

// A line with the searched words found on it on the mark colour, shaped once for both the
// marks and the letters, so that the marks sit where the letters are drawn. The layout puts
// the baseline on a 64th of a dot.
void PaintMarkedLine(QPainter& painter, const QString& line, const QList<HitRange>& hits,
                     const PageFonts::Font& font, QPointF at) {
    QTextLayout layout(line, font.font, painter.device());
    layout.setCacheEnabled(true); // the shaping stays for the marks and the drawing
    layout.beginLayout();
    const QTextLine shaped = layout.createLine();
    layout.endLayout();
    QVarLengthArray<QRectF, 16> boxes;
    for (const HitRange& hit : hits) {
        const double from = shaped.cursorToX(int(hit.start));
        const double to = shaped.cursorToX(int(hit.start + hit.length));
        boxes.append(QRectF(at.x() + from, at.y(), to - from, font.metrics.height()));
    }
    Fill(painter, boxes.data(), int(boxes.size()), QColor::fromRgba(MarkColor));
    painter.setPen(Qt::black);
    layout.draw(&painter, QPointF(at.x(), at.y() + font.metrics.ascent() - shaped.ascent()));
}

void PaintText(QPainter& painter, PageFonts& fonts, const PlacedElement& element,
               const MmToDots& dots) {
    if (element.background) {
        const QRectF box = dots.rect(element);
        Fill(painter, &box, 1, QColor::fromRgb(*element.background));
    }
    const PageFonts::Font& font = fonts.use(element.font);
    const double ascent = font.metrics.ascent();
    for (qsizetype i = 0; i < element.lines.size(); ++i) {
        const QString& line = element.lines[i];
        const QPointF at(dots.x(element.left), dots.y(element.top + i * element.lineHeight));
        if (!element.markWords.isEmpty()) {
            const QList<HitRange> hits = HitRanges(line, element.markWords, element.markFolded);
            if (!hits.isEmpty()) {
                PaintMarkedLine(painter, line, hits, font, at);
                continue;
            }
        }
        painter.setPen(Qt::black);
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
    painter.save();
    PageFonts fonts(painter);
    for (const PlacedBand& band : report.pages[page].bands)
        for (const PlacedElement& element : band.elements) {
            if (element.kind == ElementKind::Text)
                PaintText(painter, fonts, element, dots);
            else
                PaintLine(painter, element, dots);
        }
    for (const PlacedElement& element : report.pages[page].footer)
        PaintText(painter, fonts, element, dots);
    painter.restore();
}

bool PaintReport(QPagedPaintDevice& device, const LaidOutReport& report, WorkProgress* progress) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (progress)
        progress->setTotal(int(report.pages.size()));
    for (size_t page = 0; page < report.pages.size(); ++page) {
        if (progress && !progress->advance())
            return false;
        if (page > 0 && !device.newPage())
            return false;
        PaintReportPage(painter, report, page);
    }
    return painter.end();
}

#include "ReportExport.h"

#include "Errors.h"
#include "Messages.h"
#include "ReportPainter.h"
#include "WorkProgress.h"

#include <QColor>
#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace {

// The items of a band in reading order: text elements that start on one line together, and
// lines alone.
struct BandItem {
    const PlacedElement* line = nullptr;
    std::vector<const PlacedElement*> texts;
};

std::vector<BandItem> ReadingOrder(const PlacedBand& band) {
    std::vector<const PlacedElement*> elements;
    for (const PlacedElement& element : band.elements)
        elements.push_back(&element);
    std::stable_sort(
        elements.begin(), elements.end(),
        [](const PlacedElement* a, const PlacedElement* b) { return a->top < b->top; });
    std::vector<BandItem> items;
    double lineTop = 0;
    double lineHalf = 0;
    for (const PlacedElement* element : elements) {
        if (element->kind != ElementKind::Text) {
            items.push_back({element, {}});
            continue;
        }
        const bool joins =
            !items.empty() && !items.back().texts.empty() && element->top < lineTop + lineHalf;
        if (!joins) {
            items.push_back({nullptr, {}});
            lineTop = element->top;
            lineHalf = element->lineHeight / 2;
        }
        items.back().texts.push_back(element);
    }
    for (BandItem& item : items)
        std::stable_sort(
            item.texts.begin(), item.texts.end(),
            [](const PlacedElement* a, const PlacedElement* b) { return a->left < b->left; });
    return items;
}

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString CssColor(QRgb rgb) {
    return QColor::fromRgb(rgb).name();
}

QString CssFont(const ReportFont& font) {
    return QStringLiteral("font: %1%2pt %3")
        .arg(font.bold ? QStringLiteral("bold ") : QString())
        .arg(font.points)
        .arg(Escaped(font.family));
}

QString HtmlSpan(const PlacedElement& element) {
    QString style = CssFont(element.font);
    // White is the paper's own colour.
    if (element.background && qRgb(255, 255, 255) != *element.background)
        style += QStringLiteral("; background: ") + CssColor(*element.background);
    return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, Escaped(element.text));
}

// Turns the failure of a device into an AppError naming the file.
[[noreturn]] void Fail(QSaveFile& file, const QString& path, const QString& reason) {
    file.cancelWriting();
    throw AppError(SaveFailedText(path, reason));
}

// Commits what was written, unless any write failed.
void Commit(QSaveFile& file, const QString& path) {
    if (!file.flush() || file.error() != QFileDevice::NoError)
        Fail(file, path, file.errorString());
    if (!file.commit())
        throw AppError(SaveFailedText(path, file.errorString()));
}

void Open(QSaveFile& file, const QString& path) {
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(SaveFailedText(path, file.errorString()));
}

} // namespace

QString ReportPlainText(const LaidOutReport& report) {
    QString out;
    for (const ReportPage& page : report.pages)
        for (const PlacedBand& band : page.bands) {
            for (const BandItem& item : ReadingOrder(band)) {
                QStringList texts;
                for (const PlacedElement* element : item.texts)
                    texts << element->text;
                if (!texts.isEmpty())
                    out += texts.join(QLatin1Char(' ')) + QLatin1Char('\n');
            }
            out += QLatin1Char('\n');
        }
    return out;
}

QString ReportHtml(const LaidOutReport& report, const QString& title) {
    QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"sr\">\n<head>\n"
                                 "<meta charset=\"utf-8\">\n<title>%1</title>\n<style>\n"
                                 "body { font: 10pt Arial, sans-serif; color: black; }\n"
                                 ".page + .page { break-before: page; }\n"
                                 ".band { margin-bottom: 1em; }\n"
                                 "p { margin: 0; }\n"
                                 "span { white-space: pre-wrap; }\n"
                                 "hr { border: 0; border-top: solid black; }\n"
                                 "</style>\n</head>\n<body>\n")
                      .arg(Escaped(title));
    for (const ReportPage& page : report.pages) {
        out += QStringLiteral("<div class=\"page\">\n");
        for (const PlacedBand& band : page.bands) {
            out += QStringLiteral("<div class=\"band\">\n");
            for (const BandItem& item : ReadingOrder(band)) {
                if (item.line) {
                    out += QStringLiteral("<hr style=\"border-top-width: %1mm\">\n")
                               .arg(item.line->penWidth, 0, 'f', 2);
                    continue;
                }
                QStringList spans;
                for (const PlacedElement* element : item.texts)
                    spans << HtmlSpan(*element);
                out +=
                    QStringLiteral("<p>") + spans.join(QLatin1Char(' ')) + QStringLiteral("</p>\n");
            }
            out += QStringLiteral("</div>\n");
        }
        out += QStringLiteral("</div>\n");
    }
    out += QStringLiteral("</body>\n</html>\n");
    return out;
}

QString SaveFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("Datoteka \"%1\" nije sačuvana: %2")
        .arg(QDir::toNativeSeparators(path), SystemReason(reason));
}

void SaveBytes(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    Open(file, path);
    if (file.write(bytes) != bytes.size())
        Fail(file, path, file.errorString());
    Commit(file, path);
}

void SavePlainText(const LaidOutReport& report, const QString& path) {
    SaveBytes(path, ReportPlainText(report).toUtf8());
}

void SaveHtml(const LaidOutReport& report, const QString& path, const QString& title) {
    SaveBytes(path, ReportHtml(report, title).toUtf8());
}

bool SavePdf(const LaidOutReport& report, const QString& path, const QString& title,
             WorkProgress* progress) {
    QSaveFile file(path);
    Open(file, path);
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Vidoslov"));
        writer.setResolution(1200);
        const PageSetup& page = report.page;
        writer.setPageLayout(QPageLayout(
            QPageSize(QSizeF(page.paperWidth, page.paperHeight), QPageSize::Millimeter),
            page.paperWidth > page.paperHeight ? QPageLayout::Landscape : QPageLayout::Portrait,
            QMarginsF(), QPageLayout::Millimeter));
        const bool painted = PaintReport(writer, report, progress);
        if (!painted && progress && progress->cancelled()) {
            file.cancelWriting();
            return false;
        }
        if (!painted)
            Fail(file, path,
                 file.error() != QFileDevice::NoError
                     ? file.errorString()
                     : QStringLiteral("PDF nije mogao biti napravljen"));
    }
    Commit(file, path);
    return true;
}

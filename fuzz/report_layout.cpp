// The chapter and results reports laid out over any rows, measured by a fixed rule: every
// element lies inside the printable width, no element or band passes the page's bottom, each
// row gets its detail band, in order, and every character of every value but the blanks
// between words is printed, in order.
// Input: one byte of options (which report, how often the rows repeat), two bytes of paper
// height and top and bottom margins, then rows separated by 0xFF, their knjiga, glava, rbr
// and tekst separated by 0xFE.
#include "ReportLayout.h"
#include "Reports.h"

#include <QMap>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr double Slack = 1e-6;

// Each character a fifth of the point size wide, each line two fifths of it high.
class FixedMeasure : public TextMeasure {
public:
    double widthMm(const QString& text, const ReportFont& font) const override {
        return double(text.size()) * font.points * 0.2;
    }
    double lineHeightMm(const ReportFont& font) const override { return font.points * 0.4; }
};

QString WithoutBlanks(const QString& text) {
    QString out;
    for (QChar c : text)
        if (!c.isSpace())
            out += c;
    return out;
}

void Check(bool property) {
    if (!property)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const bool chapter = data[0] & 1;
    const int repeat = 1 + (data[0] >> 1 & 7);
    ReportDefinition report = chapter ? ChapterReport() : ResultsReport();
    const double heights[] = {297, 279.4, 355.6, 210};
    report.page.paperHeight = heights[data[0] >> 4 & 3];
    report.page.marginTop = data[1] / 4.0;
    report.page.marginBottom = data[2] / 4.0;

    std::vector<ReportRow> rows;
    size_t at = 3;
    while (at < size) {
        size_t end = at;
        while (end < size && data[end] != 0xFF)
            ++end;
        QString fields[4];
        int field = 0;
        for (size_t i = at; i < end; ++i) {
            size_t stop = i;
            while (stop < end && data[stop] != 0xFE)
                ++stop;
            if (field < 4)
                fields[field++] =
                    QString::fromUtf8(reinterpret_cast<const char*>(data + i), qsizetype(stop - i));
            i = stop;
        }
        rows.push_back({fields[0], fields[1], fields[2], fields[3]});
        at = end + 1;
    }
    const size_t distinct = rows.size();
    for (int r = 1; r < repeat; ++r)
        for (size_t i = 0; i < distinct; ++i)
            rows.push_back(rows[i]);

    const FixedMeasure measure;
    const LaidOutReport laid = LayOutReport(report, rows, measure);
    const PageSetup& page = laid.page;
    const double left = page.marginLeft;
    const double right = page.paperWidth - page.marginRight;
    const double bottom = std::max(page.paperHeight - page.marginBottom, page.marginTop + 10);
    Check(!laid.pages.empty());

    // What each element of each row printed, by row and element, in order.
    QMap<QPair<int, QString>, QString> printed;
    int nextRow = 0; // the detail row expected next, or the one just seen again
    bool titleSeen = false;
    for (const ReportPage& p : laid.pages) {
        for (const PlacedBand& band : p.bands) {
            Check(band.top >= page.marginTop - Slack);
            Check(band.top + band.height <= bottom + Slack);
            const bool detail = band.name != QStringLiteral("QRBand1");
            if (detail) {
                // A band split over pages repeats its row; otherwise rows come one by one.
                Check(band.row == nextRow || band.row == nextRow - 1);
                if (band.row == nextRow)
                    ++nextRow;
            } else {
                Check(chapter && band.row == 0 && nextRow == 0);
                titleSeen = true;
            }
            for (const PlacedElement& e : band.elements) {
                Check(e.left >= left - Slack);
                Check(e.left + e.width <= right + Slack);
                Check(e.top >= band.top - Slack);
                Check(e.top + e.height <= bottom + Slack);
                if (e.kind != ElementKind::Text)
                    continue;
                Check(double(e.lines.size()) * e.lineHeight <= e.height + Slack);
                for (const QString& line : e.lines) {
                    // A line wider than its box holds one character (or surrogate pair).
                    const QString bare = line.trimmed();
                    Check(measure.widthMm(bare, e.font) <= e.width + Slack || bare.size() <= 2);
                }
                printed[{detail ? band.row : -1, e.name}] += WithoutBlanks(e.lines.join(u' '));
            }
        }
    }
    Check(nextRow == int(rows.size()));
    Check(titleSeen == (chapter && !rows.empty()));

    // No character lost.
    const ReportDefinition fresh = chapter ? ChapterReport() : ResultsReport();
    for (const ReportBand& band : fresh.bands)
        for (const ReportElement& element : band.elements) {
            if (element.kind != ElementKind::Text)
                continue;
            if (band.kind == BandKind::Title) {
                if (!rows.empty())
                    Check(printed.value({-1, element.name}) ==
                          WithoutBlanks(element.value(rows.front())));
                continue;
            }
            for (size_t r = 0; r < rows.size(); ++r)
                Check(printed.value({int(r), element.name}) ==
                      WithoutBlanks(element.value(rows[r])));
        }
    return 0;
}

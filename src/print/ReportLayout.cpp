#include "ReportLayout.h"

#include "WorkProgress.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <deque>

namespace {

// Differences below this are rounding, not measure.
constexpr double Epsilon = 1e-6;
// The least height a page gives its bands, whatever its margins.
constexpr double LeastRoom = 10;

// The length of the character at `at`: two for a surrogate pair, which is never cut.
qsizetype CharLength(const QString& text, qsizetype at) {
    const bool pair =
        at + 1 < text.size() && text.at(at).isHighSurrogate() && text.at(at + 1).isLowSurrogate();
    return pair ? 2 : 1;
}

// Breaks one word wider than the width into pieces that fit, one character at the least.
void BreakWord(const QString& word, double widthMm, const ReportFont& font,
               const TextMeasure& measure, QStringList& lines) {
    qsizetype start = 0;
    while (start < word.size()) {
        qsizetype end = start + CharLength(word, start);
        double used = measure.widthMm(word.mid(start, end - start), font);
        while (end < word.size()) {
            const qsizetype length = CharLength(word, end);
            const double next = measure.widthMm(word.mid(end, length), font);
            if (used + next > widthMm + Epsilon)
                break;
            used += next;
            end += length;
        }
        lines << word.mid(start, end - start);
        start = end;
    }
}

// The blanks words are split at: space, tab, and the line and page breaks.
bool IsBlank(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

QStringList Words(const QString& paragraph) {
    QStringList words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= paragraph.size(); ++i) {
        const bool blank = i == paragraph.size() || IsBlank(paragraph[i]);
        if (blank && start >= 0) {
            words << paragraph.mid(start, i - start);
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return words;
}

void WrapParagraph(const QString& paragraph, double widthMm, const ReportFont& font,
                   const TextMeasure& measure, QStringList& lines) {
    const QStringList words = Words(paragraph);
    if (words.isEmpty()) {
        lines << QString();
        return;
    }
    const double space = measure.widthMm(QStringLiteral(" "), font);
    QString line;
    double used = 0;
    for (const QString& word : words) {
        const double width = measure.widthMm(word, font);
        if (!line.isEmpty() && used + space + width <= widthMm + Epsilon) {
            line += QLatin1Char(' ') + word;
            used += space + width;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        line.clear();
        used = 0;
        if (width <= widthMm + Epsilon) {
            line = word;
            used = width;
            continue;
        }
        BreakWord(word, widthMm, font, measure, lines);
        line = lines.takeLast();
        used = measure.widthMm(line, font);
    }
    lines << line;
}

// The measure of one layout, keeping the widths it has measured: a report measures the same
// words over and over. Freed with the layout.
class KeptWidths : public TextMeasure {
public:
    explicit KeptWidths(const TextMeasure& measure) : measure_(measure) {}

    double widthMm(const QString& text, const ReportFont& font) const override {
        QHash<QString, double>& widths = of(font);
        auto kept = widths.constFind(text);
        if (kept == widths.cend())
            kept = widths.insert(text, measure_.widthMm(text, font));
        return *kept;
    }
    double lineHeightMm(const ReportFont& font) const override {
        return measure_.lineHeightMm(font);
    }

private:
    QHash<QString, double>& of(const ReportFont& font) const {
        for (auto& [key, widths] : fonts_)
            if (key == font)
                return widths;
        return fonts_.emplace_back(font, QHash<QString, double>()).second;
    }

    const TextMeasure& measure_;
    mutable std::deque<std::pair<ReportFont, QHash<QString, double>>> fonts_;
};

PlacedElement PlaceElement(const ReportElement& element, const ReportRow& row, double bandLeft,
                           double bandWidth, const TextMeasure& measure) {
    PlacedElement placed;
    placed.name = element.name;
    placed.kind = element.kind;
    placed.left = bandLeft + element.left;
    placed.top = element.top;
    placed.width = element.width;
    placed.height = element.height;
    placed.font = element.font;
    placed.background = element.background;
    placed.penWidth = element.penWidth;
    placed.markWords = element.markWords;
    placed.markFolded = element.markFolded;
    if (element.kind != ElementKind::Text)
        return placed;
    placed.text = element.value ? element.value(row) : QString();
    placed.lineHeight = measure.lineHeightMm(element.font);
    const double room = std::max(0.0, bandWidth - element.left);
    if (element.autoWidth) {
        const double natural = measure.widthMm(placed.text, element.font);
        placed.width = std::min(natural, room);
        if (natural <= room && !placed.text.contains(QLatin1Char('\n')))
            placed.lines = QStringList{placed.text};
    }
    if (placed.lines.isEmpty())
        placed.lines = WrapText(placed.text, placed.width, element.font, measure);
    placed.height = std::max(element.height, placed.lines.size() * placed.lineHeight);
    return placed;
}

// The band for one row, its top at 0; it grows by as much as its tallest-growing element.
PlacedBand PlaceBand(const ReportBand& band, int row, const ReportRow& values, double bandLeft,
                     double bandWidth, const TextMeasure& measure) {
    PlacedBand placed{band.name, row, 0, band.height, {}};
    double growth = 0;
    for (size_t i = 0; i < band.elements.size(); ++i) {
        placed.elements.push_back(
            PlaceElement(band.elements[i], values, bandLeft, bandWidth, measure));
        growth = std::max(growth, placed.elements.back().height - band.elements[i].height);
    }
    placed.height += growth;
    return placed;
}

// Cuts a band that starts a page at the page's height: what lies below goes into the rest,
// whose top is the cut. Lines of a text below the cut go on in the rest; at least one line
// stays, so that every page takes something.
PlacedBand CutBand(PlacedBand& band, double room) {
    PlacedBand rest{band.name, band.row, 0, 0, {}};
    std::vector<PlacedElement> kept;
    for (PlacedElement& element : band.elements) {
        const bool below = element.top >= room - Epsilon;
        const bool straddles = element.top + element.height > room + Epsilon;
        if (below && element.top > Epsilon) {
            element.top -= room;
            rest.elements.push_back(element);
            continue;
        }
        if (!straddles || element.kind != ElementKind::Text || element.lineHeight <= 0) {
            kept.push_back(element);
            continue;
        }
        qsizetype fit = qsizetype(std::floor((room - element.top + Epsilon) / element.lineHeight));
        if (fit <= 0 && element.top > Epsilon) {
            element.top = 0;
            rest.elements.push_back(element);
            continue;
        }
        fit = std::max<qsizetype>(fit, 1);
        if (fit >= element.lines.size()) {
            element.height = room - element.top;
            kept.push_back(element);
            continue;
        }
        PlacedElement tail = element;
        tail.top = 0;
        tail.lines = element.lines.mid(fit);
        tail.text = tail.lines.join(QLatin1Char(' '));
        tail.height = tail.lines.size() * tail.lineHeight;
        rest.elements.push_back(tail);
        element.lines = element.lines.mid(0, fit);
        element.text = element.lines.join(QLatin1Char(' '));
        element.height = std::max(0.0, room - element.top);
        kept.push_back(element);
    }
    band.elements = std::move(kept);
    band.height = room;
    for (const PlacedElement& element : rest.elements)
        rest.height = std::max(rest.height, element.top + element.height);
    return rest;
}

void MoveDown(PlacedBand& band, double top) {
    band.top = top;
    for (PlacedElement& element : band.elements)
        element.top += top;
}

class Pager {
public:
    explicit Pager(LaidOutReport& report) : report_(report) { newPage(); }

    void add(PlacedBand band) {
        if (y_ + band.height > bottom() + Epsilon && !fresh())
            newPage();
        while (y_ + band.height > bottom() + Epsilon) {
            PlacedBand rest = CutBand(band, bottom() - y_);
            put(std::move(band));
            newPage();
            band = std::move(rest);
        }
        put(std::move(band));
    }

private:
    double bottom() const {
        const PageSetup& page = report_.page;
        return std::max(page.paperHeight - page.marginBottom, page.marginTop + LeastRoom);
    }
    bool fresh() const { return report_.pages.back().bands.empty(); }
    void newPage() {
        report_.pages.emplace_back();
        y_ = report_.page.marginTop;
    }
    void put(PlacedBand band) {
        MoveDown(band, y_);
        y_ += band.height;
        report_.pages.back().bands.push_back(std::move(band));
    }

    LaidOutReport& report_;
    double y_ = 0;
};

// The page number of every page, in the bottom margin under the printable area.
void AddPageNumbers(LaidOutReport& report, const TextMeasure& measure) {
    const PageSetup& page = report.page;
    const int pages = int(report.pages.size());
    for (int n = 1; n <= pages; ++n) {
        PlacedElement number;
        number.name = QStringLiteral("PageNumber");
        number.left = page.marginLeft;
        number.top = page.paperHeight - page.marginBottom + PageNumberGap;
        number.font = PageNumberFont;
        number.lineHeight = measure.lineHeightMm(PageNumberFont);
        number.height = number.lineHeight;
        number.text = PageNumberText(n, pages);
        number.width =
            std::min(measure.widthMm(number.text, PageNumberFont), page.printableWidth());
        number.lines = QStringList{number.text};
        report.pages[size_t(n - 1)].footer.push_back(std::move(number));
    }
}

} // namespace

QString PageNumberText(int page, int pages) {
    return QStringLiteral("Strana %1 od %2").arg(page).arg(pages);
}

QStringList WrapText(const QString& text, double widthMm, const ReportFont& font,
                     const TextMeasure& measure) {
    QStringList lines;
    if (text.isEmpty())
        return lines;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& paragraph : plain.split(QLatin1Char('\n')))
        WrapParagraph(paragraph, widthMm, font, measure, lines);
    return lines;
}

LaidOutReport LayOutReport(const ReportDefinition& report, const std::vector<ReportRow>& rows,
                           const TextMeasure& fonts, WorkProgress* progress) {
    const KeptWidths measure(fonts);
    if (progress)
        progress->setTotal(int(rows.size()));
    LaidOutReport out{report.name, report.page, {}};
    {
        Pager pager(out);
        const double left = report.page.marginLeft;
        const double width = report.page.printableWidth();
        if (!rows.empty()) {
            for (const ReportBand& band : report.bands)
                if (band.kind == BandKind::Title)
                    pager.add(PlaceBand(band, 0, rows.front(), left, width, measure));
            for (size_t r = 0; r < rows.size(); ++r) {
                if (progress && !progress->advance())
                    return out;
                for (const ReportBand& band : report.bands)
                    if (band.kind == BandKind::Detail)
                        pager.add(PlaceBand(band, int(r), rows[r], left, width, measure));
            }
        }
    }
    if (report.pageNumbers)
        AddPageNumbers(out, measure);
    return out;
}

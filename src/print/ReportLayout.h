#pragma once

// The banded report engine's layout: a report definition and the rows of its query in, pages
// of placed elements out, every measure in millimetres. No widgets and no painting.
#include <QRgb>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class WorkProgress;

// One row of the query a report runs over, as text.
struct ReportRow {
    QString knjiga;
    QString glava;
    QString rbr;
    QString tekst;
};

struct ReportFont {
    QString family = QStringLiteral("Arial");
    double points = 10;
    bool bold = false;
    bool operator==(const ReportFont&) const = default;
};

// Paper and margins; one column.
struct PageSetup {
    double paperWidth = 210;
    double paperHeight = 297;
    double marginLeft = 12.7;
    double marginTop = 12.7;
    double marginRight = 12.7;
    double marginBottom = 12.7;
    double printableWidth() const { return paperWidth - marginLeft - marginRight; }
    double printableHeight() const { return paperHeight - marginTop - marginBottom; }
};

enum class ElementKind { Text, HorizontalLine };

// An element of a band, placed from the band's top-left corner. Text wraps at word
// boundaries inside its width; an auto-width text takes the width of its text. A line runs
// through the vertical middle of its box.
struct ReportElement {
    QString name;
    ElementKind kind = ElementKind::Text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    ReportFont font;
    bool autoWidth = false;
    std::optional<QRgb> background; // opaque fill of the box
    double penWidth = 0;            // of a line
    std::function<QString(const ReportRow&)> value;
    QStringList markWords; // words drawn on the mark colour where they occur
    bool markFolded = false;
};

enum class BandKind {
    Title, // once, at the top of the first page, from the first row
    Detail // once per row
};

struct ReportBand {
    QString name;
    BandKind kind = BandKind::Detail;
    double height = 0;
    std::vector<ReportElement> elements; // in print order
};

struct ReportDefinition {
    QString name;
    PageSetup page;
    std::vector<ReportBand> bands;
    bool pageNumbers = false; // "Strana N od M" at the foot of every page
};

// The page number at the foot of a page.
QString PageNumberText(int page, int pages);
// Its font, and how far below the printable area its line starts, in millimetres.
inline const ReportFont PageNumberFont{QStringLiteral("Arial"), 8, false};
inline constexpr double PageNumberGap = 3;

// What the layout needs to know of fonts.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual double widthMm(const QString& text, const ReportFont& font) const = 0;
    virtual double lineHeightMm(const ReportFont& font) const = 0;
};

// An element where it lands on its page, from the paper's top-left corner.
struct PlacedElement {
    QString name;
    ElementKind kind = ElementKind::Text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    ReportFont font;
    std::optional<QRgb> background;
    double penWidth = 0;
    double lineHeight = 0;
    QString text;      // the whole value
    QStringList lines; // as printed
    QStringList markWords;
    bool markFolded = false;
};

struct PlacedBand {
    QString name;
    int row = 0; // the row it was printed for
    double top = 0;
    double height = 0;
    std::vector<PlacedElement> elements;
};

struct ReportPage {
    std::vector<PlacedBand> bands;
    std::vector<PlacedElement> footer; // in the bottom margin: the page number
};

struct LaidOutReport {
    QString name;
    PageSetup page;
    std::vector<ReportPage> pages; // at least one
};

// The lines of a text broken at word boundaries to the width; a word wider than the width is
// broken between characters. Line breaks in the text are kept.
QStringList WrapText(const QString& text, double widthMm, const ReportFont& font,
                     const TextMeasure& measure);

// Lays the report out over the rows. A text that needs more lines than its box holds makes
// its box and its band taller; a band taller than a page goes on over the next pages.
// With a progress, each row is a step and the layout stops early once it is cancelled.
LaidOutReport LayOutReport(const ReportDefinition& report, const std::vector<ReportRow>& rows,
                           const TextMeasure& measure, WorkProgress* progress = nullptr);

#include "Reports.h"

#include "Query.h"

namespace {

// A pen of 3 dots of a 96 dots-per-inch screen.
constexpr double PenOf3 = 3 * 25.4 / 96;

const ReportFont HeadingFont{QStringLiteral("Arial"), 9, true};
const ReportFont TextFont{QStringLiteral("Arial"), 8, false};
const ReportFont TitleLineFont{QStringLiteral("Arial"), 10, true};

// Text boxes are opaque: white unless a colour is given.
ReportElement Text(const QString& name, double left, double top, double width, double height,
                   const ReportFont& font, std::function<QString(const ReportRow&)> value) {
    ReportElement element;
    element.name = name;
    element.left = left;
    element.top = top;
    element.width = width;
    element.height = height;
    element.font = font;
    element.background = White;
    element.value = std::move(value);
    return element;
}

ReportElement AutoWidth(ReportElement element) {
    element.autoWidth = true;
    return element;
}

ReportElement OnGrey(ReportElement element) {
    element.background = LightGrey;
    return element;
}

ReportElement Line(const QString& name, double left, double top, double width, double height,
                   double pen) {
    ReportElement element;
    element.name = name;
    element.kind = ElementKind::HorizontalLine;
    element.left = left;
    element.top = top;
    element.width = width;
    element.height = height;
    element.penWidth = pen;
    return element;
}

QString Heading(const ReportRow& row) {
    return QStringLiteral("knjiga: ") + row.knjiga + QStringLiteral("    glava:") + row.glava;
}

QString VerseNumber(const ReportRow& row) {
    return row.rbr + QLatin1Char('.');
}

QString VerseText(const ReportRow& row) {
    return row.tekst;
}

// A whole number in plain decimal; any other text as it is.
QString Decimal(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    return ok ? QString::number(value) : text;
}

} // namespace

ReportDefinition ChapterReport() {
    ReportBand title{QStringLiteral("QRBand1"), BandKind::Title, 10.58, {}};
    title.elements.push_back(OnGrey(
        AutoWidth(Text(QStringLiteral("QRExpr3"), 0, 0, 85.73, 6.35, HeadingFont, Heading))));
    title.elements.push_back(Line(QStringLiteral("QRShape1"), 0, 4.23, 183.89, 4.50, PenOf3));

    ReportBand detail{QStringLiteral("QRSubDetail2"), BandKind::Detail, 15.35, {}};
    detail.elements.push_back(
        AutoWidth(Text(QStringLiteral("QRExpr5"), 0, 0, 22.49, 4.50, TextFont, VerseNumber)));
    detail.elements.push_back(
        Text(QStringLiteral("QRDBText3"), 8.47, 0, 175.41, 10.85, TextFont, VerseText));
    return {QStringLiteral("QRTekst"), PageSetup{}, {title, detail}, true};
}

ReportDefinition ResultsReport() {
    ReportBand detail{QStringLiteral("QRSubDetail1"), BandKind::Detail, 15.35, {}};
    detail.elements.push_back(OnGrey(AutoWidth(
        Text(QStringLiteral("QRExpr1"), 0, 0, 135.73, 4.50, HeadingFont,
             [](const ReportRow& row) { return Heading(row) + QLatin1Char(':') + row.rbr; }))));
    detail.elements.push_back(
        Text(QStringLiteral("QRDBText2"), 8.47, 4.23, 175.42, 10.85, TextFont, VerseText));
    detail.elements.push_back(
        AutoWidth(Text(QStringLiteral("QRExpr2"), 0.26, 3.70, 26.46, 4.50, TextFont, VerseNumber)));
    return {QStringLiteral("QRPretraga"), PageSetup{}, {detail}, true};
}

ReportDefinition WithTitleLine(ReportDefinition report, const QString& line) {
    if (line.isEmpty())
        return report;
    ReportBand title{QStringLiteral("QRTitleLine"), BandKind::Title, 7, {}};
    ReportElement text = Text(QStringLiteral("TitleLine"), 0, 0, report.page.printableWidth(), 5,
                              TitleLineFont, [line](const ReportRow&) { return line; });
    title.elements.push_back(std::move(text));
    report.bands.insert(report.bands.begin(), std::move(title));
    return report;
}

ReportDefinition MarkingWords(ReportDefinition report, const QStringList& words, bool folded) {
    for (ReportBand& band : report.bands)
        for (ReportElement& element : band.elements)
            if (element.name == QLatin1String("QRDBText2")) {
                element.markWords = words;
                element.markFolded = folded;
            }
    return report;
}

QString ChapterTitleLine(const QString& bookTitle, const QString& chapter,
                         const QString& translation) {
    QString line = bookTitle + u' ' + chapter;
    if (!translation.isEmpty())
        line += QStringLiteral(" — ") + translation;
    return line;
}

QString ResultsTitleLine(const QString& translation, const QStringList& words, int count) {
    QString line = QStringLiteral("Pretraga");
    if (!translation.isEmpty())
        line += QStringLiteral(" — ") + translation;
    // A word entered twice is named once ("hleb", not "hleb, hleb").
    QStringList named = words;
    named.removeDuplicates();
    if (!named.isEmpty())
        line += QStringLiteral(" — reči: ") + named.join(QStringLiteral(", "));
    return line + QStringLiteral(" — %1 poklapanja").arg(count);
}

ReportRow VerseReportRow(const QString& knjiga, const QString& glava, const QString& rbr,
                         const QString& tekst) {
    return {knjiga, Decimal(glava), Decimal(rbr), tekst};
}

std::vector<ReportRow> ReadReportRows(Query& query) {
    std::vector<ReportRow> rows;
    rows.reserve(size_t(query.recordCount()));
    for (query.first(); !query.eof(); query.next())
        rows.push_back({query.fieldAsText(QStringLiteral("knjiga")),
                        Decimal(query.fieldAsText(QStringLiteral("glava"))),
                        Decimal(query.fieldAsText(QStringLiteral("rbr"))),
                        query.fieldAsText(QStringLiteral("tekst"))});
    query.first();
    return rows;
}

bool ReadsWholeTable(const QStringList& statement) {
    QString text = statement.join(QLatin1Char(' ')).simplified().toLower();
    if (text.endsWith(QLatin1Char(';')))
        text.chop(1);
    return text.trimmed() == QStringLiteral("select * from vidoslov");
}

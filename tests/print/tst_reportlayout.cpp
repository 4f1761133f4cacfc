#include "FakeMeasure.h"
#include "FontMeasure.h"
#include "ReportLayout.h"
#include "Reports.h"

#include <QtTest>

namespace {

const FakeMeasure Measure;

const PlacedElement& Element(const PlacedBand& band, const QString& name) {
    for (const PlacedElement& element : band.elements)
        if (element.name == name)
            return element;
    qFatal("no element %s", qPrintable(name));
}

void CompareBox(const PlacedElement& e, double left, double top, double width, double height) {
    QCOMPARE(e.left, left);
    QCOMPARE(e.top, top);
    QCOMPARE(e.width, width);
    QCOMPARE(e.height, height);
}

int BandCount(const LaidOutReport& report) {
    int count = 0;
    for (const ReportPage& page : report.pages)
        count += int(page.bands.size());
    return count;
}

} // namespace

class TestReportLayout : public QObject {
    Q_OBJECT
private slots:
    void chapterReportFirstRows();
    void resultsReportFirstRow();
    void rowThatStartsANewPage();
    void pageCount_data();
    void pageCount();
    void longVerseGrowsItsBand();
    void bandTallerThanAPageGoesOn();
    void emptyReportIsOneBlankPage();
    void wrapping_data();
    void wrapping();
    void systemFontHoldsThreeLinesInAVerseBox();
    void pageNumbersAndTitleLine();
};

void TestReportLayout::chapterReportFirstRows() {
    std::vector<ReportRow> rows = ChapterRows({"Prvi", "Drugi"});
    rows[1].glava = "120";
    const LaidOutReport report = LayOutReport(ChapterReport(), rows, Measure);
    QCOMPARE(report.pages.size(), size_t(1));
    const std::vector<PlacedBand>& bands = report.pages[0].bands;
    QCOMPARE(bands.size(), size_t(3));

    // The title, from the first row, on grey as wide as its text; the line through its box.
    QCOMPARE(bands[0].name, QStringLiteral("QRBand1"));
    QCOMPARE(bands[0].height, 10.58);
    const PlacedElement& title = bands[0].elements[0];
    QCOMPARE(title.lines, QStringList{"knjiga: PSAL    glava:119"});
    CompareBox(title, 12.7, 12.7, 25 * 1.8, 6.35);
    QCOMPARE(title.font, (ReportFont{"Arial", 9, true}));
    QCOMPARE(title.background, std::optional<QRgb>(qRgb(226, 226, 226)));
    const PlacedElement& line = bands[0].elements[1];
    QCOMPARE(line.kind, ElementKind::HorizontalLine);
    CompareBox(line, 12.7, 12.7 + 4.23, 183.89, 4.50);
    QCOMPARE(line.penWidth, 3 * 25.4 / 96);

    // Number and text side by side from the band's top.
    QCOMPARE(bands[1].top, 12.7 + 10.58);
    QCOMPARE(bands[1].height, 15.35);
    QCOMPARE(bands[1].elements[0].name, QStringLiteral("QRExpr5"));
    QCOMPARE(bands[1].elements[0].lines, QStringList{"1."});
    CompareBox(bands[1].elements[0], 12.7, 23.28, 2 * 1.6, 4.50);
    QCOMPARE(bands[1].elements[1].lines, QStringList{"Prvi"});
    CompareBox(bands[1].elements[1], 12.7 + 8.47, 23.28, 175.41, 10.85);
    QCOMPARE(bands[1].elements[1].background, std::optional<QRgb>(qRgb(255, 255, 255)));
    QCOMPARE(bands[1].elements[1].font, (ReportFont{"Arial", 8, false}));
    QCOMPARE(bands[2].top, 23.28 + 15.35);
}

void TestReportLayout::resultsReportFirstRow() {
    const LaidOutReport report = LayOutReport(ResultsReport(), ChapterRows({"Prvi"}), Measure);
    const PlacedBand& band = report.pages[0].bands.at(0);
    QCOMPARE(band.height, 15.35);
    QStringList order;
    for (const PlacedElement& e : band.elements)
        order << e.name;
    QCOMPARE(order, (QStringList{"QRExpr1", "QRDBText2", "QRExpr2"}));
    const PlacedElement& heading = Element(band, "QRExpr1");
    QCOMPARE(heading.text, QStringLiteral("knjiga: PSAL    glava:119:1"));
    CompareBox(heading, 12.7, 12.7, 27 * 1.8, 4.50);
    QVERIFY(heading.background);
    CompareBox(Element(band, "QRDBText2"), 12.7 + 8.47, 12.7 + 4.23, 175.42, 10.85);
    CompareBox(Element(band, "QRExpr2"), 12.7 + 0.26, 12.7 + 3.70, 2 * 1.6, 4.50);
}

void TestReportLayout::rowThatStartsANewPage() {
    // 10.58 + 17 x 15.35 = 271.53 of the page's 271.6 mm: the 18th verse starts page 2.
    const LaidOutReport report =
        LayOutReport(ChapterReport(), ChapterRows(QStringList(18, "stih")), Measure);
    QCOMPARE(report.pages.size(), size_t(2));
    QCOMPARE(report.pages[0].bands.size(), size_t(18));
    const PlacedBand& first = report.pages[1].bands.at(0);
    QCOMPARE(first.row, 17);
    QCOMPARE(first.top, 12.7);
    CompareBox(Element(first, "QRDBText3"), 21.17, 12.7, 175.41, 10.85);
}

void TestReportLayout::pageCount_data() {
    QTest::addColumn<bool>("chapter");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::newRow("chapter 17") << true << 17 << 1;
    QTest::newRow("chapter 35") << true << 35 << 3;
    QTest::newRow("results 17") << false << 17 << 1;
    QTest::newRow("results 18") << false << 18 << 2;
    QTest::newRow("results 5000") << false << 5000 << 295;
}

void TestReportLayout::pageCount() {
    QFETCH(bool, chapter);
    QFETCH(int, rows);
    QFETCH(int, pages);
    const LaidOutReport report = LayOutReport(chapter ? ChapterReport() : ResultsReport(),
                                              ChapterRows(QStringList(rows, "stih")), Measure);
    QCOMPARE(int(report.pages.size()), pages);
    QCOMPARE(BandCount(report), rows + (chapter ? 1 : 0));
}

void TestReportLayout::longVerseGrowsItsBand() {
    // Three full lines fit the 10.85 mm box; a fourth makes box and band 1.95 mm taller.
    const LaidOutReport report =
        LayOutReport(ChapterReport(), ChapterRows({Words(66), Words(67), "kratak"}), Measure);
    const std::vector<PlacedBand>& bands = report.pages[0].bands;
    QCOMPARE(bands[1].height, 15.35);
    QCOMPARE(Element(bands[1], "QRDBText3").lines.size(), 3);
    QCOMPARE(Element(bands[2], "QRDBText3").lines.size(), 4);
    QCOMPARE(Element(bands[2], "QRDBText3").height, 4 * 3.2);
    QCOMPARE(bands[2].height, 15.35 + 4 * 3.2 - 10.85);
    QCOMPARE(Element(bands[2], "QRExpr5").height, 4.50);
    QCOMPARE(bands[3].top, bands[2].top + bands[2].height);
}

void TestReportLayout::bandTallerThanAPageGoesOn() {
    // 100 lines of 3.2 mm: 84 on the verse's own page, the rest at the top of the next.
    const QString text = Words(22 * 100);
    const LaidOutReport report = LayOutReport(ResultsReport(), ChapterRows({text}), Measure);
    QCOMPARE(report.pages.size(), size_t(2));
    const PlacedElement& head = Element(report.pages[0].bands.at(0), "QRDBText2");
    const PlacedElement& tail = Element(report.pages[1].bands.at(0), "QRDBText2");
    QCOMPARE(head.lines.size(), 83);
    QCOMPARE(tail.lines.size(), 17);
    QCOMPARE(tail.top, 12.7);
    QCOMPARE(head.lines + tail.lines, WrapText(text, 175.42, head.font, Measure));
    QVERIFY(head.top + head.height <= 297 - 12.7 + 1e-9);
}

void TestReportLayout::emptyReportIsOneBlankPage() {
    const LaidOutReport report = LayOutReport(ChapterReport(), {}, Measure);
    QCOMPARE(report.pages.size(), size_t(1));
    QVERIFY(report.pages[0].bands.empty());
}

void TestReportLayout::wrapping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("width");
    QTest::addColumn<QStringList>("lines");
    // 8 pt: 1.6 mm a character.
    QTest::newRow("words") << "jedan dva  tri" << 16.0 << QStringList{"jedan dva", "tri"};
    QTest::newRow("long word") << "abcdefghij kl" << 8.0 << QStringList{"abcde", "fghij", "kl"};
    QTest::newRow("line breaks") << "a\r\nb\n\nc" << 100.0 << QStringList{"a", "b", "", "c"};
    QTest::newRow("narrower than a letter") << "ab" << 0.0 << QStringList{"a", "b"};
    // A character outside the basic plane is two code units, measured and kept together.
    QTest::newRow("surrogate pair")
        << QStringLiteral("ab\U0001F600") << 4.8 << QStringList{"ab", QStringLiteral("\U0001F600")};
}

void TestReportLayout::wrapping() {
    QFETCH(QString, text);
    QFETCH(double, width);
    QFETCH(QStringList, lines);
    QCOMPARE(WrapText(text, width, ReportFont{"Arial", 8, false}, Measure), lines);
}

void TestReportLayout::systemFontHoldsThreeLinesInAVerseBox() {
    const double line = FontMeasure().lineHeightMm(ReportFont{"Arial", 8, false});
    QVERIFY2(3 * line <= 10.85 && 4 * line > 10.85, qPrintable(QString::number(line)));
}

void TestReportLayout::pageNumbersAndTitleLine() {
    // 18 results make two pages; the title line, on the first page only, comes first.
    const ReportDefinition report =
        MarkingWords(WithTitleLine(ResultsReport(), "Pretraga — WEB — reči: stih — 18 poklapanja"),
                     {"stih"}, false);
    const LaidOutReport laid = LayOutReport(report, ChapterRows(QStringList(18, "stih")), Measure);
    QCOMPARE(laid.pages.size(), size_t(2));
    const PlacedElement& title = laid.pages[0].bands.at(0).elements.at(0);
    QCOMPARE(title.lines, QStringList{"Pretraga — WEB — reči: stih — 18 poklapanja"});
    QCOMPARE(title.top, 12.7);
    QCOMPARE(Element(laid.pages[0].bands.at(1), "QRDBText2").markWords, QStringList{"stih"});
    const PlacedElement& number = laid.pages[1].footer.at(0);
    QCOMPARE(number.lines, QStringList{"Strana 2 od 2"});
    CompareBox(number, 12.7, 297 - 12.7 + 3, 13 * 1.6, 3.2);
    QCOMPARE(laid.pages[0].footer.at(0).text, QStringLiteral("Strana 1 od 2"));
}

QTEST_MAIN(TestReportLayout)
#include "tst_reportlayout.moc"

#include "Errors.h"
#include "FakeMeasure.h"
#include "FontMeasure.h"
#include "MarkedText.h"
#include "ProgressRun.h"
#include "ReportExport.h"
#include "ReportPainter.h"
#include "Reports.h"
#include "SaveFolder.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

const QStringList ThreeVerses{"Blago onima koji su bez mane na putu.", "Dobro je <reći> & pevati.",
                              "Treći stih."};

// A page painted at 150 dots per inch on white.
QImage PaintedPage(const std::function<void(QPainter&)>& paint) {
    QImage image(1240, 1754, QImage::Format_RGB32);
    image.setDotsPerMeterX(5906);
    image.setDotsPerMeterY(5906);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter);
    return image;
}

QString ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("(cannot read %1)").arg(path);
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestReportExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void textAndHtmlOfThreeRows_data();
    void textAndHtmlOfThreeRows();
    void pdfHoldsHeadingsAndVersesInOrder();
    void failedSaveNamesTheFileAndLeavesNothing();
    void saveThatRunsOutOfRoomKeepsTheOldFile();
    void pageAsEachElementPaintedAlone();
    void cancelledPdfKeepsTheOldFileAndWritesNothing();
    void longWorkShowsProgressAndStopsWhenCancelled();
    void saveDialogOpensInTheUsersFolderThenTheLastOneUsed();

private:
    QTemporaryDir dir_;
};

void TestReportExport::initTestCase() {
    QVERIFY(dir_.isValid());
}

void TestReportExport::textAndHtmlOfThreeRows_data() {
    QTest::addColumn<bool>("chapter");
    QTest::addColumn<bool>("html");
    QTest::addColumn<QString>("expected");
    QTest::newRow("chapter text") << true << false << "chapter.txt";
    QTest::newRow("chapter html") << true << true << "chapter.html";
    QTest::newRow("results text") << false << false << "results.txt";
}

void TestReportExport::textAndHtmlOfThreeRows() {
    QFETCH(bool, chapter);
    QFETCH(bool, html);
    QFETCH(QString, expected);
    const LaidOutReport report = LayOutReport(chapter ? ChapterReport() : ResultsReport(),
                                              ChapterRows(ThreeVerses), FakeMeasure());
    const QString path = dir_.filePath(expected);
    if (html)
        SaveHtml(report, path, "Psalam <119>");
    else
        SavePlainText(report, path);
    QCOMPARE(ReadFile(path), ReadFile(QFINDTESTDATA("data/" + expected)));
}

void TestReportExport::pdfHoldsHeadingsAndVersesInOrder() {
    FontMeasure measure;
    const LaidOutReport report = LayOutReport(
        ChapterReport(), ChapterRows(ThreeVerses + QStringList(20, "Dalje.")), measure);
    QCOMPARE(report.pages.size(), size_t(2));
    const QString path = dir_.filePath("izvestaj.pdf");
    SavePdf(report, path, "Psalam 119");

    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) did not run");
    QCOMPARE(pdftotext.exitCode(), 0);
    // Blanks as pdftotext spaces them out, one for each run.
    const QRegularExpression blanks(" +");
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput()).replace(blanks, " ");
    qsizetype at = 0;
    for (const QString& piece :
         {QStringLiteral("knjiga: PSAL    glava:119"), QStringLiteral("1."), ThreeVerses[0],
          QStringLiteral("2."), ThreeVerses[1], QStringLiteral("3."), ThreeVerses[2],
          QStringLiteral("\f"), QStringLiteral("23."), QStringLiteral("Dalje.")}) {
        const QString wanted = QString(piece).replace(blanks, " ");
        const qsizetype next = text.indexOf(wanted, at);
        QVERIFY2(next >= 0, qPrintable(piece + " not after " + QString::number(at) + ":\n" + text));
        at = next + wanted.size();
    }
}

void TestReportExport::failedSaveNamesTheFileAndLeavesNothing() {
    const QString path = dir_.filePath("nema/izvestaj.pdf");
    const LaidOutReport report =
        LayOutReport(ChapterReport(), ChapterRows({"Stih."}), FakeMeasure());
    for (int kind = 0; kind < 2; ++kind) {
        try {
            if (kind == 0)
                SavePdf(report, path, "x");
            else
                SavePlainText(report, path);
            QFAIL("the save did not fail");
        } catch (const AppError& error) {
            const QString head = SaveFailedText(path, QString());
            QVERIFY2(error.text().startsWith(head) && error.text().size() > head.size(),
                     qPrintable(error.text()));
        }
    }
    QVERIFY(!QFileInfo::exists(dir_.filePath("nema")));
}

void TestReportExport::saveThatRunsOutOfRoomKeepsTheOldFile() {
    // A file size limit of 4 KiB stands for a full disk.
    const LaidOutReport report =
        LayOutReport(ResultsReport(), ChapterRows(QStringList(200, Words(40))), FakeMeasure());
    QTemporaryDir dir;
    const QString path = dir.filePath("stari.txt");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("staro");
    old.close();
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit small{4096, limit.rlim_max};
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    QStringList errors;
    for (int kind = 0; kind < 2; ++kind) {
        try {
            if (kind == 0)
                SavePdf(report, path, "x");
            else
                SavePlainText(report, path);
        } catch (const AppError& error) {
            errors << error.text();
        }
    }
    setrlimit(RLIMIT_FSIZE, &limit);
    QCOMPARE(errors.size(), 2);
    QVERIFY2(errors[0].startsWith(SaveFailedText(path, QString())), qPrintable(errors[0]));
    QCOMPARE(ReadFile(path), QStringLiteral("staro"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"stari.txt"});
}

void TestReportExport::pageAsEachElementPaintedAlone() {
    // Boxes on grey and white, three fonts, a line and the page number, each element painted
    // with its own font, pen and fill, in order; then the searched word marked in a verse.
    FontMeasure measure;
    const std::vector<ReportRow> rows = ChapterRows(ThreeVerses);
    const LaidOutReport plain =
        LayOutReport(WithTitleLine(ChapterReport(), "Psalmi 119"), rows, measure);
    const QImage expected = PaintedPage([&](QPainter& painter) {
        const double dots = painter.device()->logicalDpiX() / 25.4;
        auto paint = [&](const PlacedElement& e) {
            if (e.kind == ElementKind::HorizontalLine) {
                QPen pen(Qt::black, e.penWidth * dots);
                pen.setCapStyle(Qt::FlatCap);
                painter.setPen(pen);
                const double y = (e.top + e.height / 2) * dots;
                painter.drawLine(QPointF(e.left * dots, y), QPointF((e.left + e.width) * dots, y));
                return;
            }
            if (e.background)
                painter.fillRect(
                    QRectF(e.left * dots, e.top * dots, e.width * dots, e.height * dots),
                    QColor::fromRgb(*e.background));
            painter.setFont(ToQFont(e.font));
            painter.setPen(Qt::black);
            const double ascent = QFontMetricsF(painter.font(), painter.device()).ascent();
            for (qsizetype i = 0; i < e.lines.size(); ++i)
                painter.drawText(QPointF(e.left * dots, (e.top + i * e.lineHeight) * dots + ascent),
                                 e.lines[i]);
        };
        for (const PlacedBand& band : plain.pages[0].bands)
            for (const PlacedElement& e : band.elements)
                paint(e);
        for (const PlacedElement& e : plain.pages[0].footer)
            paint(e);
    });
    const QImage page = PaintedPage([&](QPainter& painter) { PaintReportPage(painter, plain, 0); });
    if (page != expected) {
        page.save(dir_.filePath("page.png"));
        expected.save(dir_.filePath("expected.png"));
        dir_.setAutoRemove(false);
    }
    QVERIFY2(page == expected, qPrintable(dir_.path()));

    const LaidOutReport marked = LayOutReport(MarkingWords(ResultsReport(), {"pevati"}, false),
                                              ChapterRows(ThreeVerses), measure);
    const QImage withMarks =
        PaintedPage([&](QPainter& painter) { PaintReportPage(painter, marked, 0); });
    const QImage unmarked = PaintedPage([&](QPainter& painter) {
        PaintReportPage(painter, LayOutReport(ResultsReport(), rows, measure), 0);
    });
    // The mark lies on the second verse's line, within its box, and covers the word.
    const PlacedElement& verse = marked.pages[0].bands.at(1).elements.at(1);
    QRect changed;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (withMarks.pixel(x, y) != unmarked.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    const double dots = 150 / 25.4;
    const QRectF box(verse.left * dots, verse.top * dots, verse.width * dots, verse.height * dots);
    QVERIFY2(box.contains(changed), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                   .arg(changed.x())
                                                   .arg(changed.y())
                                                   .arg(changed.width())
                                                   .arg(changed.height())));
    QCOMPARE(withMarks.pixel(changed.left() + 1, changed.top() + 1),
             QColor::fromRgba(MarkColor).rgb());
    QVERIFY(changed.width() > 4 * dots && changed.width() < 12 * dots);
}

void TestReportExport::cancelledPdfKeepsTheOldFileAndWritesNothing() {
    const LaidOutReport report =
        LayOutReport(ResultsReport(), ChapterRows(QStringList(200, Words(40))), FakeMeasure());
    QTemporaryDir dir;
    const QString path = dir.filePath("stari.pdf");
    const QString fresh = dir.filePath("novi.pdf");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("staro");
    old.close();
    WorkProgress progress;
    progress.cancel();
    QVERIFY(!SavePdf(report, path, "x", &progress));
    QVERIFY(!SavePdf(report, fresh, "x", &progress));
    QCOMPARE(ReadFile(path), QStringLiteral("staro"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"stari.pdf"});
}

void TestReportExport::longWorkShowsProgressAndStopsWhenCancelled() {
    QWidget window;
    window.show();
    QString seen; // the label of the dialog that showed
    QTimer look;
    connect(&look, &QTimer::timeout, &window, [&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QProgressDialog*>(top); dialog && dialog->isVisible()) {
                seen = dialog->labelText();
                for (QPushButton* button : dialog->findChildren<QPushButton*>())
                    if (button->text() == QStringLiteral("Otkaži"))
                        button->click();
            }
    });
    look.start(20);
    int steps = 0;
    const bool finished = RunWithProgress(
        &window, QStringLiteral("Čuvanje izveštaja…"),
        [&](WorkProgress& progress) {
            progress.setTotal(1000);
            while (progress.advance() && ++steps < 1000000)
                QThread::msleep(1);
        },
        0);
    QVERIFY(!finished);
    QCOMPARE(seen, QStringLiteral("Čuvanje izveštaja…"));
    QVERIFY(steps < 1000000);
}

void TestReportExport::saveDialogOpensInTheUsersFolderThenTheLastOneUsed() {
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QCOMPARE(SaveFolder(), QDir::homePath());
    QVERIFY(QDir(home.path()).mkpath("izvestaji"));
    RememberSaveFolder(home.filePath("izvestaji/glava.pdf"));
    QCOMPARE(SaveFolder(), home.filePath("izvestaji"));
}

QTEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"

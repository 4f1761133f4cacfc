#include "Errors.h"
#include "FakeMeasure.h"
#include "FontMeasure.h"
#include "ReportExport.h"
#include "Reports.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {

const QStringList ThreeVerses{"Blago onima koji su bez mane na putu.", "Dobro je <reći> & pevati.",
                              "Treći stih."};

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

QTEST_MAIN(TestReportExport)
#include "tst_reportexport.moc"

#include "DataModule.h"
#include "Errors.h"
#include "ReportPreview.h"
#include "Reports.h"
#include "VerseFixture.h"
#include "print.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

// The same two chapters in every file, each text starting with the file's name.
QVector<FixtureRow> Rows(const QString& name) {
    QVector<FixtureRow> rows;
    for (int v = 1; v <= 3; ++v)
        rows << FixtureRow{"MAT", 2, v, name + QStringLiteral(" 2:%1").arg(v), {}};
    rows << FixtureRow{"MAT", 3, 1, name + " 3:1", {}};
    return rows;
}

// The texts of the report's bands, band by band, elements joined by "|".
QStringList Texts(const LaidOutReport& report) {
    QStringList texts;
    for (const ReportPage& page : report.pages)
        for (const PlacedBand& band : page.bands) {
            QStringList elements;
            for (const PlacedElement& element : band.elements)
                if (element.kind == ElementKind::Text)
                    elements << element.text;
            texts << elements.join('|');
        }
    return texts;
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void chapterFromThePanesOwnTranslation();
    void paneWithoutAChapterPrintsAnEmptyReport();
    void unreadableFileShowsNoPreview();
    void resultsReportOverTheResultsQuery();
    void closedResultsQueryShowsNoPreview();
    void previewPageSetUpAndSaveTools();

private:
    void loadPane(Query& q, const QString& file, int chapter) {
        q.setConnectionString(TranslationConnectionString(file, folder_));
        LoadChapter("vidoslov", "MAT", chapter, q, nullptr);
    }

    QTemporaryDir dir_;
    QString folder_;
    std::unique_ptr<TBaze> baze_;
    std::unique_ptr<Tfprint> print_;
    QList<LaidOutReport> shown_;
    QString defaultConnection_;
};

void TestPrint::initTestCase() {
    QVERIFY(dir_.isValid());
    folder_ = dir_.path() + '/';
    QVERIFY(QDir(folder_).mkpath("baza"));
    WriteVerseFile(folder_ + "baza/vidl.mdb", Rows("Osnovni"));
    WriteVerseFile(folder_ + "baza/drugi.mdb", Rows("Drugi"));
    defaultConnection_ = TranslationConnectionString(DefaultTranslationFile, folder_);
}

void TestPrint::init() {
    print_.reset();
    baze_ = std::make_unique<TBaze>(folder_);
    print_ = std::make_unique<Tfprint>();
    print_->setBaze(baze_.get());
    shown_.clear();
    print_->ShowPreview = [this](TReportPreview& preview) { shown_ << preview.report(); };
}

void TestPrint::chapterFromThePanesOwnTranslation() {
    loadPane(baze_->Query2, "drugi.mdb", 2);
    print_->PreviewChapter(baze_->Query2, "Drugi prevod");
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].name, QStringLiteral("QRTekst"));
    // The title line names the book, the chapter and the translation.
    QCOMPARE(
        Texts(shown_[0]),
        (QStringList{QStringLiteral("Sveto jevanđenje po Mateju 2 — Drugi prevod"),
                     "knjiga: MAT    glava:2", "1.|Drugi 2:1", "2.|Drugi 2:2", "3.|Drugi 2:3"}));
    QCOMPARE(shown_[0].pages[0].footer.at(0).text, QStringLiteral("Strana 1 od 1"));
    // Afterwards the print query is closed and reads the default file again.
    QVERIFY(!baze_->QueryTekst.isOpen());
    QCOMPARE(baze_->QueryTekst.connectionString(), defaultConnection_);
    QCOMPARE(baze_->QueryTekst.sql(), baze_->Query2.sql());
}

void TestPrint::paneWithoutAChapterPrintsAnEmptyReport() {
    for (Query* pane : {&baze_->Query1, &baze_->Query3})
        print_->PreviewChapter(*pane);
    QCOMPARE(shown_.size(), 2);
    for (const LaidOutReport& report : shown_) {
        QCOMPARE(report.pages.size(), size_t(1));
        QVERIFY(report.pages[0].bands.empty());
    }
}

void TestPrint::unreadableFileShowsNoPreview() {
    loadPane(baze_->Query1, "vidl.mdb", 2);
    baze_->Query1.close();
    baze_->Query1.setConnectionString(TranslationConnectionString("nema.mdb", folder_));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, print_->PreviewChapter(baze_->Query1));
    QVERIFY(shown_.isEmpty());
    QVERIFY(!baze_->QueryTekst.isOpen());
    QCOMPARE(baze_->QueryTekst.connectionString(), defaultConnection_);
}

void TestPrint::resultsReportOverTheResultsQuery() {
    Query q;
    q.setConnectionString(TranslationConnectionString(DefaultTranslationFile, folder_));
    q.addLine("select * from vidoslov where glava=2");
    q.open();
    q.next();
    print_->PreviewResults(ReadReportRows(q));
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(Texts(shown_[0]).first(), QStringLiteral("knjiga: MAT    glava:2:1|Osnovni 2:1|1."));
    QCOMPARE(Texts(shown_[0]).size(), 3);
    QVERIFY(q.isOpen());
    QCOMPARE(q.fieldAsText("rbr"), QStringLiteral("1"));
}

void TestPrint::closedResultsQueryShowsNoPreview() {
    // The same closed-dataset error as the results window gives.
    QString text;
    try {
        Query closed;
        closed.requireOpen();
        print_->PreviewResults(ReadReportRows(closed));
    } catch (const DatabaseError& error) {
        text = error.text();
    }
    QCOMPARE(text, QStringLiteral("Cannot perform this operation on a closed dataset"));
    QVERIFY(shown_.isEmpty());
}

void TestPrint::previewPageSetUpAndSaveTools() {
    print_->ShowPreview = [this](TReportPreview& preview) {
        const QPageLayout layout = preview.printer().pageLayout();
        QCOMPARE(layout.pageSize().id(), QPageSize::A4);
        QCOMPARE(layout.orientation(), QPageLayout::Portrait);
        QCOMPARE(layout.margins(QPageLayout::Millimeter), QMarginsF(12.7, 12.7, 12.7, 12.7));
        QVERIFY(preview.printer().fullPage());
        QCOMPARE(preview.printer().copyCount(), 1);
        // Print and save lead the tool bar, so that a narrow window keeps them in view.
        const QToolBar* tools = preview.dialog().findChild<QToolBar*>();
        QCOMPARE(tools->actions().at(0)->objectName(), QStringLiteral("printAction"));
        QCOMPARE(tools->widgetForAction(tools->actions().at(1)), preview.SaveTool());
        QStringList saves;
        for (QAction* action : preview.SaveTool()->menu()->actions())
            saves << action->text();
        QCOMPARE(saves,
                 (QStringList{"Sačuvaj kao PDF…", "Sačuvaj kao tekst…", "Sačuvaj kao HTML…"}));
        // Landscape paper lays the report out again when the preview paints.
        preview.printer().setOutputFileName(dir_.filePath("pregled.pdf"));
        preview.printer().setPageOrientation(QPageLayout::Landscape);
        preview.PaintRequested(&preview.printer());
        QCOMPARE(preview.report().page.paperWidth, 297.0);
        QCOMPARE(preview.report().page.paperHeight, 210.0);
        QVERIFY(QFileInfo(dir_.filePath("pregled.pdf")).size() > 0);
    };
    loadPane(baze_->Query3, "vidl.mdb", 3);
    print_->PreviewChapter(baze_->Query3);
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"

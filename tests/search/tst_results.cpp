#include "Application.h"
#include "DataModule.h"
#include "Messages.h"
#include "PaneMenu.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "ProgramFixture.h"
#include "ReportPreview.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "VerseFixture.h"
#include "print.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>

namespace {

const QString ClosedDataset = QStringLiteral("Cannot perform this operation on a closed dataset");

// 501 verses of one book, 50 a chapter, in a translation whose texts start with its name.
QVector<FixtureRow> Rows(const QString& translation) {
    QVector<FixtureRow> rows;
    for (int i = 0; i < 501; ++i)
        rows << FixtureRow{QStringLiteral("1 MOJ"), i / 50 + 1, i % 50 + 1,
                           QStringLiteral("%1 stih %2.").arg(translation).arg(i + 1), QVariant()};
    return rows;
}

// Jonah 1–2 as a numbering has it: the verses of chapter 1, then of chapter 2.
QVector<FixtureRow> Jonah(const QString& name, int first, int second) {
    QVector<FixtureRow> rows;
    for (int chapter : {1, 2})
        for (int v = 1; v <= (chapter == 1 ? first : second); ++v)
            rows << FixtureRow{QStringLiteral("JONA"), chapter, v,
                               QStringLiteral("%1 %2:%3").arg(name).arg(chapter).arg(v),
                               QVariant()};
    return rows;
}

} // namespace

class TestResults : public QObject, private ProgramFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void countsAndQuestion_data();
    void countsAndQuestion();
    void keysScrollAndEscapeCloses();
    void refillReusesLabels();
    void headingOpensChapterInActivePane();
    void headingOpensInPaneNumbering();
    void reminderEntryOfVerseIsItsHeadings();
    void onTopTogglesFlagAndItalics();
    void closedQueryReachesErrorBox();
    void lastRowShowsAtTheEnd();
    void headingFarDownOpensItsChapter();
    void everyRowIsReadable();
    void shorterListFreesTheLabels();
    void searchedWordsMarkedCopiedAndPrinted();

private:
    TfRezultatiTrazenja* r() const { return program_->fRezultatiTrazenja.get(); }
    TKvlabel* result(int k) const { return r()->FindLabel(QStringLiteral("labela%1").arg(k)); }
    // Runs a search for the first rows of the default text and shows its results, as
    // looking for what the window names.
    void search(int rows);
    void show(const QStringList& statement);
    QImage onTopItem();

    QStringList asked_;
    bool answer_ = true;
};

void TestResults::initTestCase() {
    prepareFolder();
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")), Rows(QStringLiteral("Prvi")));
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/drugi.mdb")), Rows(QStringLiteral("Drugi")));
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/kj.mdb")),
                   Jonah(QStringLiteral("Kj"), 17, 10));
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/sr.mdb")),
                   Jonah(QStringLiteral("Sr"), 16, 11), QStringLiteral("Daničić"));
}

void TestResults::init() {
    startProgram();
    asked_.clear();
    answer_ = true;
    SetQuestionHandler([this](const QString& text) {
        asked_ << text;
        return answer_;
    });
}

void TestResults::cleanup() {
    program_.reset();
    SetQuestionHandler({});
}

void TestResults::search(int rows) {
    show({QStringLiteral("select * from vidoslov"), QStringLiteral("where rowid <= %1").arg(rows)});
}

void TestResults::show(const QStringList& statement) {
    const QString connection = TranslationConnectionString(DefaultTranslationFile, folder_);
    r()->ShowResults({r()->Searched(), statement, RunStatement(connection, statement), {}, -1});
}

void TestResults::countsAndQuestion_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<int>("shown"); // rows listed afterwards
    QTest::newRow("none") << 0 << true << false << 0;
    QTest::newRow("500") << 500 << false << false << 500;
    QTest::newRow("501 yes") << 501 << true << true << 501;
    QTest::newRow("501 no") << 501 << false << true << 3;
}

void TestResults::countsAndQuestion() {
    QFETCH(int, rows);
    QFETCH(bool, answer);
    QFETCH(bool, asks);
    QFETCH(int, shown);
    search(3);
    r()->close();
    answer_ = answer;
    SetQuestionHandler([this](const QString& text) {
        asked_ << text;
        // The window, shown again, does not show the earlier list while it asks.
        return r()->ResultsBox()->isHidden() && answer_;
    });
    search(rows);
    QCOMPARE(asked_.size(), asks ? 1 : 0);
    if (asks)
        QCOMPARE(asked_.first(), QStringLiteral("Preko 500 poklapanja (501)\nunesite još neki "
                                                "uslov za traženje radi smanjenja broja "
                                                "poklapanja.\nPotrajaće duže do celog prikaza. "
                                                "NASTAVITI?"));
    QCOMPARE(r()->windowTitle(), QStringLiteral("Ukupno : %1 poklapanja.").arg(shown));
    QCOMPARE(r()->ResultLabelsUsed(), 2 * shown);
    QVERIFY(r()->isVisible() && r()->ResultsBox()->isVisible());
    // Declining keeps the old list while the window holds the new rows.
    QCOMPARE(int(r()->Found().size()), rows);
    if (shown > 0)
        QVERIFY(result(2 * shown)->Tekst().endsWith(QStringLiteral(". Prvi stih %1.").arg(shown)));
    if (shown == 500) { // a long list shows the labels near the view, the rest when scrolled to
        QVERIFY(result(1)->isVisible() && !result(1000)->isVisible());
        r()->ResultsBox()->setVertPosition(r()->ListPos(result(1000)).y());
        QVERIFY(result(1000)->isVisible() && !result(1)->isVisible());
    }
    if (rows == 0)
        QVERIFY(result(1)->isHidden());
    QCOMPARE(r()->NoHitLine()->isVisible(), shown == 0);
    QCOMPARE(r()->NoHitLine()->text(), QStringLiteral("Nema poklapanja."));
}

void TestResults::keysScrollAndEscapeCloses() {
    search(40);
    QVERIFY(QTest::qWaitForWindowExposed(r()));
    QCOMPARE(r()->ResultsBox()->VertPosition(), 0);
    QTest::keyClick(r(), Qt::Key_Down);
    QCOMPARE(r()->ResultsBox()->VertPosition(), 15);
    // The main window's reminder key works here too.
    QTest::keyClick(r(), Qt::Key_F5);
    QVERIFY(program_->fPodsetnik->isVisible());
    QTest::keyClick(r(), Qt::Key_Escape);
    QVERIFY(!r()->isVisible());
    QVERIFY(!r()->HoldsRows());
}

void TestResults::refillReusesLabels() {
    search(10);
    QList<QPointer<TKvlabel>> first;
    for (int k = 1; k <= 6; ++k)
        first << result(k);
    search(3);
    QCOMPARE(r()->ResultLabelsCreated(), 20);
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(result(k), first[k - 1].data());
        QCOMPARE(result(k)->Vrsta(), k % 2 ? Knjiga1 : Tekst1);
        QVERIFY(result(k)->isVisible());
    }
    for (int k = 7; k <= 20; ++k)
        QVERIFY(result(k)->isHidden() && result(k)->Tekst().isEmpty());

    TKvlabel* heading = result(5);
    TKvlabel* verse = result(6);
    QCOMPARE(heading->Tekst(), QStringLiteral("knjiga : 1 MOJ  glava: 1"));
    QCOMPARE(verse->Tekst(), QStringLiteral("3. Prvi stih 3."));
    QCOMPARE(QStringList({verse->Knjiga, verse->Glava, verse->Rbr}),
             QStringList({QStringLiteral("1 MOJ"), QStringLiteral("1"), QStringLiteral("3")}));
    // One under the other from the top, at x = 5.
    QCOMPARE(r()->ListPos(result(1)), QPoint(5, 10));
    QCOMPARE(r()->ListPos(verse), QPoint(5, r()->ListPos(heading).y() + heading->TextHeight()));
    QVERIFY(!r()->Found().empty());
    QCOMPARE(r()->Found().front().Rbr, QStringLiteral("1"));
}

void TestResults::headingOpensChapterInActivePane() {
    TfMain* w = m();
    QAction other(QStringLiteral("Drugi"));
    SetTranslationHint(&other, QStringLiteral("drugi.mdb"));
    w->SwitchTranslation(2, &other);
    search(60);
    // Row 53: chapter 2, verse 3.
    TKvlabel* heading = result(105);
    r()->ResultsBox()->ensureWidgetVisible(result(106));
    const int chapter = w->State().Chapter(2);
    QTest::mouseClick(result(106), Qt::LeftButton);
    QCOMPARE(w->State().Chapter(2), chapter);
    QTest::mouseClick(heading, Qt::LeftButton);
    QCOMPARE(w->State().ResultsPane(), 2);
    QCOMPARE(w->State().BookCode(), QStringLiteral("1 MOJ"));
    QCOMPARE(w->State().Chapter(2), 2);
    QCOMPARE(w->State().Verse(2), 3);
    QCOMPARE(label(2, 3)->Tekst(), QStringLiteral("3. Drugi stih 53."));
    QVERIFY(!label(2, 3)->isTransparent());
    QVERIFY(r()->isVisible());
    QVERIFY(messages_.isEmpty());
}

void TestResults::headingOpensInPaneNumbering() {
    // The default translation numbers as the KJV here; pane 2 shows Daničić's numbering and
    // pane 1 follows it in the default translation.
    TfMain* w = m();
    QAction serbian(QStringLiteral("Srpski"));
    SetTranslationHint(&serbian, QStringLiteral("sr.mdb"));
    w->SwitchTranslation(2, &serbian);
    w->LinkBox(1)->setChecked(true);
    const QStringList statement{QStringLiteral("select * from vidoslov"),
                                QStringLiteral("where glava = 1 and rbr = 17")};
    const QString kjv = TranslationConnectionString(QStringLiteral("kj.mdb"), folder_);
    r()->ShowResults({r()->Searched(), statement, RunStatement(kjv, statement), {}, -1});
    QTest::mouseClick(result(1), Qt::LeftButton);
    QCOMPARE(w->State().Chapter(2), 2);
    QCOMPARE(w->State().Verse(2), 1);
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Sr 2:1"));
    QCOMPARE(w->State().Chapter(1), 1);
    QCOMPARE(w->State().Verse(1), 17);
    QVERIFY(messages_.isEmpty());
}

void TestResults::reminderEntryOfVerseIsItsHeadings() {
    search(60);
    QListWidget* list = program_->fPodsetnik->List();
    for (int k : {105, 106}) {
        r()->Menu()->setPopupComponent(result(k));
        r()->InsertItem()->trigger();
    }
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("1 MOJ 2:3"));
    QCOMPARE(list->item(1)->text(), list->item(0)->text());
    QVERIFY(!program_->fPodsetnik->isVisible());
}

QImage TestResults::onTopItem() {
    TPopupMenu* menu = r()->Menu();
    menu->popup(QPoint(10, 10));
    if (!QTest::qWaitForWindowExposed(menu))
        return {};
    const QImage item = menu->grab(menu->actionGeometry(r()->OnTopItem())).toImage();
    menu->hide();
    return item.convertToFormat(QImage::Format_RGB32);
}

void TestResults::onTopTogglesFlagAndItalics() {
    search(3);
    QVERIFY(r()->StaysOnTop());
    const QImage marked = onTopItem();
    QImage italic(marked.size(), QImage::Format_RGB32);
    {
        QPainter canvas(&italic);
        DrawMenuItem(canvas, r()->OnTopItem()->text(), italic.rect(), false, r()->Menu()->palette(),
                     true);
    }
    QCOMPARE(marked, italic);

    r()->OnTopItem()->trigger();
    QVERIFY(!r()->OnTopItem()->isChecked());
    QVERIFY(!r()->StaysOnTop());
    QVERIFY(r()->isVisible());
    QVERIFY(onTopItem() != marked);

    r()->OnTopItem()->trigger();
    QVERIFY(r()->StaysOnTop());
    QCOMPARE(onTopItem(), marked);

    // A modal window of the program is not covered: the window steps down while it is up.
    QDialog modal;
    modal.setModal(true);
    modal.show();
    QVERIFY(QTest::qWaitForWindowActive(&modal));
    QTRY_VERIFY(!r()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(r()->isVisible() && r()->StaysOnTop());
    modal.close();
    r()->activateWindow();
    QTRY_VERIFY(r()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));

    // Hidden, it keeps its flags: a change would make its platform window anew at the next
    // show.
    r()->hide();
    QDialog next;
    next.setModal(true);
    next.show();
    QVERIFY(QTest::qWaitForWindowActive(&next));
    QVERIFY(r()->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestResults::closedQueryReachesErrorBox() {
    search(3);
    r()->close();
    QVERIFY(!r()->HoldsRows());
    for (QAction* item : {r()->RefillItem(), r()->PrintItem()}) {
        messages_.clear();
        item->trigger();
        QCOMPARE(messages_, QStringList{ClosedDataset});
    }
    // The list stays as it was and the window goes on.
    QVERIFY(r()->ResultsBox()->isVisibleTo(r()));
    QCOMPARE(r()->ResultLabelsUsed(), 6);
    QVERIFY(result(6)->isVisibleTo(r()));
    search(2);
    QCOMPARE(r()->ResultLabelsUsed(), 4);
    QVERIFY(result(5)->isHidden());
}

void TestResults::lastRowShowsAtTheEnd() {
    // Verses of one to five lines: every seventh row is long.
    show({QStringLiteral("select knjiga, glava, rbr, case when rowid % 7 = 0 then "
                         "replace(hex(zeroblob(rowid % 40 + 10)), '00', 'reč ') else '' "
                         "end || tekst as tekst from vidoslov")});
    QScrollBar* bar = r()->ResultsBox()->verticalScrollBar();
    bar->setValue(bar->maximum());
    TKvlabel* last = result(1002);
    QCOMPARE(last->Tekst(), QStringLiteral("1. Prvi stih 501."));
    QVERIFY(last->isVisible());
    // The last verse ends the list, at the bottom of the view.
    const QWidget* view = r()->ResultsBox()->viewport();
    QCOMPARE(r()->ListPos(last).y() + last->TextHeight(), r()->Rows().Bottom());
    QCOMPARE(last->mapTo(view, QPoint(0, last->height())).y(), view->height());
    // The rows in view stand one under the other.
    for (int k = 990; k < 1002; ++k)
        QCOMPARE(r()->ListPos(result(k + 1)).y(),
                 r()->ListPos(result(k)).y() + result(k)->TextHeight());
    QCOMPARE(r()->RowOf(last), 500);
    QCOMPARE(r()->RowAt(r()->ListPos(last)), 500);
}

void TestResults::headingFarDownOpensItsChapter() {
    search(501);
    TKvlabel* heading = result(901); // row 451: chapter 10, verse 1
    r()->ResultsBox()->ensureWidgetVisible(heading);
    QVERIFY(heading->isVisible());
    QTest::mouseClick(heading, Qt::LeftButton);
    QCOMPARE(m()->State().Chapter(m()->State().ResultsPane()), 10);
    QCOMPARE(m()->State().Verse(m()->State().ResultsPane()), 1);
}

void TestResults::everyRowIsReadable() {
    search(501);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(r()->ResultsBox());
    QCOMPARE(QAccessible::queryAccessibleInterface(r())->role(), QAccessible::Window);
    QCOMPARE(list->role(), QAccessible::List);
    QCOMPARE(list->childCount(), 501);
    // A row far from the view, whose labels are not laid out, reads and opens as any other.
    QAccessibleInterface* row = list->child(450);
    QCOMPARE(row->text(QAccessible::Name),
             QStringLiteral("Prva knjiga Mojsijeva 10:1: Prvi stih 451."));
    QCOMPARE(list->indexOfChild(row), 450);
    const QAccessible::Id id = QAccessible::uniqueId(row);
    QVERIFY(row->state().offscreen);
    row->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m()->State().Chapter(m()->State().ResultsPane()), 10);
    // A new list: the rows of the old one are gone.
    search(3);
    QCOMPARE(list->childCount(), 3);
    QCOMPARE(list->child(2)->text(QAccessible::Name),
             QStringLiteral("Prva knjiga Mojsijeva 1:3: Prvi stih 3."));
    QVERIFY(!QAccessible::accessibleInterface(id));
}

void TestResults::shorterListFreesTheLabels() {
    r()->setFixedSize(r()->width(), 1500); // many rows in view
    search(501);
    QScrollBar* bar = r()->ResultsBox()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QPointer<TKvlabel> last = result(1002);
    const int made = r()->ResultLabelsCreated();
    QVERIFY(made < 1002);
    search(3);
    // The labels kept are few, all on the list, and only those of the list show.
    QVERIFY(r()->ResultLabelsCreated() <= std::max(made, 200));
    const QList<TKvlabel*> kept = r()->ResultsBox()->widget()->findChildren<TKvlabel*>();
    QCOMPARE(kept.size(), r()->ResultLabelsCreated());
    for (TKvlabel* label : kept)
        QCOMPARE(label->isVisible(), r()->RowOf(label) >= 0);
    QVERIFY(r()->ResultLabelsCreated() < made);
    // A label of the long list is gone, or serves the short one, or waits empty.
    QVERIFY(!last || r()->RowOf(last) >= 0 || (last->isHidden() && last->Tekst().isEmpty()));
    QCOMPARE(result(6)->Tekst(), QStringLiteral("3. Prvi stih 3."));
}

void TestResults::searchedWordsMarkedCopiedAndPrinted() {
    r()->SetSearched({QStringLiteral("Drugi prevod"),
                      QStringLiteral("drugi.mdb"),
                      {QStringLiteral("STIH 1")},
                      false});
    search(12);
    QCOMPARE(r()->windowTitle(), QStringLiteral("Ukupno : 12 poklapanja. — Drugi prevod"));
    // "1. Prvi stih 1." and "10. Prvi stih 10.": the words after the verse number.
    QCOMPARE(result(2)->Marks, (QList<TextRange>{{8, 6}}));
    QCOMPARE(result(20)->Marks, (QList<TextRange>{{9, 6}}));
    QVERIFY(result(4)->Marks.isEmpty());
    QVERIFY(result(1)->Marks.isEmpty());

    r()->Menu()->setPopupComponent(result(1));
    r()->CopyVerseItem()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Prva knjiga Mojsijeva 1:1 — Prvi stih 1. (Drugi prevod)"));

    QString title;
    QStringList marked;
    program_->fprint->ShowPreview = [&](TReportPreview& preview) {
        const ReportPage& first = preview.report().pages.at(0);
        title = first.bands.at(0).elements.at(0).text;
        marked = first.bands.at(1).elements.at(1).markWords;
    };
    r()->Preview1Click();
    QCOMPARE(title, QStringLiteral("Pretraga — Drugi prevod — reči: STIH 1 — 12 poklapanja"));
    QCOMPARE(marked, QStringList{"STIH 1"});

    // A heading opens its chapter in the translation searched.
    r()->ResultClick(result(3));
    QCOMPARE(program_->Baze->Query1.connectionString(),
             TranslationConnectionString(QStringLiteral("drugi.mdb"), folder_));
    QCOMPARE(label(1, 2)->Tekst(), QStringLiteral("2. Drugi stih 2."));
}

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestResults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_results.moc"

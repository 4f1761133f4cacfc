#include "Appearance.h"
#include "Application.h"
#include "ChapterLayout.h"
#include "DataModule.h"
#include "Errors.h"
#include "FlatPanel.h"
#include "Intro.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "Look.h"
#include "MainWindow.h"
#include "MarkedText.h"
#include "Messages.h"
#include "PodesiFont.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "Program.h"
#include "ProgramFixture.h"
#include "ReportExport.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "Trazi.h"
#include "UpDown.h"
#include "VerseFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileIconProvider>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <cmath>

namespace {

FixtureRow Row(const char* book, int chapter, int verse, const QString& text,
               QVariant pok = QVariant()) {
    return {QString::fromUtf8(book), chapter, verse, text, pok};
}

const QString Genesis = QStringLiteral("Prva knjiga Mojsijeva");
const QString Matthew = QStringLiteral("Sveto jevanđenje po Mateju");

// The book a pane's heading names: the heading without its chapter.
QString BookOf(const QLabel* heading) {
    return heading->text().section(QLatin1Char(' '), 0, -2);
}

// An object whose every event handler fails.
class Failing : public QObject {
public:
    bool event(QEvent*) override {
        throw ConvertError(QStringLiteral("'x' is not a valid integer value"));
    }
};

} // namespace

class TestMainWindow : public QObject, private ProgramFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsWithEmptyPanes();
    void sizesFollowTheScreen();
    void resizingLaysTheChapterOutAgain();
    void showReadsVerseThenChapter();
    void typedChapterShowsOnEnter();
    void backStopsAtChapterOne();
    void forwardStopsAtTheLastChapter();
    void chaptersStopAtTheEndsOfTheNumbers();
    void followersLoadInFixedOrder_data();
    void followersLoadInFixedOrder();
    void failedLoadKeepsThePane();
    void referenceClickShowsThePlace();
    void badReferenceLoadsNothing();
    void verseClickChoosesTheVerse();
    void referenceToolTipShowsTheVerse();
    void looksKeepTheLabelsReadable_data();
    void looksKeepTheLabelsReadable();
    void keysScrollTheActivePane();
    void keyboardFollowsTheActivePane();
    void functionKeysOpenTheOtherWindows();
    void spinnersStepTheEdits();
    void errorsReachTheErrorBox();
    void emptiedEditIsLeftAsTyped();
    void returnFromAnotherWindowFocusesTheFirstEdit();
    void standardTextsAreSerbian();
    void closingEndsTheRun();

private:
    void showIn(int pane, const QString& reference);
};

void TestMainWindow::initTestCase() {
    prepareFolder();
    QVector<FixtureRow> rows;
    rows << Row("1 MOJ", 1, 1, QStringLiteral("U početku."), QStringLiteral("MAT 1:2|JOVAN 3:16"))
         << Row("1 MOJ", 1, 2, QStringLiteral("Drugi stih."))
         << Row("1 MOJ", 1, 3, QStringLiteral("Treći stih."));
    for (int v = 1; v <= 5; ++v)
        rows << Row("1 MOJ", 2, v, QStringLiteral("Glava dva, stih %1.").arg(v));
    rows << Row("1 MOJ", 3, 1, QStringLiteral("Poslednja glava."))
         << Row("1 MOJ", 3, 2, QStringLiteral("Kraj."));
    for (int v = 1; v <= 40; ++v)
        rows << Row("MAT", 1, v,
                    QStringLiteral("Stih %1 dugačke glave, sa dovoljno reči da se prelomi u "
                                   "više redova u svakom oknu.")
                        .arg(v));
    for (int v = 1; v <= 4; ++v)
        rows << Row("MAT", 2, v, QStringLiteral("Matej dva, %1.").arg(v));
    for (int v = 1; v <= 20; ++v)
        rows << Row("JOVAN", 3, v, QStringLiteral("Jovan tri, %1.").arg(v));
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")), rows);
}

void TestMainWindow::init() {
    startProgram();
}

void TestMainWindow::cleanup() {
    program_.reset();
}

void TestMainWindow::showIn(int pane, const QString& reference) {
    m()->SetActivePane(pane);
    m()->ShowReference(reference);
}

void TestMainWindow::startsWithEmptyPanes() {
    TfMain* w = m();
    QCOMPARE(w->windowTitle(), MainCaption());
    QCOMPARE(MainCaption(QStringLiteral("https://vidoslov.invalid")),
             QStringLiteral("Vidoslov (Pretraga - Upoređivanje - Štampa)                   "
                            "Ovaj program je preuzet sa https://vidoslov.invalid"));
    QCOMPARE(MainCaption(QString()), QStringLiteral("Vidoslov (Pretraga - Upoređivanje - Štampa)"));
    QCOMPARE(w->GetActivePane(), 1);
    QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(1));
    for (int p = 1; p <= 3; ++p) {
        QCOMPARE(bookColor(p), QColor(0, 0, 128));
        QVERIFY(w->BookLabel(p)->text().isEmpty());
        QVERIFY(w->ScrollBox(p)->EmptyHint()->isVisible());
        QCOMPARE(w->ScrollBox(p)->EmptyHint()->text(),
                 QStringLiteral("Desni klik: izbor knjige i prevoda"));
        QCOMPARE(w->ChapterEdit(p)->text(), QStringLiteral("1"));
        QCOMPARE(w->VerseEdit(p)->text(), QStringLiteral("1"));
        QCOMPARE(w->ChapterEdit(p)->Broj, Ceo);
        QCOMPARE(w->State().Chapter(p), 0);
        QCOMPARE(w->State().Verse(p), 0);
        QCOMPARE(w->Layout().LabelsCreated[p], 0);
        QCOMPARE(w->State().Pane(p).table, QStringLiteral("vidoslov"));
        QCOMPARE(w->State().Pane(p).caption, QStringLiteral("Osnovnik"));
        QCOMPARE(w->State().Pane(p).textFont,
                 (TKvFont{QStringLiteral("Arial"), 13, fsBold, clBlack, 238}));
        QCOMPARE(w->State().Pane(p).refFont,
                 (TKvFont{QStringLiteral("Arial"), 10, 0, clBlue, 238}));
        QVERIFY(!w->LinkBox(p)->isChecked());
        QCOMPARE(PaneOfBox(*w->ScrollBox(p)), p);
        QCOMPARE(w->ScrollBox(p)->Tag, p);
        QCOMPARE(w->ChapterSpinner(p)->Associate(), w->ChapterEdit(p));
        QCOMPARE(w->VerseSpinner(p)->Associate(), w->VerseEdit(p));
    }
    QVERIFY(w->State().BookCode().isEmpty());
    QCOMPARE(w->State().ResultsPane(), 1);
    QCOMPARE(w->Layout().RightMargin, 20);
    QCOMPARE(w->Catalogue().BookTitles[1], Genesis);
    // Nothing is opened at start-up.
    QVERIFY(!program_->Baze->Query1.isOpen());
    QVERIFY(!program_->fRezultatiTrazenja->HoldsRows());
    // Controls by name, in any letter case, with their panes' tags.
    QCOMPARE(FindComponent(w, QStringLiteral("EDITGLAVA2")), w->ChapterEdit(2));
    QCOMPARE(FindComponent(w, QStringLiteral("editrbr3")), w->VerseEdit(3));
    QCOMPARE(FindComponent(w, QStringLiteral("UpDown2")), w->VerseSpinner(3));
    QCOMPARE(FindComponent(w, QStringLiteral("label11"))->property("text").toString(),
             QStringLiteral("Stih:"));
    QCOMPARE(w->ShowButton(3)->Tag, 3);
    QCOMPARE(w->ShowButton(1)->Tag, 1);
    QCOMPARE(w->FontButton(2)->Tag, 2);
    QCOMPARE(w->ForwardButton(2)->Tag, 2);
    QCOMPARE(w->VerseEdit(3)->Tag, 3);
    QVERIFY(!w->SpareButton(1)->isVisible());
    const QStringList items{w->SearchItem()->text(), w->RemindersItem()->text(),
                            w->ExitItem()->text()};
    QCOMPARE(items, (QStringList{"Pretraga    (F10)", "Podsetnik   (F5)", "Izlaz"}));
    QCOMPARE(w->SelectMenu()->title(), QStringLiteral("Izbor"));
    // The other windows exist and stay hidden.
    QVERIFY(!program_->fTrazi->isVisible());
    QVERIFY(!program_->fIntro->isVisible());
    QVERIFY(!program_->fPodsetnik->isVisible());
    QCOMPARE(program_->fRezultatiTrazenja->height(), w->height());
}

void TestMainWindow::sizesFollowTheScreen() {
    TfMain* w = m();
    const QRect screen = w->screen()->geometry();
    QCOMPARE(w->size(), QSize(screen.width() - 50, screen.height() - 120));
    QCOMPARE(w->pos(), QPoint(25, 60));
    const int side = int(std::lround((w->width() - 10) / 3.0));
    QCOMPARE(w->PaneColumn(1)->width(), side);
    QCOMPARE(w->PaneColumn(2)->width(), side);
    QCOMPARE(w->PaneColumn(3)->width(), w->PaneSplitter()->width() - 2 * side - 4);
    QVERIFY(w->PaneColumn(1)->x() < w->PaneColumn(3)->x());
    QVERIFY(w->PaneColumn(3)->x() < w->PaneColumn(2)->x());

    // A resize undoes the dragging of the splitters.
    w->PaneSplitter()->setSizes({252, w->width() - 504, 248});
    QCOMPARE(w->PaneColumn(1)->width(), 252);
    w->resize(w->width() + 31, w->height());
    QTRY_COMPARE(w->PaneColumn(1)->width(), int(std::lround((w->width() - 10) / 3.0)));
    QCOMPARE(w->PaneColumn(2)->width(), w->PaneColumn(1)->width());
}

void TestMainWindow::resizingLaysTheChapterOutAgain() {
    TfMain* w = m();
    showIn(1, QStringLiteral("MAT 1:30"));
    TScrollBox* box = w->ScrollBox(1);
    const int before = label(1, 1)->Sirina;
    w->VerseEdit(1)->setText(QStringLiteral("2")); // typed, not shown
    w->resize(w->width() + 200, w->height());
    QTRY_VERIFY(box->width() != before + 30);
    w->RelayoutPanes();
    QCOMPARE(label(1, 1)->Sirina, box->width() - 30);
    QCOMPARE(w->Layout().LabelsUsed[1], 40);
    // The chosen verse stays highlighted and in view.
    const QRect chosen = label(1, 30)->geometry();
    QVERIFY(!label(1, 30)->isTransparent());
    QVERIFY(label(1, 2)->isTransparent());
    QVERIFY(chosen.top() >= box->VertPosition());
    QVERIFY(chosen.bottom() <= box->VertPosition() + box->viewport()->height());
    QCOMPARE(w->State().Verse(1), 2);
    // Every control of a bottom panel is in view, also in a narrow pane (800-pixel screen);
    // the window keeps the width of three such panes.
    for (int width : {950, 750}) {
        w->resize(width, w->height());
        QTRY_COMPARE(w->PaneColumn(1)->width(), int(std::lround((width - 10) / 3.0)));
        for (TFlatPanel* bottom : {w->BottomPanel(1), w->BottomPanel(3), w->BottomPanel(2)})
            for (QWidget* control : bottom->findChildren<QWidget*>())
                if (control->isVisibleTo(w))
                    QVERIFY2(control->geometry().right() < bottom->width(),
                             qPrintable(control->objectName()));
    }
    QCOMPARE(w->minimumWidth(), 3 * w->PaneColumn(1)->minimumWidth() + 4);
    QVERIFY(w->minimumWidth() <= 750);
}

void TestMainWindow::showReadsVerseThenChapter() {
    TfMain* w = m();
    w->State().SetBookCode(QStringLiteral("1 MOJ"));
    w->ChapterEdit(2)->setText(QStringLiteral("2"));
    w->VerseEdit(2)->setText(QStringLiteral("3"));
    // The edits keep the numbers without loading anything.
    QCOMPARE(w->State().Chapter(2), 2);
    QCOMPARE(w->State().Verse(2), 3);
    QCOMPARE(w->Layout().LabelsCreated[2], 0);

    w->BtnPokaziClick(w->ShowButton(2));
    QCOMPARE(w->GetActivePane(), 2);
    QCOMPARE(w->Layout().LabelsUsed[2], 5);
    QVERIFY(w->ScrollBox(2)->EmptyHint()->isHidden());
    QCOMPARE(w->BookLabel(2)->text(), Genesis + QStringLiteral(" 2"));
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Glava dva, stih 1."));
    QVERIFY(!label(2, 3)->isTransparent());
    QVERIFY(label(2, 2)->isTransparent());
    QCOMPARE(bookColor(2), QColor(235, 0, 0)); // red that keeps 4.5:1 on white
    QCOMPARE(bookColor(1), QColor(0, 0, 128));
    QCOMPARE(bookColor(3), QColor(0, 0, 128));
    QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(2));
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(w->Layout().LabelsCreated[1], 0);

    // A bad verse text stops the show before the chapter is read; the pane becomes active.
    w->SetActivePane(1);
    w->VerseEdit(2)->setText(QStringLiteral("x"));
    QCOMPARE(messages_, QStringList{QStringLiteral("'x' is not a valid integer value")});
    QCOMPARE(w->State().Verse(2), 3);
    QVERIFY_THROWS_EXCEPTION(ConvertError, w->BtnPokaziClick(w->ShowButton(2)));
    QCOMPARE(w->GetActivePane(), 2);
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Glava dva, stih 1."));

    // A menu item as sender keeps the active pane the caller chose.
    w->VerseEdit(2)->setText(QStringLiteral("1"));
    w->SetActivePane(1);
    w->ChapterEdit(1)->setText(QStringLiteral("3"));
    QObject item;
    w->BtnPokaziClick(&item);
    QCOMPARE(w->GetActivePane(), 1);
    QCOMPARE(w->Layout().LabelsUsed[1], 2);
}

void TestMainWindow::typedChapterShowsOnEnter() {
    TfMain* w = m();
    w->State().SetBookCode(QStringLiteral("MAT"));
    w->ChapterEdit(3)->setFocus();
    w->ChapterEdit(3)->selectAll();
    QTest::keyClick(w->ChapterEdit(3), Qt::Key_1);
    QCOMPARE(w->State().Chapter(3), 1);
    QTest::keyClick(w->ChapterEdit(3), Qt::Key_2);
    QCOMPARE(w->State().Chapter(3), 12);
    QVERIFY(!program_->Baze->Query3.isOpen());
    QCOMPARE(w->GetActivePane(), 1);

    QTest::keyClick(w->ChapterEdit(3), Qt::Key_Return);
    QCOMPARE(w->GetActivePane(), 3);
    QCOMPARE(program_->Baze->Query3.sql(),
             (QStringList{"select * from vidoslov", "where knjiga='MAT' and glava=12"}));
    // No such chapter: an empty pane whose edits show the numbers asked for.
    QCOMPARE(w->Layout().LabelsUsed[3], 0);
    QCOMPARE(w->ChapterEdit(3)->text(), QStringLiteral("12"));
    QCOMPARE(BookOf(w->BookLabel(3)), Matthew);
    QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(3));

    w->ChapterEdit(3)->setText(QStringLiteral("2"));
    QTest::keyClick(w->VerseEdit(3), Qt::Key_Enter);
    QCOMPARE(w->Layout().LabelsUsed[3], 4);
}

void TestMainWindow::backStopsAtChapterOne() {
    TfMain* w = m();
    showIn(1, QStringLiteral("1 MOJ 1:2"));
    w->SetActivePane(2);
    w->BtnNazadClick(w->BackButton(1));
    QCOMPARE(w->State().Chapter(1), 1);
    QCOMPARE(w->GetActivePane(), 2);
    QCOMPARE(label(1, 4)->Tekst(), QStringLiteral("2. Drugi stih."));
    QVERIFY(!label(1, 4)->isTransparent()); // still the earlier layout
}

void TestMainWindow::forwardStopsAtTheLastChapter() {
    TfMain* w = m();
    showIn(3, QStringLiteral("1 MOJ 3:2"));
    w->SetActivePane(1);
    w->BtnNapredClick(w->ForwardButton(3));
    QCOMPARE(w->GetActivePane(), 1);
    QCOMPARE(w->State().Chapter(3), 3);
    QCOMPARE(w->Layout().LabelsUsed[3], 2);
    QVERIFY(!label(3, 2)->isTransparent());

    w->BtnNazadClick(w->BackButton(3));
    QCOMPARE(w->GetActivePane(), 3);
    QCOMPARE(w->State().Chapter(3), 2);
    QCOMPARE(w->State().Verse(3), 1);
    QVERIFY(!label(3, 1)->isTransparent());
    QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(3));

    // The last chapter is the one of the pane's own translation.
    WriteVerseFile(
        dir_.filePath(QStringLiteral("baza/kraca.mdb")),
        {Row("1 MOJ", 1, 1, QStringLiteral("Jedan.")), Row("1 MOJ", 2, 1, QStringLiteral("Dva."))});
    Query& q = program_->Baze->Query3;
    q.close();
    q.setConnectionString(TranslationConnectionString(QStringLiteral("kraca.mdb"), folder_));
    w->BtnNapredClick(w->ForwardButton(3));
    QCOMPARE(w->State().Chapter(3), 2);
    QCOMPARE(w->Layout().LabelsUsed[3], 5);
}

void TestMainWindow::chaptersStopAtTheEndsOfTheNumbers() {
    TfMain* w = m();
    w->ChapterEdit(2)->setText(QStringLiteral("2147483647"));
    w->BtnNapredClick(w->ForwardButton(2));
    QCOMPARE(w->State().Chapter(2), 2147483647);
    QCOMPARE(w->ChapterEdit(2)->text(), QStringLiteral("2147483647"));
    w->ChapterEdit(2)->setText(QStringLiteral("-2147483648"));
    w->BtnNazadClick(w->BackButton(2));
    QCOMPARE(w->State().Chapter(2), 1);
}

void TestMainWindow::followersLoadInFixedOrder_data() {
    QTest::addColumn<int>("active");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("left") << 1 << 2 << 3;
    QTest::newRow("right") << 2 << 1 << 3;
    QTest::newRow("middle") << 3 << 2 << 1;
}

void TestMainWindow::followersLoadInFixedOrder() {
    QFETCH(int, active);
    QFETCH(int, first);
    QFETCH(int, second);
    TfMain* w = m();
    TBaze& baze = *program_->Baze;
    for (int p = 1; p <= 3; ++p)
        w->LinkBox(p)->setChecked(true);

    // The first follower cannot load: the second is never reached.
    baze.PaneQuery(first).setConnectionString(
        TranslationConnectionString(QStringLiteral("nema.mdb"), folder_));
    w->SetActivePane(active);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, w->ShowReference(QStringLiteral("MAT 2:3")));
    QCOMPARE(w->Layout().LabelsUsed[active], 4);
    QCOMPARE(w->Layout().LabelsCreated[first], 0);
    QCOMPARE(w->Layout().LabelsCreated[second], 0);
    QVERIFY(!QApplication::overrideCursor());

    baze.PaneQuery(first).setConnectionString(
        TranslationConnectionString(QStringLiteral("vidl.mdb"), folder_));
    w->ShowReference(QStringLiteral("MAT 2:3"));
    for (int p : {first, second}) {
        QCOMPARE(w->State().Chapter(p), 2);
        QCOMPARE(w->State().Verse(p), 3);
        QCOMPARE(w->Layout().LabelsUsed[p], 4);
        QVERIFY(!label(p, 3)->isTransparent());
        QCOMPARE(BookOf(w->BookLabel(p)), Matthew);
    }
    QCOMPARE(w->GetActivePane(), active);

    // The active pane's own box does not matter; unticked panes stay as they were.
    w->LinkBox(first)->setChecked(false);
    w->LinkBox(second)->setChecked(false);
    w->ShowReference(QStringLiteral("1 MOJ 1:1"));
    QCOMPARE(BookOf(w->BookLabel(active)), Genesis);
    QCOMPARE(BookOf(w->BookLabel(first)), Matthew);
    QCOMPARE(BookOf(w->BookLabel(second)), Matthew);
}

void TestMainWindow::failedLoadKeepsThePane() {
    TfMain* w = m();
    showIn(1, QStringLiteral("1 MOJ 1:1"));
    QCOMPARE(w->Layout().LabelsUsed[1], 5);
    w->LinkBox(2)->setChecked(true);
    program_->Baze->Query1.close();
    program_->Baze->Query1.setConnectionString(
        TranslationConnectionString(QStringLiteral("nema.mdb"), folder_));
    w->VerseEdit(2)->setFocus();
    w->ChapterEdit(1)->setText(QStringLiteral("2"));

    // Through the button, as the user clicks it: the error ends in the error box.
    QTest::mouseClick(w->ShowButton(1), Qt::LeftButton);
    QCOMPARE(messages_.size(), 1);
    QVERIFY(!messages_[0].isEmpty());
    QVERIFY(!program_->Baze->Query1.isOpen());
    QCOMPARE(label(1, 1)->Tekst(), QStringLiteral("1. U početku."));
    QCOMPARE(label(1, 3)->Tekst(), QStringLiteral("JOVAN 3:16,"));
    for (int k = 1; k <= 5; ++k)
        QVERIFY(label(1, k)->isVisible());
    QCOMPARE(BookOf(w->BookLabel(1)), Genesis);
    QCOMPARE(w->ChapterEdit(1)->text(), QStringLiteral("2"));
    QCOMPARE(w->State().Chapter(1), 2);
    QCOMPARE(w->Layout().LabelsCreated[2], 0);
    QVERIFY(w->BookLabel(2)->text().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(QApplication::focusWidget(), w->VerseEdit(2));
}

void TestMainWindow::referenceClickShowsThePlace() {
    TfMain* w = m();
    showIn(3, QStringLiteral("1 MOJ 1:1"));
    w->LinkBox(1)->setChecked(true);
    w->SetActivePane(2);
    TKvlabel* ref = label(3, 2);
    QCOMPARE(ref->Tekst(), QStringLiteral("MAT 1:2,"));
    QTest::mouseClick(ref, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(messages_.isEmpty());
    QCOMPARE(w->GetActivePane(), 3);
    QCOMPARE(w->State().BookCode(), QStringLiteral("MAT"));
    QCOMPARE(w->State().Chapter(3), 1);
    QCOMPARE(w->State().Verse(3), 2);
    QVERIFY(!label(3, 2)->isTransparent());
    QCOMPARE(BookOf(w->BookLabel(3)), Matthew);
    // Pane 1 follows.
    QCOMPARE(w->State().Chapter(1), 1);
    QCOMPARE(w->State().Verse(1), 2);
    QCOMPARE(BookOf(w->BookLabel(1)), Matthew);
    QCOMPARE(w->Layout().LabelsCreated[2], 0);
    QVERIFY(w->ScrollBox(3)->VertPosition() >= 0);
}

void TestMainWindow::looksKeepTheLabelsReadable_data() {
    QTest::addColumn<Appearance>("look");
    QTest::addColumn<bool>("darkDesktop"); // the desktop's own dark palette, as through qt6ct
    QTest::newRow("svetli") << Appearance::Light << false;
    QTest::newRow("tamni") << Appearance::Dark << false;
    QTest::newRow("visok kontrast") << Appearance::HighContrast << false;
    QTest::newRow("tamni sistemski") << Appearance::System << true;
}

void TestMainWindow::looksKeepTheLabelsReadable() {
    QFETCH(Appearance, look);
    QFETCH(bool, darkDesktop);
    program_.reset();
    const QPalette desktop = QApplication::palette();
    if (darkDesktop) {
        QPalette dark = desktop;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        QApplication::setPalette(dark);
    } else {
        ApplyAppearance(look);
    }
    startProgram();
    showIn(1, QStringLiteral("1 MOJ 1:1"));
    TfTrazi* search = program_->fTrazi.get();
    search->RequiredList()->addItem(QStringLiteral("MATEJ DVA"));
    search->BtnTraziClick();
    program_->fRezultatiTrazenja->ShowResults(search->Result());
    search->show();
    const bool darkLook = darkDesktop || look == Appearance::Dark;
    QCOMPARE(IsDarkColor(m()->ScrollBox(1)->Background()), darkLook);
    QStringList unreadable;
    auto check = [&](const QWidget* w, const QColor& text, const QColor& back) {
        const double ratio = ContrastRatio(text, back);
        if (ratio < 4.5)
            unreadable << w->objectName() + QStringLiteral(" %1").arg(ratio);
    };
    for (int pane = 1; pane <= 3; ++pane) {
        m()->SetActivePane(pane);
        for (const QWidget* window : std::initializer_list<const QWidget*>{
                 m(), search, program_->fRezultatiTrazenja.get()}) {
            QVERIFY(window->isVisible());
            for (const QLabel* l : window->findChildren<QLabel*>())
                if (l->isVisibleTo(window) && !l->text().isEmpty())
                    check(l, l->palette().color(QPalette::WindowText),
                          window == search ? search->Backdrop()
                                           : l->palette().color(QPalette::Window));
            for (const TKvlabel* l : window->findChildren<TKvlabel*>())
                if (l->isVisibleTo(window) && !l->Tekst().isEmpty()) {
                    check(l, l->ShownTextColor(), l->ShownBackground());
                    if (!l->Marks.isEmpty())
                        check(l, l->ShownTextColor(), MarkBackground(l->ShownTextColor()));
                }
        }
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
    search->hide();
    program_.reset();
    if (darkDesktop)
        QApplication::setPalette(desktop);
    else
        ApplyAppearance(Appearance::System);
}

void TestMainWindow::referenceToolTipShowsTheVerse() {
    TfMain* w = m();
    showIn(1, QStringLiteral("1 MOJ 1:1"));
    QVERIFY(w->ReferenceToolTip(1, *label(1, 3)).contains(QStringLiteral("Jovan tri, 16.")));
    QVERIFY(w->ReferenceToolTip(1, *label(1, 1)).isEmpty()); // a verse label
}

void TestMainWindow::verseClickChoosesTheVerse() {
    TfMain* w = m();
    w->LinkBox(2)->setChecked(true);
    showIn(1, QStringLiteral("MAT 2:1"));
    QTest::mouseClick(label(1, 3), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(messages_.isEmpty());
    QCOMPARE(w->State().Verse(1), 3);
    QCOMPARE(w->VerseEdit(1)->text(), QStringLiteral("3"));
    QVERIFY(!label(1, 3)->isTransparent());
    QVERIFY(label(1, 1)->isTransparent());
    QCOMPARE(w->State().Verse(2), 3); // the linked pane follows
    QVERIFY(!label(2, 3)->isTransparent());
    w->CopyActiveVerse();
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("Matej dva, 3.")));
}

void TestMainWindow::badReferenceLoadsNothing() {
    TfMain* w = m();
    showIn(2, QStringLiteral("MAT 2:1"));
    QVERIFY_THROWS_EXCEPTION(ConvertError, w->ShowReference(QStringLiteral("MAT")));
    QCOMPARE(w->State().BookCode(), QStringLiteral("MAT"));
    QCOMPARE(w->State().Chapter(2), 2);
    // A place in no book of the catalogue says so and leaves the pane and its place as they were.
    const QString title = w->BookLabel(2)->text();
    const int labels = w->Layout().LabelsUsed[2];
    const std::pair<const char*, const char*> unknown[] = {{"NOPE 1:1", "NOPE"},
                                                           {"MAT -5:3", "MAT -"}};
    for (const auto& [text, code] : unknown) {
        try {
            w->ShowReference(QString::fromUtf8(text));
            QFAIL(text);
        } catch (const AppError& e) {
            QCOMPARE(e.text(), QStringLiteral("Nepoznata knjiga: ") + QString::fromUtf8(code));
        }
        QCOMPARE(w->State().BookCode(), QStringLiteral("MAT"));
        QCOMPARE(w->State().Chapter(2), 2);
        QCOMPARE(w->State().Verse(2), 1);
        QCOMPARE(w->BookLabel(2)->text(), title);
        QCOMPARE(w->Layout().LabelsUsed[2], labels);
    }
    // The reminder list shows its entries the same way, through the main window.
    program_->fPodsetnik->AddEntry(QStringLiteral("1 MOJ 2:4"));
    program_->fPodsetnik->List()->setCurrentRow(0);
    program_->fPodsetnik->BtnpokaziClick();
    QCOMPARE(w->GetActivePane(), 2);
    QCOMPARE(BookOf(w->BookLabel(2)), Genesis);
    QVERIFY(!label(2, 4)->isTransparent());
}

void TestMainWindow::keysScrollTheActivePane() {
    TfMain* w = m();
    showIn(1, QStringLiteral("MAT 1:1"));
    showIn(3, QStringLiteral("MAT 1:1"));
    TScrollBox* sb = w->ScrollBox(3);
    QVERIFY(sb->verticalScrollBar()->maximum() > 400);
    QCOMPARE(sb->VertPosition(), 0);
    int key = Qt::Key_Down;
    w->FormKeyDown(key);
    QCOMPARE(sb->VertPosition(), 15);
    QCOMPARE(key, int(Qt::Key_Down));
    // From an edit of another pane, as typed.
    w->VerseEdit(1)->setFocus();
    QTest::keyClick(w->VerseEdit(1), Qt::Key_Down);
    QCOMPARE(sb->VertPosition(), 30);
    QTest::keyClick(w->VerseEdit(1), Qt::Key_PageDown);
    QCOMPARE(sb->VertPosition(), 30 + sb->height() - 50);
    QTest::keyClick(w->VerseEdit(1), Qt::Key_Home);
    QCOMPARE(sb->VertPosition(), 1);
    QTest::keyClick(w->VerseEdit(1), Qt::Key_End);
    QCOMPARE(sb->VertPosition(), sb->verticalScrollBar()->maximum());
    QTest::keyClick(w->VerseEdit(1), Qt::Key_Up);
    QCOMPARE(sb->VertPosition(), sb->verticalScrollBar()->maximum() - 15);
    QCOMPARE(w->ScrollBox(1)->VertPosition(), 0);
    QCOMPARE(w->GetActivePane(), 3);
    QVERIFY(messages_.isEmpty());
}

void TestMainWindow::keyboardFollowsTheActivePane() {
    TfMain* w = m();
    // A book chosen from the middle pane's menu: the keys go to the middle pane.
    w->PaneMenu()->setPopupComponent(w->ScrollBox(3));
    emit w->PaneMenu()->aboutToShow();
    w->BookClick(w->BookItem(40));
    QCOMPARE(w->GetActivePane(), 3);
    QCOMPARE(BookOf(w->BookLabel(3)), Matthew);
    QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(3));
    QTest::keyClick(w->ChapterEdit(3), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(w->State().Chapter(3), 2);
    QCOMPARE(w->Layout().LabelsUsed[3], 4);
    QCOMPARE(w->Layout().LabelsCreated[1], 0);
    QTest::keyClick(w->ChapterEdit(3), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(w->State().Chapter(3), 1);

    // Tab reaches every button of the pane; Enter and Space work them.
    w->LinkBox(3)->setFocus();
    QTest::keyClick(w->LinkBox(3), Qt::Key_Return);
    QVERIFY(w->LinkBox(3)->isChecked());
    const QList<QWidget*> order{w->FontButton(3), w->BackButton(3), w->ChapterEdit(3),
                                w->VerseEdit(3),  w->ShowButton(3), w->ForwardButton(3)};
    for (QWidget* next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(w->ForwardButton(3), Qt::Key_Space);
    QCOMPARE(w->State().Chapter(3), 2);
    for (QWidget* button : std::initializer_list<QWidget*>{w->LinkBox(3), w->BackButton(3),
                                                           w->ShowButton(3), w->FontButton(3)})
        QVERIFY(!button->toolTip().isEmpty());
}

void TestMainWindow::functionKeysOpenTheOtherWindows() {
    TfMain* w = m();
    TfPodsetnik* reminders = program_->fPodsetnik.get();
    reminders->move(123, 45);
    int key = Qt::Key_F5;
    w->FormKeyDown(key);
    QVERIFY(reminders->isVisible());
    QCOMPARE(reminders->pos(), QPoint(123, 45));
    reminders->hide();
    w->RemindersItem()->trigger();
    QVERIFY(reminders->isVisible());
    reminders->hide();
    QVERIFY(QTest::qWaitForWindowActive(w));

    // F10 in a chapter edit: the search dialog, then Enter shows that edit's pane again.
    w->State().SetBookCode(QStringLiteral("1 MOJ"));
    w->ChapterEdit(1)->setText(QStringLiteral("2"));
    w->SetActivePane(3);
    w->ChapterEdit(1)->setFocus();
    bool shown = false;
    QTimer::singleShot(0, program_->fTrazi.get(), [&] {
        shown = program_->fTrazi->isVisible() && program_->fTrazi->isModal();
        program_->fTrazi->reject();
    });
    QTest::keyClick(w->ChapterEdit(1), Qt::Key_F10);
    QVERIFY(shown);
    QCOMPARE(w->GetActivePane(), 1);
    QCOMPARE(w->Layout().LabelsUsed[1], 5);
    QVERIFY(program_->fTrazi->Result().statement.isEmpty());

    // A search ends with OK and the results are shown; the menu item opens the same dialog.
    QVERIFY(disconnect(w, &TfMain::searchAccepted, nullptr, nullptr)); // the program's
    int results = 0;
    connect(w, &TfMain::searchAccepted, w, [&] { ++results; });
    QTimer::singleShot(0, program_->fTrazi.get(), [&] {
        program_->fTrazi->RequiredList()->addItem(QStringLiteral("MATEJ DVA"));
        program_->fTrazi->BtnTraziClick();
    });
    w->SearchItem()->trigger();
    QCOMPARE(results, 1);
    QCOMPARE(program_->fTrazi->Result().rows.size(), size_t(4));
    QCOMPARE(w->GetActivePane(), 1);
}

void TestMainWindow::spinnersStepTheEdits() {
    TfMain* w = m();
    TUpDown* chapter = w->ChapterSpinner(1);
    chapter->Click(1);
    QCOMPARE(w->ChapterEdit(1)->text(), QStringLiteral("2"));
    QCOMPARE(w->State().Chapter(1), 2);
    QVERIFY(!program_->Baze->Query1.isOpen());
    // The step starts from what the edit shows, and stays within 1..200.
    w->ChapterEdit(1)->setText(QStringLiteral("200"));
    QTest::mouseClick(chapter->UpButton(), Qt::LeftButton);
    QCOMPARE(w->ChapterEdit(1)->text(), QStringLiteral("200"));
    w->ChapterEdit(1)->setText(QStringLiteral("1"));
    chapter->Click(-1);
    QCOMPARE(w->ChapterEdit(1)->text(), QStringLiteral("1"));
    // The middle pane's verse spinner steps its verse edit too.
    w->VerseSpinner(3)->Click(1);
    QCOMPARE(w->VerseEdit(3)->text(), QStringLiteral("2"));
    QCOMPARE(w->State().Verse(3), 2);
    QVERIFY(messages_.isEmpty());
}

void TestMainWindow::errorsReachTheErrorBox() {
    TfMain* w = m();
    Failing failing;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&failing, &event);
    QCOMPARE(messages_, QStringList{QStringLiteral("'x' is not a valid integer value")});

    // An emptied edit: the standard message, the number keeps its value, the loop goes on.
    w->ChapterEdit(1)->setText(QStringLiteral("7"));
    w->ChapterEdit(1)->setText(QString());
    QCOMPARE(messages_.last(), QStringLiteral("'' is not a valid integer value"));
    QCOMPARE(w->State().Chapter(1), 7);
    QTest::qWait(10);
    w->ChapterEdit(1)->setText(QStringLiteral("8"));
    QCOMPARE(w->State().Chapter(1), 8);
}

void TestMainWindow::emptiedEditIsLeftAsTyped() {
    TfMain* w = m();
    // A real modal box, open until the checks queued behind it have run.
    SetMessageHandler([this](const QString& text) {
        messages_ << text;
        QMessageBox box(QMessageBox::NoIcon, QString(), text, QMessageBox::Ok, m());
        box.open();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        box.accept();
    });
    w->ChapterEdit(1)->setText(QStringLiteral("7"));
    w->ChapterEdit(1)->setFocus();
    w->ChapterEdit(1)->end(false);
    QTest::keyClick(w->ChapterEdit(1), Qt::Key_Backspace);
    SetMessageHandler([this](const QString& text) { messages_ << text; });
    QCOMPARE(messages_, QStringList{QStringLiteral("'' is not a valid integer value")});
    QCOMPARE(w->ChapterEdit(1)->text(), QString());
    QCOMPARE(w->State().Chapter(1), 7);
}

void TestMainWindow::returnFromAnotherWindowFocusesTheFirstEdit() {
    TfMain* w = m();
    TfPodsetnik* reminders = program_->fPodsetnik.get();
    const QList<QWidget*> others{reminders, program_->fRezultatiTrazenja.get(),
                                 program_->fPodesiFont.get()};
    for (QWidget* other : others) {
        w->VerseEdit(2)->setFocus();
        other->show();
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other));
        other->hide();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(1));
    }

    // Coming back by a click on an edit: the click's edit keeps the focus.
    reminders->ShowAt(10, 10);
    reminders->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(reminders));
    w->ChapterEdit(3)->setFocus(Qt::MouseFocusReason); // as the click does
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(3));
    reminders->hide();

    // A message box gives the focus back where it was.
    w->VerseEdit(2)->setFocus();
    QMessageBox box(QMessageBox::NoIcon, QString(), QStringLiteral("Poruka"), QMessageBox::Ok, w);
    box.open();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.accept();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w->VerseEdit(2));
}

void TestMainWindow::standardTextsAreSerbian() {
    // No display name: Qt would append it to every window title.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("probe"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QStringLiteral("probe"));
    QCoreApplication::setApplicationName(name);

    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("&Da"));
    QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("&Ne"));
    QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("U redu"));
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Otkaži"));
    QCOMPARE(SystemReason(QStringLiteral("Permission denied")),
             QStringLiteral("Pristup nije dozvoljen"));
    QVERIFY(SaveFailedText(QStringLiteral("x.pdf"), QStringLiteral("Permission denied"))
                .endsWith(QStringLiteral(": Pristup nije dozvoljen")));
    QCOMPARE(QFileIconProvider().type(QFileInfo(QDir::tempPath())), QStringLiteral("Fascikla"));
}

void TestMainWindow::closingEndsTheRun() {
    TfMain* w = m();
    showIn(2, QStringLiteral("MAT 2:1"));
    QVERIFY(program_->Baze->Query2.isOpen());
    QPointer<TKvlabel> verse = label(2, 1);
    QSignalSpy closed(w, &TfMain::closed);
    w->ExitItem()->trigger();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!w->isVisible());
    QVERIFY(!program_->Baze->Query2.isOpen());
    program_.reset();
    QVERIFY(verse.isNull());
}

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindow.moc"

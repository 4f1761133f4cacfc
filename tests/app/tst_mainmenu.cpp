#include "DataModule.h"
#include "JetWriter.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "MainWindow.h"
#include "Messages.h"
#include "PaneMenu.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "Program.h"
#include "ProgramFixture.h"
#include "ReportPreview.h"
#include "ScrollBox.h"
#include "TranslationList.h"
#include "Trazi.h"
#include "VerseFixture.h"
#include "Win1250.h"
#include "print.h"

#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// One translation file: the same places in every file, each text starting with its name.
QVector<FixtureRow> Rows(const QString& name) {
    QVector<FixtureRow> rows;
    for (int v = 1; v <= 3; ++v)
        rows << FixtureRow{QStringLiteral("PRIčE"), 1, v,
                           name + QStringLiteral(": Priče 1:%1").arg(v),
                           v == 1 ? QVariant(QStringLiteral("JOVAN 3:16|1 MOJ 10:5")) : QVariant()};
    rows << FixtureRow{QStringLiteral("MAT"), 1, 1, name + QStringLiteral(": Matej 1:1"), {}};
    for (int v = 1; v <= 4; ++v)
        rows << FixtureRow{
            QStringLiteral("MAT"), 2, v, name + QStringLiteral(": Matej 2:%1").arg(v), {}};
    return rows;
}

const QString Proverbs = QStringLiteral("Priče Solomunove");

// The book a pane's heading names: the heading without its chapter.
QString BookOf(const QLabel* heading) {
    return heading->text().section(QLatin1Char(' '), 0, -2);
}

} // namespace

class TestMainMenu : public QObject, private ProgramFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menuHasItsSevenItems();
    void firstOpeningBuildsTheSubmenusOnce();
    void openingMakesThePaneActive();
    void bookShowsChapterOneInThatPane();
    void translationChangesOnlyThatPane();
    void unusableTranslationFailsAtTheLoad();
    void noListFileNoTranslations();
    void userTranslationAppearsAtOnce();
    void reminderEntriesFromTheLabels();
    void reminderWindowAtTheTop();
    void colourOfTheActivePane();

private:
    // Opens the menu on a component as a right click does, without waiting for a choice.
    void openOn(QWidget* component) {
        m()->PaneMenu()->setPopupComponent(component);
        emit m()->PaneMenu()->aboutToShow();
    }
    QAction* translation(int i) const { return m()->TranslationItem()->menu()->actions().at(i); }
};

void TestMainMenu::initTestCase() {
    prepareFolder();
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")), Rows(QStringLiteral("Osnovni")));
    // The second translation in the Jet 4 format, and one with another Database Password.
    WriteJetVerseFile(dir_.filePath(QStringLiteral("baza/drugi.mdb")),
                      Rows(QStringLiteral("Drugi")), {.password = "zelmorka"});
    WriteJetVerseFile(dir_.filePath(QStringLiteral("baza/tajna.mdb")),
                      Rows(QStringLiteral("Tajni")), {.password = "druga"});
    QFile list(folder_ + QLatin1String(TranslationListFile));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(EncodeWin1250(TranslationLine("vidl.mdb", "Osnovni prevod") + "\r\n" +
                             TranslationLine("drugi.mdb", "Drugi prevod") + "\r\n" +
                             TranslationLine("nema.mdb", QStringLiteral("Nepostojeći")) + "\r\n" +
                             TranslationLine("tajna.mdb", QStringLiteral("Tajni"))));
    list.close();
}

void TestMainMenu::init() {
    startProgram();
}

void TestMainMenu::cleanup() {
    program_.reset();
}

void TestMainMenu::menuHasItsSevenItems() {
    TfMain* w = m();
    QStringList captions;
    for (QAction* item : w->PaneMenu()->actions())
        captions << item->text();
    QCOMPARE(captions, (QStringList{QStringLiteral("Ubaci u podsetnik") + QString(27, ' '),
                                    "Podsetnik", "Promena boje", QStringLiteral("Štampanje"),
                                    "Stari zavet", "Novi zavet", "Prevod :", "Kopiraj stih",
                                    "Kopiraj glavu", "Nazad", "Napred", ReferencesItemCaption}));
    QCOMPARE(w->PaneMenu()->actions().at(6), w->TranslationItem());
    for (QMenu* menu : {static_cast<QMenu*>(w->PaneMenu()), w->OldTestamentItem()->menu(),
                        w->NewTestamentItem()->menu()})
        QVERIFY(qobject_cast<TOwnerDrawMenuStyle*>(menu->style()));
    // Nothing of the submenus before the first opening; a pane that has shown no chapter
    // prints an empty report.
    QVERIFY(w->OldTestamentItem()->menu()->isEmpty());
    QVERIFY(!w->TranslationItem()->menu());
    for (int i = 1; i <= 66; ++i)
        QVERIFY(!w->BookItem(i));
    QList<LaidOutReport> reports;
    program_->fprint->ShowPreview = [&](TReportPreview& preview) { reports << preview.report(); };
    w->PrintItem()->trigger();
    QVERIFY(messages_.isEmpty());
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports[0].pages.at(0).bands.empty());
    QVERIFY(w->ColorDialog()->testOption(QColorDialog::DontUseNativeDialog));
}

void TestMainMenu::firstOpeningBuildsTheSubmenusOnce() {
    TfMain* w = m();
    openOn(w->ScrollBox(3));
    QCOMPARE(w->OldTestamentItem()->menu()->actions().size(), 39);
    QCOMPARE(w->NewTestamentItem()->menu()->actions().size(), 27);
    QCOMPARE(w->OldTestamentItem()->menu()->actions().first(), w->BookItem(1));
    QCOMPARE(w->NewTestamentItem()->menu()->actions().first(), w->BookItem(40));
    QCOMPARE(w->BookItem(1)->text(), QStringLiteral("  Prva knjiga Mojsijeva") + QString(14, ' '));
    QCOMPARE(w->BookItem(40)->text(),
             QStringLiteral("  Sveto jevanđenje po Mateju") + QString(66, ' '));
    QCOMPARE(w->BookItem(20)->text(), QStringLiteral("  ") + Proverbs);
    QCOMPARE(w->BookItem(66)->parent(), w);

    QMenu* translations = w->TranslationItem()->menu();
    QVERIFY(translations);
    QVERIFY(qobject_cast<TOwnerDrawMenuStyle*>(translations->style()));
    QCOMPARE(translations->actions().size(), 4);
    QCOMPARE(translation(1)->text(), QStringLiteral("  Drugi prevod") + QString(10, ' '));
    QCOMPARE(TranslationHint(translation(1)), QStringLiteral("drugi.mdb           "));
    QCOMPARE(translation(2)->text(), QStringLiteral("  Nepostojeći") + QString(10, ' '));
    QCOMPARE(w->TranslationItem()->text(), QStringLiteral("Prevod :Osnovnik      "));

    // Later openings, on any pane, add nothing.
    QAction* first = w->BookItem(1);
    openOn(w->ScrollBox(1));
    openOn(w->ScrollBox(2));
    QCOMPARE(w->OldTestamentItem()->menu()->actions().size(), 39);
    QCOMPARE(w->NewTestamentItem()->menu()->actions().size(), 27);
    QCOMPARE(w->TranslationItem()->menu(), translations);
    QCOMPARE(translations->actions().size(), 4);
    QCOMPARE(w->BookItem(1), first);
}

void TestMainMenu::openingMakesThePaneActive() {
    TfMain* w = m();
    for (int p : {3, 2, 1}) {
        openOn(w->ScrollBox(p));
        QCOMPARE(w->GetActivePane(), p);
        QCOMPARE(bookColor(p), QColor(235, 0, 0));
    }
    // A right click on the empty middle pane, then Escape: the pane stays active.
    const QPoint inside = w->ScrollBox(3)->viewport()->rect().center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, inside,
                            w->ScrollBox(3)->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(w->ScrollBox(3)->viewport(), &click);
    QVERIFY(QTest::qWaitForWindowExposed(w->PaneMenu()));
    QCOMPARE(w->PaneMenu()->PopupComponent(), w->ScrollBox(3));
    QTest::keyClick(w->PaneMenu(), Qt::Key_Escape);
    QTRY_VERIFY(!w->PaneMenu()->isVisible());
    QCOMPARE(w->GetActivePane(), 3);
    QCOMPARE(bookColor(3), QColor(235, 0, 0));
    QCOMPARE(bookColor(1), QColor(0, 0, 128));
}

void TestMainMenu::bookShowsChapterOneInThatPane() {
    TfMain* w = m();
    w->LinkBox(1)->setChecked(true);
    w->ChapterEdit(2)->setText(QStringLiteral("2"));
    w->VerseEdit(2)->setText(QStringLiteral("3"));
    openOn(w->ScrollBox(2));
    w->BookItem(20)->trigger();
    QVERIFY(messages_.isEmpty());
    QCOMPARE(w->State().BookCode(), QStringLiteral("PRIčE"));
    QCOMPARE(w->GetActivePane(), 2);
    QCOMPARE(w->State().Chapter(2), 1);
    QCOMPARE(w->State().Verse(2), 1);
    QCOMPARE(w->ChapterEdit(2)->text(), QStringLiteral("1"));
    QCOMPARE(w->VerseEdit(2)->text(), QStringLiteral("1"));
    QCOMPARE(BookOf(w->BookLabel(2)), Proverbs);
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Osnovni: Priče 1:1"));
    QVERIFY(!label(2, 1)->isTransparent());
    // The linked pane follows; the other one shows the new book only at its next load.
    QCOMPARE(BookOf(w->BookLabel(1)), Proverbs);
    QCOMPARE(label(1, 1)->Tekst(), QStringLiteral("1. Osnovni: Priče 1:1"));
    QCOMPARE(w->Layout().LabelsCreated[3], 0);

    // From a verse label of the left pane, a New Testament book.
    openOn(label(1, 4));
    QCOMPARE(w->GetActivePane(), 1);
    w->BookItem(40)->trigger();
    QCOMPARE(w->State().BookCode(), QStringLiteral("MAT"));
    QCOMPARE(label(1, 1)->Tekst(), QStringLiteral("1. Osnovni: Matej 1:1"));
    QCOMPARE(BookOf(w->BookLabel(2)), Proverbs);
}

void TestMainMenu::translationChangesOnlyThatPane() {
    TfMain* w = m();
    TBaze& baze = *program_->Baze;
    const QString standard = TranslationConnectionString(QStringLiteral("vidl.mdb"), folder_);
    w->LinkBox(1)->setChecked(true);
    w->State().SetBookCode(QStringLiteral("MAT"));
    w->ChapterEdit(2)->setText(QStringLiteral("2"));
    w->VerseEdit(2)->setText(QStringLiteral("3"));
    openOn(w->ScrollBox(2));
    translation(1)->trigger();
    QVERIFY(messages_.isEmpty());
    QCOMPARE(baze.Query2.connectionString(),
             TranslationConnectionString(QStringLiteral("drugi.mdb           "), folder_));
    QCOMPARE(baze.Query1.connectionString(), standard);
    QCOMPARE(baze.Query3.connectionString(), standard);
    QCOMPARE(w->State().Pane(2).caption, QStringLiteral("    Drugi prevod") + QString(10, ' '));
    QCOMPARE(w->State().Pane(1).caption, QStringLiteral("Osnovnik"));
    // Each pane from its own file, both at the right pane's chapter and verse.
    QCOMPARE(w->GetActivePane(), 2);
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Drugi: Matej 2:1"));
    QVERIFY(!label(2, 3)->isTransparent());
    QCOMPARE(label(1, 1)->Tekst(), QStringLiteral("1. Osnovni: Matej 2:1"));
    QCOMPARE(w->State().Chapter(1), 2);
    QCOMPARE(w->State().Verse(1), 3);
    QVERIFY(!label(1, 3)->isTransparent());
    // The search (F10) proposes the active pane's translation.
    QString proposed;
    QTimer::singleShot(0, program_->fTrazi.get(), [&] {
        proposed = program_->fTrazi->TranslationCombo()->currentText();
        program_->fTrazi->reject();
    });
    w->OpenSearch();
    QCOMPARE(proposed, QStringLiteral("Drugi prevod"));

    // The menu tells each pane's translation.
    openOn(label(2, 2));
    QCOMPARE(w->TranslationItem()->text(),
             QStringLiteral("Prevod :    Drugi prevod") + QString(16, ' '));
    QVERIFY(translation(1)->isChecked() && !translation(0)->isChecked());
    QCOMPARE(w->BookLabel(2)->toolTip(), QStringLiteral("Drugi prevod"));
    QCOMPARE(w->BookLabel(1)->toolTip(), QStringLiteral("Osnovni prevod"));
    // The verse under the pointer and the chapter go to the clipboard with their translation.
    w->CopyVerseItem()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("Sveto jevanđenje po Mateju 2:2 — Drugi: Matej 2:2 (Drugi prevod)"));
    w->CopyChapterItem()->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("Sveto jevanđenje po Mateju 2 (Drugi prevod)\n1. Drugi: Matej 2:1\n")));
    // Its chapter report reads its own file.
    QString verse;
    program_->fprint->ShowPreview = [&](TReportPreview& preview) {
        verse = preview.report().pages.at(0).bands.at(2).elements.at(1).text;
    };
    w->PrintItem()->trigger();
    QCOMPARE(verse, QStringLiteral("Drugi: Matej 2:1"));
    openOn(w->ScrollBox(1));
    QCOMPARE(w->TranslationItem()->text(), QStringLiteral("Prevod :Osnovnik      "));
    // Ctrl+C in an edit without selected text copies the active pane's chosen verse.
    QTest::keyClick(w->ChapterEdit(1), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(
        QGuiApplication::clipboard()->text(),
        QStringLiteral("Sveto jevanđenje po Mateju 2:3 — Osnovni: Matej 2:3 (Osnovni prevod)"));

    // The right pane keeps its translation when it follows the left one.
    w->LinkBox(2)->setChecked(true);
    w->State().SetBookCode(QStringLiteral("PRIčE"));
    w->ChapterEdit(1)->setText(QStringLiteral("1"));
    w->BtnPokaziClick(w->ShowButton(1));
    QCOMPARE(label(1, 1)->Tekst(), QStringLiteral("1. Osnovni: Priče 1:1"));
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Drugi: Priče 1:1"));

    // Back to the first file from a label of the right pane.
    openOn(label(2, 1));
    translation(0)->trigger();
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Osnovni: Priče 1:1"));
}

void TestMainMenu::unusableTranslationFailsAtTheLoad() {
    TfMain* w = m();
    w->SetActivePane(3);
    w->ShowReference(QStringLiteral("MAT 2:1"));
    openOn(w->ScrollBox(3));
    translation(2)->trigger();
    QCOMPARE(messages_.size(), 1);
    QCOMPARE(w->State().Pane(3).caption, QStringLiteral("    Nepostojeći") + QString(10, ' '));
    QCOMPARE(w->GetActivePane(), 3);
    // The pane keeps its labels, and its next load fails the same way.
    QCOMPARE(label(3, 1)->Tekst(), QStringLiteral("1. Osnovni: Matej 2:1"));
    QVERIFY(label(3, 1)->isVisible());
    emit w->ForwardButton(3)->clicked();
    QCOMPARE(messages_.size(), 2);
    // A file with another Database Password: the engine's words, the labels stay.
    openOn(w->ScrollBox(3));
    translation(3)->trigger();
    QCOMPARE(messages_.size(), 3);
    QCOMPARE(messages_.last(),
             "Lozinka baze podataka nije ispravna. (" + folder_ + "baza/tajna.mdb)");
    QCOMPARE(label(3, 1)->Tekst(), QStringLiteral("1. Osnovni: Matej 2:1"));
}

void TestMainMenu::noListFileNoTranslations() {
    QTemporaryDir empty;
    program_ = std::make_unique<TProgram>(empty.path() + QLatin1Char('/'));
    openOn(m()->ScrollBox(2));
    QCOMPARE(m()->OldTestamentItem()->menu()->actions().size(), 39);
    QVERIFY(!m()->TranslationItem()->menu());
    QCOMPARE(m()->TranslationItem()->text(), QStringLiteral("Prevod :Osnovnik      "));
    QVERIFY(messages_.isEmpty());
    program_.reset();
}

// A translation added to the user's folder is in the panes' menu and the search dialog's
// list without a new start, after those of the program folder.
void TestMainMenu::userTranslationAppearsAtOnce() {
    QTemporaryDir home;
    const QByteArray old = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    TfMain* w = m();
    openOn(w->ScrollBox(1));
    QCOMPARE(w->TranslationItem()->menu()->actions().size(), 4);
    const QString user = UserTranslationFolder();
    QVERIFY(QDir().mkpath(user + "baza"));
    QVERIFY(QFile::copy(dir_.filePath("baza/drugi.mdb"), user + "baza/moj.mdb"));
    QFile list(user + QLatin1String(TranslationListFile));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(EncodeWin1250(TranslationLine("moj.mdb", QStringLiteral("Moj prevod")) + "\r\n"));
    list.close();
    w->ReloadTranslations();
    qputenv("XDG_DATA_HOME", old);
    QCOMPARE(w->TranslationItem()->menu()->actions().size(), 5);
    w->State().SetBookCode(QStringLiteral("MAT"));
    openOn(w->ScrollBox(2));
    translation(4)->trigger();
    QVERIFY(messages_.isEmpty());
    QCOMPARE(label(2, 1)->Tekst(), QStringLiteral("1. Drugi: Matej 1:1"));
    QCOMPARE(program_->fTrazi->TranslationCombo()->findText(QStringLiteral("Moj prevod")), 4);
}

void TestMainMenu::reminderEntriesFromTheLabels() {
    TfMain* w = m();
    TfPodsetnik* reminders = program_->fPodsetnik.get();
    w->SetActivePane(1);
    w->ShowReference(QStringLiteral("PRIčE 1:1"));
    QCOMPARE(label(1, 2)->Tekst(), QStringLiteral("JOVAN 3:16,"));
    for (QWidget* component :
         {static_cast<QWidget*>(label(1, 2)), static_cast<QWidget*>(label(1, 3)),
          static_cast<QWidget*>(label(1, 4)), static_cast<QWidget*>(w->ScrollBox(1))}) {
        openOn(component);
        w->InsertItem()->trigger();
    }
    QCOMPARE(reminders->Entries(),
             (QStringList{"JOVAN 3:16", "1 MOJ 10:5", QStringLiteral("PRIčE 1:2")}));
    QVERIFY(!reminders->isVisible());
    QVERIFY(messages_.isEmpty());
}

void TestMainMenu::reminderWindowAtTheTop() {
    TfMain* w = m();
    TfPodsetnik* reminders = program_->fPodsetnik.get();
    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    for (int width : {screenWidth / 2 + 10, screenWidth / 2 - 100}) {
        reminders->hide();
        reminders->setFixedWidth(width);
        openOn(w->ScrollBox(2));
        w->ReminderItem()->trigger();
        QVERIFY(reminders->isVisible());
        const int left = screenWidth - 2 * reminders->frameGeometry().width();
        QCOMPARE(reminders->pos(), QPoint(left > 0 ? left : 1, 1));
    }
    QCOMPARE(reminders->pos().x(), screenWidth - 2 * reminders->frameGeometry().width());
}

void TestMainMenu::colourOfTheActivePane() {
    TfMain* w = m();
    QColorDialog* dialog = w->ColorDialog();
    const TColor yellow = 0x80FFFF;
    w->ScrollBox(1)->setColor(yellow);
    QColor shown;
    // Answers the dialog once it runs: picks a colour and confirms, or cancels.
    auto answer = [&](std::optional<QColor> pick) {
        QTimer::singleShot(0, dialog, [&, pick] {
            shown = dialog->currentColor();
            if (pick) {
                dialog->setCurrentColor(*pick);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
    };

    openOn(w->ScrollBox(2));
    answer(QColor(0, 128, 0));
    w->ColorItem()->trigger();
    QCOMPARE(shown, ToQColor(yellow));
    QCOMPARE(w->ScrollBox(2)->Color(), TColor(0x008000));
    QCOMPARE(w->ScrollBox(1)->Color(), yellow);
    QCOMPARE(w->ScrollBox(3)->Color(), clWhite);

    // Always from the left pane's colour; cancelling changes nothing.
    openOn(w->ScrollBox(3));
    answer(std::nullopt);
    w->ColorItem()->trigger();
    QCOMPARE(shown, ToQColor(yellow));
    QCOMPARE(w->ScrollBox(3)->Color(), clWhite);
    openOn(w->ScrollBox(1));
    answer(QColor(Qt::red));
    w->ColorItem()->trigger();
    QCOMPARE(w->ScrollBox(1)->Color(), clRed);
    QCOMPARE(w->ScrollBox(2)->Color(), TColor(0x008000));
    QCOMPARE(w->ScrollBox(1)->viewport()->palette().color(QPalette::Base), QColor(Qt::red));
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"

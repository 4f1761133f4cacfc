#include "Application.h"
#include "ChapterLayout.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Look.h"
#include "Messages.h"
#include "Podsetnik.h"
#include "ProgramFixture.h"
#include "ScrollBox.h"
#include "SessionKeeper.h"
#include "SessionStore.h"
#include "VerseFixture.h"

#include <QActionGroup>
#include <QListWidget>
#include <QScrollBar>

// The session between two runs: the panes, their zoom and the reminder list come back.
class TestSession : public QObject, private ProgramFixture {
    Q_OBJECT
    QString session() const { return dir_.filePath(QStringLiteral("config/vidoslov.ini")); }
    QString reminders() const { return dir_.filePath(QStringLiteral("data/podsetnik.Izbor")); }
    TSessionKeeper* start() {
        startProgram();
        return program_->KeepSession(session(), reminders());
    }
    TfPodsetnik* list() const { return program_->fPodsetnik.get(); }

private slots:
    void initTestCase() {
        prepareFolder();
        QVector<FixtureRow> rows;
        for (int v = 1; v <= 12; ++v) {
            rows << FixtureRow{QStringLiteral("JOVAN"), 3, v, QStringLiteral("Jovan %1.").arg(v),
                               QStringLiteral("PSAL 1:2")};
            rows << FixtureRow{QStringLiteral("PSAL"), 1, v, QStringLiteral("Psalam %1.").arg(v),
                               QVariant()};
        }
        WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")), rows);
    }
    void cleanup() { program_.reset(); }

    void restartBringsTheSessionBack() {
        start();
        m()->SetActivePane(1);
        m()->ShowReference(QStringLiteral("JOVAN 3:7"));
        m()->SetActivePane(2);
        m()->ShowReference(QStringLiteral("PSAL 1:4"));
        m()->ZoomByKey(1);
        m()->ZoomByKey(1);
        const int zoomedSize = label(2, 1)->FontTekst.Size;
        list()->AddEntry(QStringLiteral("JOVAN 3:16"));
        list()->AddEntry(QStringLiteral("PSAL 1:1"));
        m()->close(); // saves
        program_.reset();

        start();
        const TReaderState& s = m()->State();
        QCOMPARE(s.ActivePane(), 2);
        QCOMPARE(s.BookCode(), QStringLiteral("PSAL"));
        QCOMPARE(s.Chapter(1), 3);
        QCOMPARE(s.Verse(1), 7);
        QCOMPARE(s.Verse(2), 4);
        QCOMPARE(s.Pane(2).zoom, 2);
        QVERIFY(label(1, 1)->Tekst().startsWith(QStringLiteral("1. Jovan")));
        QCOMPARE(label(2, 1)->FontTekst.Size, zoomedSize);
        QCOMPARE(m()->Layout().LabelsUsed[3], 0);
        QCOMPARE(list()->Entries(), QStringList({"JOVAN 3:16", "PSAL 1:1"}));
        QVERIFY(messages_.isEmpty());
    }

    void savedOnceChangesSettleNeverOnScroll() {
        TSessionKeeper* keeper = start();
        m()->SetActivePane(1);
        m()->ShowReference(QStringLiteral("JOVAN 3:1"));
        QVERIFY(keeper->Save());
        QFile::remove(session());
        for (int step = 0; step < 20; ++step)
            QTest::keyClick(m()->ChapterEdit(1), Qt::Key_Down);
        QVERIFY(!keeper->SavePending());
        for (const char* place : {"JOVAN 3:2", "JOVAN 3:3", "JOVAN 3:4"})
            m()->ShowReference(QString::fromLatin1(place));
        QVERIFY(keeper->SavePending());
        QVERIFY(!QFile::exists(session()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(session()), 5000);
        QVERIFY(keeper->WaitForSaves());
        SessionState saved;
        QVERIFY(LoadSessionFile(session(), saved));
        QCOMPARE(saved.panes[1].verse, 4);
    }

    // The program puts the session back before its event loop runs and its window shows:
    // nothing queued runs in the middle of it, and the panes are laid out at the widths the
    // window shows.
    void restoreRunsNothingQueued() {
        SessionState kept;
        kept.paneBooks[1] = QStringLiteral("JOVAN");
        kept.panes[1].file = QStringLiteral("vidl.mdb");
        kept.panes[1].chapter = 3;
        QVERIFY(SaveSessionFile(session(), kept));
        program_ = std::make_unique<TProgram>(folder_);
        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        program_->KeepSession(session(), reminders());
        QVERIFY(label(1, 1)->Tekst().startsWith(QStringLiteral("1. Jovan")));
        QVERIFY(!ran);
        QTRY_VERIFY(ran);
        const int laidOut = m()->ScrollBox(1)->width();
        m()->show();
        QVERIFY(QTest::qWaitForWindowExposed(m()));
        QCOMPARE(m()->ScrollBox(1)->width(), laidOut);
    }

    // "Izgled" is kept with the session and comes back at the next start.
    void lookComesBack() {
        start();
        QStringList captions;
        for (QAction* item : m()->AppearanceItem(Appearance::Dark)->actionGroup()->actions())
            captions << item->text();
        QCOMPARE(captions, QStringList({"sistemski", "svetli", "tamni", "visok kontrast"}));
        QVERIFY(m()->AppearanceItem(Appearance::System)->isChecked());
        m()->AppearanceItem(Appearance::Dark)->trigger();
        QCOMPARE(CurrentAppearance(), Appearance::Dark);
        QVERIFY(IsDarkPalette(QApplication::palette()));
        m()->close();
        program_.reset();
        QCOMPARE(SavedAppearance(session()), Appearance::Dark);
        ApplyAppearance(Appearance::System);
        start();
        QCOMPARE(CurrentAppearance(), Appearance::Dark);
        QVERIFY(m()->AppearanceItem(Appearance::Dark)->isChecked());
        QVERIFY(IsDarkColor(m()->ScrollBox(1)->Background()));
        program_.reset();
        ApplyAppearance(Appearance::System);
        QVERIFY(!IsDarkPalette(QApplication::palette()));
    }

    void zoomKeysWorkOnTheActivePane_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("zoom");
        QTest::newRow("Ctrl+plus") << int(Qt::Key_Plus) << 2;
        QTest::newRow("Ctrl+minus") << int(Qt::Key_Minus) << 0;
        QTest::newRow("Ctrl+0") << int(Qt::Key_0) << 0;
    }
    void zoomKeysWorkOnTheActivePane() {
        QFETCH(int, key);
        QFETCH(int, zoom);
        startProgram();
        m()->SetActivePane(1);
        m()->ShowReference(QStringLiteral("JOVAN 3:1"));
        m()->ZoomPane(1, 1);
        const int size = label(1, 1)->FontTekst.Size;
        QTest::keyClick(m(), Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(m()->State().Pane(1).zoom, zoom);
        QCOMPARE(m()->State().Pane(2).zoom, 0);
        QCOMPARE(label(1, 1)->FontTekst.Size > size, zoom > 1);
    }

    // Made while idle, and again in the new size once a zoom freed them.
    void labelsAreMadeAheadWhileIdle() {
        startProgram();
        program_->PrepareLabelsWhileIdle();
        QTRY_COMPARE(m()->Layout().LabelsCreated[3], PreparedLabelCount);
        m()->SetActivePane(1);
        m()->ShowReference(QStringLiteral("JOVAN 3:1"));
        QCOMPARE(m()->Layout().LabelsCreated[1], PreparedLabelCount);
        m()->ZoomPane(1, 2);
        QCOMPARE(m()->Layout().LabelsCreated[1], 24);
        QTRY_COMPARE(m()->Layout().LabelsCreated[1], PreparedLabelCount);
        QVERIFY(label(1, 1)->isVisible() && label(1, PreparedLabelCount)->isHidden());
    }

    void backAndForwardAfterAReferenceClick() {
        startProgram();
        m()->SetActivePane(1);
        m()->ShowReference(QStringLiteral("JOVAN 3:1"));
        QCOMPARE(label(1, 2)->Tekst(), QStringLiteral("PSAL 1:2,"));
        QTest::mouseClick(label(1, 2), Qt::LeftButton, {}, QPoint(2, 2));
        const TReaderState& s = m()->State();
        QCOMPARE(s.BookCode(), QStringLiteral("PSAL"));
        QVERIFY(m()->History(1).CanBack());
        // Backspace outside the edits goes back, Shift+Backspace forward.
        m()->FontButton(1)->setFocus();
        QTest::keyClick(m()->FontButton(1), Qt::Key_Backspace);
        QCOMPARE(s.BookCode(), QStringLiteral("JOVAN"));
        QCOMPARE(s.Chapter(1), 3);
        QCOMPARE(s.Verse(1), 1);
        m()->FontButton(1)->setFocus();
        QTest::keyClick(m()->FontButton(1), Qt::Key_Backspace, Qt::ShiftModifier);
        QCOMPARE(s.BookCode(), QStringLiteral("PSAL"));
        QCOMPARE(s.Verse(1), 2);
        // The menu item and the mouse's side button do the same.
        m()->PlaceBack(1);
        QCOMPARE(s.BookCode(), QStringLiteral("JOVAN"));
        QTest::mouseClick(m()->ScrollBox(1)->viewport(), Qt::ForwardButton);
        QCOMPARE(s.BookCode(), QStringLiteral("PSAL"));
        QVERIFY(!m()->History(1).CanForward());
        // Alt+Left stays the previous chapter.
        QTest::keyClick(m(), Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(s.BookCode(), QStringLiteral("PSAL"));
    }

    void aClickedPaneTakesTheKeys() {
        startProgram();
        m()->resize(m()->width(), 420); // a pane that scrolls
        m()->SetActivePane(2);
        m()->ChapterEdit(2)->setFocus();
        m()->SetActivePane(1);
        m()->ShowReference(QStringLiteral("JOVAN 3:1"));
        m()->SetActivePane(2);
        // A click on the text gives the pane the focus, and makes it the active one.
        QTest::mouseClick(label(1, 1), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(QApplication::focusWidget(), m()->ScrollBox(1));
        const TReaderState& s = m()->State();
        QCOMPARE(s.ActivePane(), 1);
        // The arrows scroll it once, not twice.
        QScrollBar* bar = m()->ScrollBox(1)->verticalScrollBar();
        QVERIFY(bar->maximum() > 30);
        bar->setValue(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(bar->value(), 15);
        // Backspace and Shift+Backspace over its jumps, the focus kept.
        QTest::mouseClick(label(1, 2), Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(s.BookCode(), QStringLiteral("PSAL"));
        QTest::mouseClick(label(1, 1), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QCOMPARE(s.BookCode(), QStringLiteral("JOVAN"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace, Qt::ShiftModifier);
        QCOMPARE(s.BookCode(), QStringLiteral("PSAL"));
    }

    void reminderListIsNeverLostUnasked() {
        QFile::remove(reminders());
        start();
        for (const char* entry : {"JOVAN 3:1", "JOVAN 3:2", "JOVAN 3:3"})
            list()->AddEntry(QString::fromUtf8(entry));
        // A removed entry comes back where it stood.
        list()->List()->setCurrentRow(1);
        list()->ListBoxPokDblClick();
        QCOMPARE(list()->Entries().size(), 2);
        QCOMPARE(list()->RestoreItem()->shortcut(), QKeySequence(QKeySequence::Undo));
        list()->RestoreItem()->trigger();
        QCOMPARE(list()->Entries(), QStringList({"JOVAN 3:1", "JOVAN 3:2", "JOVAN 3:3"}));
        // "Ucitaj" over unsaved entries asks; "Ne" keeps them.
        QStringList asked;
        const QuestionHandler before = SetQuestionHandler([&asked](const QString& text) {
            asked << text;
            return false;
        });
        list()->Ucitaj1Click();
        SetQuestionHandler(before);
        QCOMPARE(asked, QStringList{TfPodsetnik::ReplaceQuestion()});
        QCOMPARE(list()->Entries().size(), 3);
        // Saved to a file, they are no longer at stake.
        QVERIFY(list()->SaveToFile(dir_.filePath(QStringLiteral("lista.Izbor"))));
        QVERIFY(!list()->HasUnsavedEntries());
    }

    void unwritableFolderIsToldOnce() {
        startProgram();
        QFile blocker(dir_.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TSessionKeeper* keeper =
            program_->KeepSession(dir_.filePath(QStringLiteral("blocker/vidoslov.ini")),
                                  dir_.filePath(QStringLiteral("blocker/podsetnik.Izbor")));
        list()->AddEntry(QStringLiteral("JOVAN 3:1"));
        QVERIFY(!keeper->Save());
        QVERIFY(!keeper->Save());
        QCOMPARE(messages_, QStringList{TSessionKeeper::FailureText(
                                dir_.filePath(QStringLiteral("blocker/podsetnik.Izbor")))});
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_session.moc"

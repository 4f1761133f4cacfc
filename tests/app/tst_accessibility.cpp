#include "KvEdit.h"
#include "KvTranBtn.h"
#include "PaneAccessible.h"
#include "PopupMenu.h"
#include "ProgramFixture.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "Trazi.h"
#include "VerseFixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>

namespace {

FixtureRow Row(const char* book, int chapter, int verse, const char* text,
               QVariant pok = QVariant()) {
    return {QString::fromUtf8(book), chapter, verse, QString::fromUtf8(text), pok};
}

// Moves a menu's highlight down by keys until it reaches the item.
bool KeyDownTo(QMenu* menu, const QAction* item) {
    for (int i = 0; i < 30 && menu->activeAction() != item; ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    return menu->activeAction() == item;
}

QString AccessibleName(QObject* object) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

class TestAccessibility : public QObject, private ProgramFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init() { startProgram(); }
    void cleanup() { program_.reset(); }
    void keyboardWalk();
    void controlsAndPanesAreReadable();
};

void TestAccessibility::initTestCase() {
    prepareFolder();
    QVector<FixtureRow> rows;
    rows << Row("1 MOJ", 1, 1, "U početku.", QStringLiteral("MAT 1:2|2 MOJ 1:1"))
         << Row("1 MOJ", 1, 2, "Drugi stih.");
    for (int v = 1; v <= 5; ++v)
        rows << Row("1 MOJ", 2, v, "Glava dva.");
    rows << Row("2 MOJ", 1, 1, "Izlazak.") << Row("MAT", 1, 1, "Matej.");
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")), rows);
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/kjv.mdb")),
                   {Row("1 MOJ", 2, 4, "These are the generations."),
                    Row("2 MOJ", 1, 1, "Now these are the names.")});
    QFile list(dir_.filePath(QStringLiteral("vidoslov.kv")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write("vidl.mdb            Osnovni\r\nkjv.mdb             King James\r\n");
}

void TestAccessibility::keyboardWalk() {
    TfMain* w = m();
    QCOMPARE(QApplication::focusWidget(), w->ChapterEdit(1));
    // A book from the pane's menu.
    QTest::keyClick(w->ChapterEdit(1), Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = w->PaneMenu();
    QVERIFY(menu->isVisible());
    QVERIFY(KeyDownTo(menu, w->OldTestamentItem()));
    QTest::keyClick(menu, Qt::Key_Right);
    QMenu* books = w->OldTestamentItem()->menu();
    QVERIFY(books->isVisible());
    QCOMPARE(books->activeAction(), w->BookItem(1));
    QTest::keyClick(books, Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QCOMPARE(w->State().BookCode(), QStringLiteral("1 MOJ"));
    // Escape out of the menu gives the keys back.
    QVERIFY(QTest::qWaitForWindowActive(w));
    QTest::keyClick(w->windowHandle(), Qt::Key_Menu);
    QVERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_Escape);
    QVERIFY(!menu->isVisible());
    QCOMPARE(w->focusWidget(), w->ChapterEdit(1));
    // The test platform leaves the window inactive after a popup without a choice.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));

    // A chapter and a verse: Tab goes from the chapter to the verse.
    QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier);
    QTest::keyClicks(w->ChapterEdit(1), QStringLiteral("2"));
    QTest::keyClick(w->ChapterEdit(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->VerseEdit(1));
    QTest::keyClicks(w->VerseEdit(1), QStringLiteral("3"));
    QTest::keyClick(w->VerseEdit(1), Qt::Key_Return);
    QCOMPARE(w->State().Chapter(1), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(w->State().Verse(1), 4);
    QCOMPARE(w->ChosenVerseLabel(1)->Rbr, QStringLiteral("4"));

    // Across books: past the last chapter to the next book the translation has, and back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(w->State().BookCode(), QStringLiteral("2 MOJ"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(w->State().BookCode(), QStringLiteral("1 MOJ"));
    QCOMPARE(w->State().Chapter(1), 2);

    // A translation.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(KeyDownTo(menu, w->TranslationItem()));
    QTest::keyClick(menu, Qt::Key_Right);
    QMenu* translations = w->TranslationItem()->menu();
    QVERIFY(translations->isVisible());
    QTest::keyClick(translations, Qt::Key_Down);
    QTest::keyClick(translations, Qt::Key_Return);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QVERIFY(w->State().Pane(1).file.startsWith(QStringLiteral("kjv.mdb")));
    QVERIFY(PaneText(*w->ScrollBox(1)).contains(QStringLiteral("4. These are the generations.")));

    // A search, a result opened by Enter, a copy.
    TfTrazi* dialog = program_->fTrazi.get();
    QTimer::singleShot(0, dialog, [dialog] {
        // Typed once the dialog is active: its activation empties the edits.
        dialog->activateWindow();
        if (!QTest::qWaitForWindowActive(dialog, 2000))
            return;
        // F10 proposed the pane's translation; the word is in the default one, listed first.
        QTest::keyClick(dialog->TranslationCombo(), Qt::Key_Home);
        QTest::keyClicks(dialog->RequiredEdit(), QStringLiteral("Izlazak"));
        QTest::keyClick(dialog->SearchButton(), Qt::Key_Space);
    });
    // Never left waiting on the dialog.
    QTimer::singleShot(5000, dialog, &QDialog::reject);
    QTest::keyClick(w->windowHandle(), Qt::Key_F10);
    TfRezultatiTrazenja* results = program_->fRezultatiTrazenja.get();
    QVERIFY(results->isVisible());
    QCOMPARE(results->Found().size(), size_t(1));
    QTest::keyClick(results, Qt::Key_Return);
    QCOMPARE(w->State().BookCode(), QStringLiteral("2 MOJ"));
    QGuiApplication::clipboard()->clear();
    // The result opens in the pane's own translation.
    QTest::keyClick(w->windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("these are the names")));
}

void TestAccessibility::controlsAndPanesAreReadable() {
    TfMain* w = m();
    w->SetActivePane(1);
    w->ShowReference(QStringLiteral("1 MOJ 1:1"));
    QList<QWidget*> windows{w, program_->fTrazi.get(), program_->fRezultatiTrazenja.get()};
    for (QWidget* window : windows)
        for (QWidget* control : window->findChildren<QWidget*>())
            if (control->focusPolicy() != Qt::NoFocus && control->window() == window) {
                // The edit inside a spin box or a combo box speaks for its parent.
                QWidget* named = control->parentWidget()->focusProxy() == control
                                     ? control->parentWidget()
                                     : control;
                QVERIFY2(!AccessibleName(named).isEmpty(), qPrintable(named->objectName()));
            }

    QCOMPARE(AccessibleName(w->BookLabel(1)), QStringLiteral("Prva knjiga Mojsijeva 1"));
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(w->ScrollBox(1));
    QCOMPARE(pane->role(), QAccessible::Document);
    QCOMPARE(pane->textInterface()->text(0, -1),
             QStringLiteral("1. U početku.\nUpućivanja: MAT 1:2, 2 MOJ 1:1,\n2. Drugi stih."));
    QAccessibleInterface* verse = QAccessible::queryAccessibleInterface(w->ChosenVerseLabel(1));
    QCOMPARE(verse->text(QAccessible::Name), QStringLiteral("1. U početku."));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

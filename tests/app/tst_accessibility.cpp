#include "FlatPanel.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "PaneAccessible.h"
#include "Podsetnik.h"
#include "PopupMenu.h"
#include "ProgramFixture.h"
#include "RezultatiTrazenja.h"
#include "ScrollBox.h"
#include "Trazi.h"
#include "VerseFixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QSplitter>

namespace {

FixtureRow Row(const char* book, int chapter, int verse, const char* text,
               QVariant pok = QVariant()) {
    return {QString::fromUtf8(book), chapter, verse, QString::fromUtf8(text), pok};
}

// Where a key goes: the open menu, else the control with the focus.
QWidget* KeyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::focusWidget();
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    // A key comes after what the window system sent before it.
    QCoreApplication::processEvents();
    QWidget* target = KeyTarget();
    if (!target)
        QTest::qFail("no control has the keys", __FILE__, __LINE__);
    else
        QTest::keyClick(target, Qt::Key(key), modifiers);
}

// Runs the typing into a modal window once it is up and has the keys.
void WhenActive(QWidget* window, const std::function<void()>& typing) {
    auto* timer = new QTimer(window);
    QObject::connect(timer, &QTimer::timeout, window, [window, timer, typing] {
        if (!window->isActiveWindow())
            return;
        timer->deleteLater();
        timer->stop();
        typing();
    });
    timer->start(10);
}

// The Menu key as X11 sends it: a request for a context menu, then the key.
void MenuKey() {
    QCoreApplication::processEvents();
    QWidget* target = QApplication::focusWidget();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos());
    if (target)
        QApplication::sendEvent(target, &request);
    Key(Qt::Key_Menu);
}

// Moves the open menu's highlight down by keys until it reaches the item.
bool KeyDownTo(const QAction* item) {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    for (int i = 0; menu && i < 30 && menu->activeAction() != item; ++i)
        Key(Qt::Key_Down);
    return menu && menu->activeAction() == item;
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
    void escapeGivesKeysBack_data();
    void escapeGivesKeysBack();
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
    Key(Qt::Key_F10, Qt::ShiftModifier);
    QMenu* menu = w->PaneMenu();
    QVERIFY(menu->isVisible());
    QVERIFY(KeyDownTo(w->OldTestamentItem()));
    Key(Qt::Key_Right);
    QCOMPARE(QApplication::activePopupWidget(), w->OldTestamentItem()->menu());
    QCOMPARE(w->OldTestamentItem()->menu()->activeAction(), w->BookItem(1));
    Key(Qt::Key_Return);
    QVERIFY(!menu->isVisible());
    QCOMPARE(w->State().BookCode(), QStringLiteral("1 MOJ"));

    // A chapter and a verse: Tab goes from the chapter to the verse.
    Key(Qt::Key_L, Qt::ControlModifier);
    QTest::keyClicks(KeyTarget(), QStringLiteral("2"));
    Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->VerseEdit(1));
    QTest::keyClicks(KeyTarget(), QStringLiteral("3"));
    Key(Qt::Key_Return);
    QCOMPARE(w->State().Chapter(1), 2);
    // The next verse, the one a screen reader is told is selected.
    Key(Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(w->State().Verse(1), 4);
    QCOMPARE(w->ChosenVerseLabel(1)->Rbr, QStringLiteral("4"));
    QVERIFY(QAccessible::queryAccessibleInterface(w->ChosenVerseLabel(1))->state().selected);
    QVERIFY(!QAccessible::queryAccessibleInterface(label(1, 3))->state().selected);

    // Across books: past the last chapter to the next book the translation has, and back.
    Key(Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(w->State().BookCode(), QStringLiteral("2 MOJ"));
    Key(Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(w->State().BookCode(), QStringLiteral("1 MOJ"));
    QCOMPARE(w->State().Chapter(1), 2);

    // A translation.
    MenuKey();
    QVERIFY(KeyDownTo(w->TranslationItem()));
    Key(Qt::Key_Right);
    QCOMPARE(QApplication::activePopupWidget(), w->TranslationItem()->menu());
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    QVERIFY(w->State().Pane(1).file.startsWith(QStringLiteral("kjv.mdb")));
    QVERIFY(PaneText(*w->ScrollBox(1)).contains(QStringLiteral("4. These are the generations.")));

    // A search, a result opened by Enter, a copy.
    TfTrazi* dialog = program_->fTrazi.get();
    WhenActive(dialog, [dialog] {
        QTest::keyClicks(KeyTarget(), QStringLiteral("Izlazak"));
        // F10 proposed the pane's translation; the word is in the default one, listed first.
        for (int i = 0; i < 12 && QApplication::focusWidget() != dialog->TranslationCombo(); ++i)
            Key(Qt::Key_Tab);
        Key(Qt::Key_Home);
        // On to "Traži", and Space.
        for (int i = 0; i < 12 && QApplication::focusWidget() != dialog->SearchButton(); ++i)
            Key(Qt::Key_Tab);
        Key(Qt::Key_Space);
    });
    // Never left waiting on the dialog.
    QTimer::singleShot(5000, dialog, &QDialog::reject);
    Key(Qt::Key_F10);
    TfRezultatiTrazenja* results = program_->fRezultatiTrazenja.get();
    QVERIFY(results->isVisible());
    QCOMPARE(results->Found().size(), size_t(1));
    QCOMPARE(QApplication::focusWidget(), results->ResultsBox());
    Key(Qt::Key_Return);
    QCOMPARE(w->State().BookCode(), QStringLiteral("2 MOJ"));
    QGuiApplication::clipboard()->clear();
    // The result opens in the pane's own translation.
    Key(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("these are the names")));
}

void TestAccessibility::escapeGivesKeysBack_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("pane menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
    QTest::newRow("Izbor") << int(Qt::Key_I) << int(Qt::AltModifier);
}

void TestAccessibility::escapeGivesKeysBack() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TfMain* w = m();
    Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->VerseEdit(1));
    Key(key, Qt::KeyboardModifiers(modifiers));
    QVERIFY(QApplication::activePopupWidget());
    Key(Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTRY_COMPARE(QApplication::focusWidget(), w->VerseEdit(1));
    QCOMPARE(QApplication::activeWindow(), w);
    // The window's keys work at once.
    Key(Qt::Key_F5);
    QVERIFY(program_->fPodsetnik->isVisible());
}

void TestAccessibility::controlsAndPanesAreReadable() {
    TfMain* w = m();
    w->SetActivePane(1);
    w->ShowReference(QStringLiteral("1 MOJ 1:1"));
    QList<QWidget*> windows{w, program_->fTrazi.get(), program_->fRezultatiTrazenja.get()};
    for (QWidget* window : windows)
        for (QWidget* control : window->findChildren<QWidget*>())
            // Buttons also when the mouse alone reaches them: a screen reader lists them.
            if ((control->focusPolicy() != Qt::NoFocus ||
                 (qobject_cast<QAbstractButton*>(control) && control->isVisibleTo(window))) &&
                control->window() == window) {
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
    QCOMPARE(verse->role(), QAccessible::Paragraph);
    // The panes in the order they stand, left to right.
    QAccessibleInterface* panes = QAccessible::queryAccessibleInterface(w->PaneSplitter());
    auto at = [panes, w](int p) {
        return panes->indexOfChild(QAccessible::queryAccessibleInterface(w->PaneColumn(p)));
    };
    QVERIFY(at(1) < at(3) && at(3) < at(2));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"

// The input edit: the typed-character filter, the check on leaving and the focus coming back.
#include "KvEdit.h"
#include "Messages.h"
#include "ValueChecks.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QLocale>
#include <QtTest>

class KvEditTest : public QObject {
    Q_OBJECT
    QStringList messages;
    QWidget* window = nullptr;
    TKvEdit* a = nullptr;
    TKvEdit* b = nullptr;

    // Focus in a, then moved to b: the check of a runs.
    void Leave(TKvEdit* from, QWidget* to) {
        from->setFocus();
        QCOMPARE(QApplication::focusWidget(), from);
        to->setFocus();
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); // dd/MM/yyyy
        SetMessageHandler([this](const QString& text) { messages << text; });
    }

    void init() {
        messages.clear();
        window = new QWidget;
        a = new TKvEdit(window);
        b = new TKvEdit(window);
        b->move(0, 40);
        b->Broj = Ceo;
        b->setText(QStringLiteral("1"));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() { delete window; }

    void defaultKindIsDate() { QCOMPARE(TKvEdit().Broj, Datum); }

    void filterByKind() {
        const QChar refused(13), bs(8);
        TKvEdit e;
        e.Broj = Ceo;
        QCOMPARE(e.FilterKey('7'), QChar('7'));
        QCOMPARE(e.FilterKey(bs), bs);
        for (QChar c : QStringLiteral("-+.,a /\t"))
            QCOMPARE(e.FilterKey(c), refused);
        QCOMPARE(e.FilterKey(QChar(27)), refused);
        e.Broj = Realni;
        QCOMPARE(e.FilterKey('.'), QChar('.'));
        QCOMPARE(e.FilterKey(','), refused);
        QCOMPARE(e.FilterKey('-'), refused);
        e.setText(QStringLiteral("1.5"));
        QCOMPARE(e.FilterKey('.'), refused);
        e.Broj = Datum;
        for (QChar c : QStringLiteral("09/-"))
            QCOMPARE(e.FilterKey(c), c);
        QCOMPARE(e.FilterKey('.'), refused);
        QCOMPARE(e.FilterKey('a'), refused);
        e.Broj = Slova;
        for (QChar c : QStringLiteral("a\u017e-., "))
            QCOMPARE(e.FilterKey(c), c);
    }

    void typedCharactersAreFiltered() {
        a->Broj = Ceo;
        a->setFocus();
        QTest::keyClicks(a, QStringLiteral("1a-2 3"));
        QCOMPARE(a->text(), QStringLiteral("123"));
        QTest::keyClick(a, Qt::Key_Backspace);
        QCOMPARE(a->text(), QStringLiteral("12"));

        a->clear();
        a->Broj = Realni;
        QTest::keyClicks(a, QStringLiteral("-1.2.5,x"));
        QCOMPARE(a->text(), QStringLiteral("1.25"));

        a->clear();
        a->Broj = Datum;
        QTest::keyClicks(a, QStringLiteral("1.2/3-4x"));
        QCOMPARE(a->text(), QStringLiteral("12/3-4"));

        a->clear();
        a->Broj = Slova;
        QTest::keyClicks(a, QStringLiteral("Sveto 1-2."));
        QCOMPARE(a->text(), QStringLiteral("Sveto 1-2."));
    }

    void textFromCodeOrPasteBypassesTheFilter() {
        a->Broj = Ceo;
        a->setFocus();
        a->setText(QStringLiteral("x-1"));
        QCOMPARE(a->text(), QStringLiteral("x-1"));
        a->clear();
        QApplication::clipboard()->setText(QStringLiteral("ab"));
        if (QApplication::clipboard()->text() != QStringLiteral("ab"))
            QSKIP("no clipboard on this platform");
        a->paste();
        QCOMPARE(a->text(), QStringLiteral("ab"));
        // The check still applies on leaving.
        b->setFocus();
        QCOMPARE(messages, QStringList{QStringLiteral("Unesite ceo broj!")});
        QCOMPARE(QApplication::focusWidget(), a);
    }

    void blankBecomesZeroExceptForDates() {
        for (eBroj kind : {Ceo, Realni, Slova}) {
            a->Broj = kind;
            a->setText(QStringLiteral("  "));
            Leave(a, b);
            QCOMPARE(a->text(), QStringLiteral("0"));
            QCOMPARE(QApplication::focusWidget(), b);
        }
        QVERIFY(messages.isEmpty());

        a->Broj = Datum;
        a->setText(QString());
        Leave(a, b);
        QCOMPARE(a->text(), QString());
        QCOMPARE(messages, QStringList{QStringLiteral("Unesite ispravno datum\r    dd/mm/yyyy")});
        QCOMPARE(QApplication::focusWidget(), a);
    }

    void wholeNumbers() {
        a->Broj = Ceo;
        a->setText(QStringLiteral("1,234,567"));
        Leave(a, b);
        QVERIFY(messages.isEmpty());
        QCOMPARE(a->text(), QStringLiteral("1,234,567")); // commas kept
        QCOMPARE(QApplication::focusWidget(), b);

        a->setText(QStringLiteral("2147483648"));
        Leave(a, b);
        QCOMPARE(messages, QStringList{QStringLiteral("Unesite ceo broj!")});
        QCOMPARE(QApplication::focusWidget(), a);
        QCOMPARE(a->text(), QStringLiteral("2147483648"));

        QVERIFY(IsWholeNumber(QStringLiteral("2147483647")));
        QVERIFY(IsWholeNumber(QStringLiteral("-2147483648")));
        QVERIFY(IsWholeNumber(QStringLiteral(" +12 ")));
        QVERIFY(!IsWholeNumber(QStringLiteral("-2147483649")));
        QVERIFY(!IsWholeNumber(QStringLiteral("1 2")));
        QVERIFY(!IsWholeNumber(QStringLiteral("0x1F")));
        QVERIFY(!IsWholeNumber(QStringLiteral("1.0")));
        QVERIFY(!IsWholeNumber(QString()));
    }

    void realNumbers() {
        a->Broj = Realni;
        a->setText(QStringLiteral("1,5e3"));
        Leave(a, b);
        QVERIFY(messages.isEmpty());
        a->setText(QStringLiteral("1.5.3"));
        Leave(a, b);
        QCOMPARE(messages, QStringList{QStringLiteral("Unesite realni broj!")});
        QCOMPARE(QApplication::focusWidget(), a);

        const QLocale c = QLocale::c();
        QVERIFY(IsRealNumber(QStringLiteral("-12.5"), c));
        QVERIFY(IsRealNumber(QStringLiteral(".5"), c));
        QVERIFY(IsRealNumber(QStringLiteral("3."), c));
        QVERIFY(IsRealNumber(QStringLiteral("2E-3"), c));
        QVERIFY(!IsRealNumber(QStringLiteral("1e999"), c));
        QVERIFY(!IsRealNumber(QStringLiteral("nan"), c));
        QVERIFY(!IsRealNumber(QStringLiteral("."), c));
        QVERIFY(!IsRealNumber(QStringLiteral("1,5"), c));
        // A locale with a decimal comma takes its comma and the point the filter lets through.
        const QLocale serbian(QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia);
        QCOMPARE(serbian.decimalPoint(), QStringLiteral(","));
        QVERIFY(IsRealNumber(QStringLiteral("1,5"), serbian));
        QVERIFY(IsRealNumber(QStringLiteral("1.5"), serbian));
        QVERIFY(!IsRealNumber(QStringLiteral("1.5,2"), serbian));
    }

    void dates() {
        a->Broj = Datum;
        a->setText(QStringLiteral("31/12/1999"));
        Leave(a, b);
        QVERIFY(messages.isEmpty());
        a->setText(QStringLiteral("31/02/1999"));
        Leave(a, b);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), a);

        const QLocale uk(QLocale::English, QLocale::UnitedKingdom);
        QVERIFY(IsShortDate(QStringLiteral("29/2/2000"), uk));
        QVERIFY(IsShortDate(QStringLiteral("1-12-05"), uk));
        QVERIFY(IsShortDate(QStringLiteral(" 5/6 "), uk));
        QVERIFY(!IsShortDate(QStringLiteral("29/2/1900"), uk));
        QVERIFY(!IsShortDate(QStringLiteral("12/31/1999"), uk));
        QVERIFY(!IsShortDate(QStringLiteral("1/2/3/4"), uk));
        QVERIFY(!IsShortDate(QStringLiteral("1,2,2000"), uk));
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        QVERIFY(IsShortDate(QStringLiteral("12/31/1999"), us));
        const QLocale iso(QLocale::Swedish, QLocale::Sweden); // yyyy-MM-dd
        QVERIFY(IsShortDate(QStringLiteral("1999-12-31"), iso));
    }

    void lettersPassAnything() {
        a->Broj = Slova;
        a->setText(QStringLiteral("bilo \u0161ta, 1.2.3"));
        Leave(a, b);
        QVERIFY(messages.isEmpty());
        QCOMPARE(QApplication::focusWidget(), b);
    }

    void twoWrongEditsShowOneMessage() {
        a->Broj = Ceo;
        b->Broj = Ceo;
        a->setText(QStringLiteral("x"));
        b->setText(QStringLiteral("y"));
        Leave(a, b);
        QCOMPARE(messages, QStringList{QStringLiteral("Unesite ceo broj!")});
        QCOMPARE(QApplication::focusWidget(), a);
        // Each loss of focus repeats it while the text stays wrong.
        b->setFocus();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(QApplication::focusWidget(), a);
    }

    void anotherWindowGetsOneMessage() {
        a->Broj = Ceo;
        a->setText(QStringLiteral("x"));
        a->setFocus();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTRY_COMPARE(messages.size(), 1);
        QTest::qWait(50);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(window->focusWidget(), a);
    }

    void messageBoxTakingTheFocusDoesNotLoop() {
        // The handler shows a window of its own, as the real message box does.
        QWidget* box = nullptr;
        SetMessageHandler([&](const QString& text) {
            messages << text;
            box = new QWidget;
            box->show();
            box->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(box));
            box->close();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
        });
        a->Broj = Ceo;
        b->Broj = Ceo;
        a->setText(QStringLiteral("x"));
        b->setText(QStringLiteral("y"));
        Leave(a, b);
        SetMessageHandler([this](const QString& text) { messages << text; });
        delete box;
        QCOMPARE(messages.size(), 1);
        QCOMPARE(QApplication::focusWidget(), a);
    }

    void closingTheWindowShowsNothing() {
        a->Broj = Ceo;
        a->setText(QStringLiteral("x"));
        a->setFocus();
        window->close();
        QTest::qWait(50);
        QVERIFY(messages.isEmpty());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        a->setFocus();
        delete window; // focus still in the wrong edit
        window = nullptr;
        QTest::qWait(50);
        QVERIFY(messages.isEmpty());
    }

    void ownContextMenuIsNoLossOfFocus() {
        a->Broj = Datum;
        a->setFocus();
        QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(a, &popup);
        QVERIFY(messages.isEmpty());
    }

    void enterStillReachesTheForm() {
        a->Broj = Ceo;
        a->setFocus();
        int returns = 0;
        connect(a, &QLineEdit::returnPressed, this, [&] { ++returns; });
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(returns, 1);
    }
};

QTEST_MAIN(KvEditTest)
#include "tst_kvedit.moc"

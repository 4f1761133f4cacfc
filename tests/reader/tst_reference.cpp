#include "Errors.h"
#include "ReaderState.h"
#include "Reference.h"
#include "ScrollKeys.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

class TestReference : public QObject {
    Q_OBJECT
private slots:
    void parsesReferences_data();
    void parsesReferences();
    void badChapterKeepsChapterAndVerse();
    void missingVerseKeepsVerse();
    void textsWithoutAPlaceChangeNothing_data();
    void textsWithoutAPlaceChangeNothing();
    void followerOrder();
    void scrollKeys();
};

void TestReference::parsesReferences_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("book");
    QTest::addColumn<int>("chapter");
    QTest::addColumn<int>("verse");
    QTest::newRow("plain") << "1 MOJ 10:5"
                           << "1 MOJ" << 10 << 5;
    QTest::newRow("as on a label") << "1 MOJ 10:5,"
                                   << "1 MOJ" << 10 << 5;
    QTest::newRow("book with a stop") << "2 KOR. 3:4"
                                      << "2 KOR" << 3 << 4;
    QTest::newRow("psalm") << "PSAL 23:1"
                           << "PSAL" << 23 << 1;
    QTest::newRow("verse range") << "JOV 3:16-18"
                                 << "JOV" << 3 << 1618;
    QTest::newRow("two colons") << "MAT 1:2:3"
                                << "MAT" << 1 << 3;
    QTest::newRow("blanks around") << "  OTKR  22:21  "
                                   << "OTKR" << 22 << 21;
    QTest::newRow("lower case č") << "PRIčE 3:5"
                                  << "PRIčE" << 3 << 5;
}

void TestReference::parsesReferences() {
    QFETCH(QString, text);
    QString book = QStringLiteral("old");
    int chapter = -1;
    int verse = -1;
    ParseReference(text, book, chapter, verse);
    QTEST(book, "book");
    QTEST(chapter, "chapter");
    QTEST(verse, "verse");
}

void TestReference::badChapterKeepsChapterAndVerse() {
    QString book = QStringLiteral("old");
    int chapter = 7;
    int verse = 8;
    try {
        ParseReference(QStringLiteral("MAT 1x:5"), book, chapter, verse);
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.text(), QStringLiteral("'1x' is not a valid integer value"));
    }
    // The book is written before the chapter is read.
    QCOMPARE(book, QStringLiteral("MAT"));
    QCOMPARE(chapter, 7);
    QCOMPARE(verse, 8);

    // A chapter beyond the 32-bit range is no whole number either.
    QVERIFY_THROWS_EXCEPTION(
        ConvertError, ParseReference(QStringLiteral("MAT 99999999999:1"), book, chapter, verse));
    QCOMPARE(chapter, 7);
}

void TestReference::missingVerseKeepsVerse() {
    QString book;
    int chapter = 7;
    int verse = 8;
    try {
        ParseReference(QStringLiteral("LUKA 4:"), book, chapter, verse);
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.text(), QStringLiteral("'' is not a valid integer value"));
    }
    QCOMPARE(book, QStringLiteral("LUKA"));
    QCOMPARE(chapter, 4);
    QCOMPARE(verse, 8);

    // Too many digits for a verse number.
    QVERIFY_THROWS_EXCEPTION(
        ConvertError, ParseReference(QStringLiteral("LUKA 4:12345678901"), book, chapter, verse));
    QCOMPARE(verse, 8);
}

void TestReference::textsWithoutAPlaceChangeNothing_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one character") << QStringLiteral("7");
    QTest::newRow("no digit") << QStringLiteral("MAT");
    QTest::newRow("only blanks") << QStringLiteral("    ");
    QTest::newRow("blanks before the digit") << QStringLiteral("  5:3");
    QTest::newRow("a full stop before the digit") << QStringLiteral(" .9:5,");
    QTest::newRow("no colon after the digit") << QStringLiteral("MAT 5");
    QTest::newRow("colon only before the digit") << QStringLiteral("A:B 5");
    QTest::newRow("a word of a file") << QStringLiteral("Beleške");
}

void TestReference::textsWithoutAPlaceChangeNothing() {
    QFETCH(QString, text);
    QString book = QStringLiteral("old");
    int chapter = 7;
    int verse = 8;
    try {
        ParseReference(text, book, chapter, verse);
        QFAIL("no error");
    } catch (const ConvertError& e) {
        QCOMPARE(e.text(), QStringLiteral("'%1' is not a valid integer value").arg(text));
    }
    QCOMPARE(book, QStringLiteral("old"));
    QCOMPARE(chapter, 7);
    QCOMPARE(verse, 8);
}

void TestReference::followerOrder() {
    QCOMPARE(FollowerOrder(1), (std::array<int, 2>{2, 3}));
    QCOMPARE(FollowerOrder(2), (std::array<int, 2>{1, 3}));
    QCOMPARE(FollowerOrder(3), (std::array<int, 2>{2, 1}));
}

void TestReference::scrollKeys() {
    QScrollArea area;
    area.resize(200, 300);
    auto* inner = new QWidget;
    inner->resize(600, 2000);
    area.setWidget(inner);
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QScrollBar* v = area.verticalScrollBar();
    QScrollBar* h = area.horizontalScrollBar();

    QVERIFY(ScrollByKey(Qt::Key_Down, area));
    QCOMPARE(v->value(), 15);
    ScrollByKey(Qt::Key_PageDown, area);
    QCOMPARE(v->value(), 15 + 300 - 50);
    ScrollByKey(Qt::Key_Up, area);
    QCOMPARE(v->value(), 250);
    ScrollByKey(Qt::Key_PageUp, area);
    QCOMPARE(v->value(), 0);
    ScrollByKey(Qt::Key_End, area);
    QCOMPARE(v->value(), v->maximum());
    ScrollByKey(Qt::Key_Home, area);
    QCOMPARE(v->value(), 1);
    ScrollByKey(Qt::Key_Up, area);
    QCOMPARE(v->value(), 0);
    ScrollByKey(Qt::Key_Right, area);
    QCOMPARE(h->value(), 15);
    ScrollByKey(Qt::Key_Left, area);
    QCOMPARE(h->value(), 0);
    QVERIFY(!ScrollByKey(Qt::Key_A, area));
    QCOMPARE(v->value(), 0);
}

QTEST_MAIN(TestReference)
#include "tst_reference.moc"

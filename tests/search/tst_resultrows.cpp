// The rows of a results list and the fast measure of a verse's height.
#include "Kvlabel.h"
#include "ResultRows.h"
#include "WrapEstimate.h"

#include <QtTest>

class ResultRowsTest : public QObject {
    Q_OBJECT
private slots:
    void stacksRowsAndFindsThem();
    void correctedHeightMovesTheRowsBelow();
    void estimateAgreesWithTheLabel_data();
    void estimateAgreesWithTheLabel();
};

namespace {

// Three rows under a top of 10, headings 14 high, verses 20, 40 and 20.
TResultRows ThreeRows() {
    TResultRows rows;
    rows.Clear(10, 14);
    int verse = 2;
    for (int h : {20, 40, 20})
        rows.Add(ResultRow{QStringLiteral("1 MOJ"), QStringLiteral("1"), QString::number(verse++),
                           QStringLiteral("U početku")},
                 h);
    return rows;
}

} // namespace

void ResultRowsTest::stacksRowsAndFindsThem() {
    const TResultRows rows = ThreeRows();
    QCOMPARE(rows.HeadingTop(1), 44);
    QCOMPARE(rows.VerseTop(1), 58);
    QCOMPARE(rows.Bottom(), 10 + 3 * 14 + 80);
    QCOMPARE(rows.Row(0).HeadingText(), QStringLiteral("knjiga : 1 MOJ  glava: 1"));
    QCOMPARE(rows.Row(0).VerseText(), QStringLiteral("2. U početku"));
    // Each row keeps its own texts, the last one too.
    QCOMPARE(rows.Row(1).VerseText(), QStringLiteral("3. U početku"));
    const ResultRow last = rows.Row(2);
    QCOMPARE(QStringList({last.Knjiga, last.Glava, last.Rbr, last.Tekst}),
             QStringList({"1 MOJ", "1", "4", "U početku"}));
    // The row under a point, none above or below the list.
    QCOMPARE(QList<int>({rows.RowAt(9), rows.RowAt(10), rows.RowAt(43), rows.RowAt(44),
                         rows.RowAt(131), rows.RowAt(132)}),
             QList<int>({-1, 0, 0, 1, 2, -1}));
    // The rows a band meets.
    QCOMPARE(rows.RowsIn(0, 10), std::make_pair(0, 0));
    QCOMPARE(rows.RowsIn(40, 98), std::make_pair(0, 2));
    QCOMPARE(rows.RowsIn(97, 98), std::make_pair(1, 2));
    QCOMPARE(rows.RowsIn(0, 1000), std::make_pair(0, 3));
    QCOMPARE(rows.RowsIn(500, 1000), std::make_pair(3, 3));
    TResultRows none;
    none.Clear(10, 14);
    QCOMPARE(none.Bottom(), 10);
    QCOMPARE(none.RowsIn(0, 100), std::make_pair(0, 0));
    QCOMPARE(none.RowAt(10), -1);
}

void ResultRowsTest::correctedHeightMovesTheRowsBelow() {
    TResultRows rows = ThreeRows();
    QVERIFY(!rows.SetVerseHeight(1, 40));
    QVERIFY(rows.SetVerseHeight(1, 60));
    QCOMPARE(rows.HeadingTop(1), 44);
    QCOMPARE(rows.HeadingTop(2), 44 + 14 + 60);
    QCOMPARE(rows.Bottom(), 10 + 3 * 14 + 100);
}

void ResultRowsTest::estimateAgreesWithTheLabel_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("width");
    for (const char* face : {"DejaVu Sans", "Liberation Serif"})
        for (int width : {120, 260, 410})
            QTest::addRow("%s %d", face, width) << QString::fromLatin1(face) << width;
}

void ResultRowsTest::estimateAgreesWithTheLabel() {
    QFETCH(QString, face);
    QFETCH(int, width);
    QFont font(face);
    font.setPointSize(13);
    font.setBold(true);
    const QFontMetrics fm(font);
    TWrapEstimate estimate(font, width, KvLineHeight(fm));
    for (const QString& text :
         {QString(), QStringLiteral("1. Nabuhodonosorovih"),
          QStringLiteral("27. I stvori Bog čoveka po obličju svojemu, po obličju Božijemu "
                         "stvori ga; muško i žensko stvori ih."),
          QStringLiteral("3. Blagoslov Gospodnji obogaćuje,   i ne donosi muke. Sin-Čovečiji "
                         "dođe da traži i spase izgubljeno."),
          QStringLiteral("12. И рече Бог: нека буде свјетлост. И би свјетлост.")})
        QCOMPARE(estimate.Height(text), KvWrappedHeight(fm, text, width));
}

QTEST_MAIN(ResultRowsTest)
#include "tst_resultrows.moc"

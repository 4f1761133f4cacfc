#include "HitMarks.h"

#include <QtTest>

using Ranges = QList<HitRange>;
Q_DECLARE_METATYPE(Ranges)

class TestHitMarks : public QObject {
    Q_OBJECT
private slots:
    void ranges_data();
    void ranges();
};

void TestHitMarks::ranges_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("folded");
    QTest::addColumn<Ranges>("expected");
    // Any letter case; overlapping and touching hits make one run; empty words mark nothing.
    QTest::newRow("plain") << QStringLiteral("Bog reče: Bože, bogovi.")
                           << QStringList{"bog", "ogo", "", "ovi"} << false
                           << Ranges{{0, 3}, {16, 6}};
    // Folded: "covek" finds "Čovek" and the Cyrillic "човек"; "dj" finds "đ" and "ђ".
    QTest::newRow("folded") << QStringLiteral("Čovek i човек; anđeo, ђаво.")
                            << QStringList{"covek", "DJ"} << true
                            << Ranges{{0, 5}, {8, 5}, {17, 1}, {22, 1}};
    // A phrase marks its words and what parts them, only where they follow each other.
    QTest::newRow("phrase") << QStringLiteral("Neka bude svetlost; neka, bude. Nekabude")
                            << QStringList{"\"neka bude\""} << false << Ranges{{0, 9}, {20, 10}};
    QTest::newRow("phrase, folded") << QStringLiteral("Нека буде светлост")
                                    << QStringList{"„neka bude“"} << true << Ranges{{0, 9}};
    QTest::newRow("not folded") << QStringLiteral("Čovek") << QStringList{"covek"} << false
                                << Ranges{};
}

void TestHitMarks::ranges() {
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QFETCH(bool, folded);
    QFETCH(Ranges, expected);
    QCOMPARE(HitRanges(text, words, folded), expected);
}

QTEST_GUILESS_MAIN(TestHitMarks)
#include "tst_hitmarks.moc"

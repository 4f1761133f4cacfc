// The book catalogue and the chapter statement built from its codes.
#include "BookCatalogue.h"
#include "DataModule.h"

#include <QSet>
#include <QtTest>

class CatalogueTest : public QObject {
    Q_OBJECT
    BookCatalogue c;

private slots:
    void initTestCase() { c.FillBookCatalogue(); }

    void invariants() {
        QSet<QString> codes, titles;
        for (int i = 1; i <= 66; ++i) {
            const QString& code = c.BookCodes[i];
            const QString& title = c.BookTitles[i];
            QVERIFY(!code.isEmpty() && code.size() <= 5);
            QVERIFY2(!title.isEmpty() && title.size() <= 54, qPrintable(title));
            QCOMPARE(title.trimmed(), title);
            codes << code;
            titles << title;
        }
        QCOMPARE(codes.size(), 66);
        QCOMPARE(titles.size(), 66);
        QVERIFY(c.BookCodes[0].isEmpty());
        QCOMPARE(c.BookTitles[64].size(), 54);
        QCOMPARE(c.BookTitles[63].size(), 54);
    }

    void tellingRows() {
        const QList<QPair<int, QPair<QString, QString>>> rows = {
            {1, {"1 MOJ", "Prva knjiga Mojsijeva"}},
            {6, {"IS.N", "Knjiga Isusa Navina"}},
            {20, {"PRIčE", "Priče Solomunove"}},
            {25, {"PLAč", "Plač Jeremijin"}},
            {39, {"MAL", "Knjiga proroka Malahije"}},
            {40, {"MAT", "Sveto jevanđenje po Mateju"}},
            {45, {"RIM", "Rimnjanima poslanica sv. apostola Pavla"}},
            {59, {"JAKOV", "Saborna poslanica  sv. apostola Jakova"}},
            {64, {"3 JOV", "Treća saborna poslanica  sv. apostola Jovana bogoslova"}},
            {66, {"OTKR", "Otkrivenje svetoga Jovana bogoslova"}},
        };
        for (const auto& [book, pair] : rows) {
            QCOMPARE(c.BookCodes[book], pair.first);
            QCOMPARE(c.BookTitles[book], pair.second);
        }
    }

    void titlePatterns() {
        for (int i : {23, 24, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39})
            QVERIFY(c.BookTitles[i].startsWith("Knjiga proroka "));
        for (int i = 40; i <= 43; ++i)
            QVERIFY(c.BookTitles[i].startsWith("Sveto jevanđenje po "));
        for (int i = 45; i <= 58; ++i)
            QVERIFY(c.BookTitles[i].endsWith(" sv. apostola Pavla"));
        for (int i = 59; i <= 65; ++i)
            QVERIFY(c.BookTitles[i].contains("aborna poslanica  sv. apostola "));
    }

    void titleOfCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("title");
        QTest::newRow("as stored") << "1 MOJ"
                                   << "Prva knjiga Mojsijeva";
        QTest::newRow("lower case") << "1 moj"
                                    << "Prva knjiga Mojsijeva";
        QTest::newRow("last book lower") << "otkr"
                                         << "Otkrivenje svetoga Jovana bogoslova";
        QTest::newRow("č as stored") << "PRIčE"
                                     << "Priče Solomunove";
        QTest::newRow("č all lower") << "priče"
                                     << "Priče Solomunove";
        QTest::newRow("capital Č") << "PRIČE"
                                   << "";
        QTest::newRow("trailing blank") << "1 MOJ "
                                        << "";
        QTest::newRow("no blank") << "1MOJ"
                                  << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void titleOfCode() {
        QFETCH(QString, code);
        QFETCH(QString, title);
        QCOMPARE(c.BookTitleOfCode(code), title);
    }

    void codeOfTitleIsExact() {
        QCOMPARE(c.BookCodeOfTitle("Prva knjiga Mojsijeva"), QString("1 MOJ"));
        QCOMPARE(c.BookCodeOfTitle("Sveto jevanđenje po Mateju"), QString("MAT"));
        QCOMPARE(c.BookCodeOfTitle("prva knjiga Mojsijeva"), QString());
        QCOMPARE(c.BookCodeOfTitle("  Prva knjiga Mojsijeva"), QString());
        QCOMPARE(c.BookCodeOfTitle("Saborna poslanica sv. apostola Jakova"), QString());
        for (int i = 1; i <= 66; ++i) {
            QCOMPARE(c.BookCodeOfTitle(c.BookTitles[i]), c.BookCodes[i]);
            QCOMPARE(c.BookTitleOfCode(c.BookCodes[i]), c.BookTitles[i]);
        }
    }

    void chapterStatementForEveryCode() {
        QCOMPARE(ChapterStatement("vidoslov", "1 MOJ", 10),
                 QStringList({"select * from vidoslov", "where knjiga='1 MOJ' and glava=10"}));
        QCOMPARE(ChapterStatement("vidoslov", "", 1).at(1), QString("where knjiga='' and glava=1"));
        QCOMPARE(ChapterStatement("vidoslov", "A'B", 2).at(1),
                 QString("where knjiga='A''B' and glava=2"));
        for (int i = 1; i <= 66; ++i)
            QCOMPARE(ChapterStatement("vidoslov", c.BookCodes[i], 3).at(1),
                     "where knjiga='" + c.BookCodes[i] + "' and glava=3");
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"

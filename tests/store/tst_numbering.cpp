// Places moved between Daničić's numbering and the KJV's, and the numbering a file records.
#include "BookCatalogue.h"
#include "FileProperties.h"
#include "Numbering.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>
#include <sys/stat.h>

namespace {

int Book(const char* code) {
    for (int i = 0; i < BookCatalogue::BookCount; ++i)
        if (QByteArray(BookCatalogue::Codes[i]) == code)
            return i + 1;
    return 0;
}

void Exec(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

class NumberingTest : public QObject {
    Q_OBJECT

private slots:
    // Daničić's place, the KJV's, and whether the way back gives the same place (not for the
    // second part of a split verse or the second verse of merged ones).
    void placesMapBothWays_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<QPoint>("danicic");
        QTest::addColumn<QPoint>("kjv");
        QTest::addColumn<bool>("fromDanicic");
        QTest::addColumn<bool>("fromKjv");
        QTest::newRow("the great fish")
            << QByteArray("JONA") << QPoint(2, 1) << QPoint(1, 17) << true << true;
        QTest::newRow("Jonah's prayer")
            << QByteArray("JONA") << QPoint(2, 2) << QPoint(2, 1) << true << true;
        QTest::newRow("leviathan")
            << QByteArray("JOV") << QPoint(40, 20) << QPoint(41, 1) << true << true;
        QTest::newRow("second speech")
            << QByteArray("JOV") << QPoint(39, 34) << QPoint(40, 1) << true << true;
        QTest::newRow("across chapters")
            << QByteArray("4 MOJ") << QPoint(13, 1) << QPoint(12, 16) << true << true;
        QTest::newRow("split, first part")
            << QByteArray("1 SAM") << QPoint(20, 42) << QPoint(20, 42) << true << true;
        QTest::newRow("split, second part")
            << QByteArray("1 SAM") << QPoint(20, 43) << QPoint(20, 42) << true << false;
        QTest::newRow("merged, first verse")
            << QByteArray("DELA") << QPoint(19, 40) << QPoint(19, 40) << true << true;
        QTest::newRow("merged, second verse")
            << QByteArray("DELA") << QPoint(19, 40) << QPoint(19, 41) << false << true;
        QTest::newRow("after a merge")
            << QByteArray("2 KOR") << QPoint(13, 13) << QPoint(13, 14) << true << true;
        QTest::newRow("no rule") << QByteArray("1 MOJ") << QPoint(1, 1) << QPoint(1, 1) << true
                                 << true;
        QTest::newRow("psalms as the KJV")
            << QByteArray("PSAL") << QPoint(51, 1) << QPoint(51, 1) << true << true;
    }
    void placesMapBothWays() {
        QFETCH(QByteArray, code);
        QFETCH(QPoint, danicic);
        QFETCH(QPoint, kjv);
        QFETCH(bool, fromDanicic);
        QFETCH(bool, fromKjv);
        const int book = Book(code);
        const Place d{book, danicic.x(), danicic.y()}, k{book, kjv.x(), kjv.y()};
        if (fromDanicic)
            QCOMPARE(MapPlace(d, Numbering::Danicic, Numbering::Kjv), k);
        if (fromKjv)
            QCOMPARE(MapPlace(k, Numbering::Kjv, Numbering::Danicic), d);
        QCOMPARE(MapPlace(d, Numbering::Danicic, Numbering::Danicic), d);
        QCOMPARE(MapPlace(k, Numbering::Kjv, Numbering::Kjv), k);
    }

    // As a pane has it: a book code in any letter case, chapter and verse.
    void aPlaceOfABookCodeMaps() {
        int chapter = 41, verse = 1;
        MapPlace("jov", chapter, verse, Numbering::Kjv, Numbering::Danicic);
        QCOMPARE(QPoint(chapter, verse), QPoint(40, 20));
        MapPlace("XYZ", chapter, verse, Numbering::Kjv, Numbering::Danicic);
        QCOMPARE(QPoint(chapter, verse), QPoint(40, 20));
    }

    // Every verse of every rule maps into the other side of its rule, and back onto a verse
    // of its own side.
    void everyRuleMapsWithinItself() {
        const auto& rules = NumberingRules();
        QCOMPARE(int(rules.size()), 30);
        for (const NumberingRule& r : rules)
            for (int v = r.danicicFirst; v <= r.danicicLast; ++v) {
                const Place k =
                    MapPlace({r.book, r.danicicChapter, v}, Numbering::Danicic, Numbering::Kjv);
                QCOMPARE(k.chapter, r.kjvChapter);
                QVERIFY(k.verse >= r.kjvFirst && k.verse <= r.kjvLast);
                const Place back = MapPlace(k, Numbering::Kjv, Numbering::Danicic);
                QCOMPARE(back.chapter, r.danicicChapter);
                QVERIFY(back.verse >= r.danicicFirst && back.verse <= v);
            }
    }

    void aBadLineIsNamed() {
        int bad = 0;
        const auto rules = ParseNumberingRules("# comment\nJONA\t2\t1\t1\t1\t17\t17\n"
                                               "JONA\t2\t1\t3\t1\t17\t18\n",
                                               &bad);
        QCOMPARE(int(rules.size()), 1);
        QCOMPARE(bad, 3); // three verses cannot map onto two
    }

    void aFileSaysItsNumbering() {
        QTemporaryDir dir;
        const QString recorded = dir.filePath("d.mdb"), old = dir.filePath("old.mdb");
        Exec(recorded, "CREATE TABLE vidoslov (knjiga TEXT); CREATE TABLE properties (key TEXT "
                       "PRIMARY KEY, value TEXT); INSERT INTO properties VALUES ('numbering', "
                       "'Daničić');");
        Exec(old, "CREATE TABLE vidoslov (knjiga TEXT);");
        QCOMPARE(NumberingOfFile(recorded), Numbering::Danicic);
        QCOMPARE(NumberingOfFile(old), Numbering::Kjv);
        QCOMPARE(NumberingOfFile(QStringLiteral(JET_FILE)), Numbering::Kjv);
        QCOMPARE(NumberingOfFile(dir.filePath("missing.mdb")), Numbering::Kjv);
        // A FIFO in a translation's place is not opened: the open would wait for a writer.
        const QString fifo = dir.filePath("fifo.mdb");
        QCOMPARE(mkfifo(fifo.toUtf8().constData(), 0600), 0);
        QCOMPARE(NumberingOfFile(fifo), Numbering::Kjv);
        // Read once, again after the file changed.
        QCOMPARE(CachedNumberingOfFile(recorded), Numbering::Danicic);
        Exec(recorded, "UPDATE properties SET value = 'KJV';");
        QFile changed(recorded);
        QVERIFY(changed.open(QIODevice::ReadWrite));
        changed.setFileTime(QDateTime::currentDateTime().addSecs(5),
                            QFileDevice::FileModificationTime);
        changed.close();
        QCOMPARE(CachedNumberingOfFile(recorded), Numbering::Kjv);
        QCOMPARE(NameOfNumbering(NumberingOfName("Daničić")), QString("Daničić"));
    }
};

QTEST_GUILESS_MAIN(NumberingTest)
#include "tst_numbering.moc"

// The verse store: rows, letter case, nulls, errors. Built twice: over SQLite files, and over
// Jet 4 files with the same rows (JET_FILES) whose memos chain over pages and whose rows move
// and are deleted.
#include "ConnectionString.h"
#include "DataModule.h"
#include "Errors.h"
#include "JetWriter.h"
#include "Query.h"
#include "ReadOnlyFile.h"
#include "VerseFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <sqlite3.h>

namespace {

void WriteTranslation(const QString& path, const QVector<FixtureRow>& rows) {
#ifdef JET_FILES
    WriteJetVerseFile(path, rows,
                      {.password = "zelmorka",
                       .pageKey = 0x5A17C3E1,
                       .inlineMemo = 8,
                       .longValuePiece = 6,
                       .movedRows = {1, 6},
                       .deletedRows = {0, 3}});
#else
    WriteVerseFile(path, rows);
#endif
}

} // namespace

class QueryTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString folder; // program folder with baza/vidl.mdb

    QString Connection(const QString& file = "vidl.mdb") {
        return TranslationConnectionString(file, folder);
    }

    static QStringList Column(Query& q, const QString& name) {
        QStringList values;
        for (q.first(); !q.eof(); q.next())
            values << q.fieldAsText(name);
        return values;
    }

    void Run(Query& q, const QString& sql) {
        q.setConnectionString(Connection());
        q.clearSql();
        q.addLine(sql);
        q.open();
    }

private slots:
    void initTestCase() {
        folder = dir.path() + "/";
        QDir(folder).mkpath("baza");
        WriteTranslation(folder + "baza/vidl.mdb",
                         {
                             // a chapter stored out of order
                             {"1 MOJ", 1, 3, "Treći stih", "MAT 1:1"},
                             {"1 MOJ", 1, 1, "Čovek i žena", "RIM 2:3|JOVAN 3:16"},
                             {"1 MOJ", 1, 2, "Šuma i đak", QVariant()},
                             {"1 MOJ", 2, 1, "Druga glava", "."},
                             {"PRIčE", 1, 1, "Priče ćerke ŽENE", QVariant()},
                             {"PRIčE", 1, 2, QVariant(), " "},
                             {"O'NE", 1, 1, "Knjiga sa navodnikom", ""},
                             {"MAT", 1, 1, "100% tačno_je", ""},
                         });
    }

    void chapterRowsComeInVerseOrder() {
        Query q;
        q.setConnectionString(Connection());
        LoadChapter("vidoslov", "1 MOJ", 1, q, nullptr);
        QVERIFY(q.isOpen());
        QCOMPARE(q.recordCount(), 3);
        QCOMPARE(q.fieldAsText("rbr"), QString("1")); // left on the first row
        QCOMPARE(Column(q, "rbr"), QStringList({"1", "2", "3"}));
        QCOMPARE(Column(q, "glava"), QStringList({"1", "1", "1"}));
        QCOMPARE(Column(q, "TEKST").first(), QString("Čovek i žena"));
    }

    void layoutSeesRowsAndQueryEndsOnFirstRow() {
        Query q;
        q.setConnectionString(Connection());
        QStringList seen;
        LoadChapter("vidoslov", "1 MOJ", 1, q, [&](Query& r) {
            for (; !r.eof(); r.next())
                seen << r.fieldAsText("rbr");
        });
        QCOMPARE(seen, QStringList({"1", "2", "3"}));
        QVERIFY(!q.eof());
        QCOMPARE(q.fieldAsText("rbr"), QString("1"));
    }

    void bookCodeIgnoresLetterCase() {
        Query q;
        for (const char* code : {"1 MOJ", "1 moj", "1 Moj"}) {
            q.close();
            q.setConnectionString(Connection());
            LoadChapter("vidoslov", QString::fromUtf8(code), 1, q, nullptr);
            QCOMPARE(q.recordCount(), 3);
        }
        for (const char* code : {"PRIčE", "priče", "PRIČE", "PrIčE"}) {
            LoadChapter("vidoslov", QString::fromUtf8(code), 1, q, nullptr);
            QVERIFY2(q.recordCount() == 2, code);
        }
        LoadChapter("vidoslov", "PRICE", 1, q, nullptr);
        QCOMPARE(q.recordCount(), 0);
    }

    void likeFoldsEveryLetter_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("rows");
        QTest::newRow("č lower finds Č") << "%čovek%" << 1;
        QTest::newRow("Č upper finds Č") << "%ČOVEK%" << 1;
        QTest::newRow("ž upper finds ž") << "%ŽENA%" << 1;
        QTest::newRow("both cases of ž") << "%žen%" << 2;
        QTest::newRow("š and đ") << "%ŠUMA I ĐAK%" << 1;
        QTest::newRow("ć") << "%ĆERKE%" << 1;
        QTest::newRow("underscore is one character") << "_ovek%" << 1;
        QTest::newRow("underscore needs a character") << "čovek i žena_" << 0;
        QTest::newRow("whole text without wildcard") << "DRUGA GLAVA" << 1;
        QTest::newRow("plain c is not č") << "%covek%" << 0;
        QTest::newRow("percent alone") << "%" << 7; // the null tekst is no match
        QTest::newRow("backtracking") << "%i%i%" << 2;
    }

    void likeFoldsEveryLetter() {
        QFETCH(QString, pattern);
        QFETCH(int, rows);
        Query q;
        Run(q, "select * from vidoslov where tekst like '" + pattern + "'");
        QCOMPARE(q.recordCount(), rows);
    }

    void likeEscapeKeepsWildcardsLiteral() {
        Query q;
        Run(q, "select * from vidoslov where tekst like '%100!%%' escape '!'");
        QCOMPARE(q.recordCount(), 1);
        q.close();
        Run(q, "select * from vidoslov where tekst like '%o!_j%' escape '!'");
        QCOMPARE(q.recordCount(), 1);
    }

    void nullColumnsReadAsEmptyText() {
        Query q;
        Run(q, "select * from vidoslov where knjiga='PRIčE' and rbr=2");
        QCOMPARE(q.recordCount(), 1);
        QCOMPARE(q.fieldAsText("tekst"), QString());
        QCOMPARE(q.fieldAsText("pok"), QString(" "));
    }

    void emptyResultIsAtEndAtOnce() {
        Query q;
        q.setConnectionString(Connection());
        LoadChapter("vidoslov", "", 1, q, nullptr);
        QVERIFY(q.isOpen());
        QVERIFY(q.eof());
        QCOMPARE(q.recordCount(), 0);
        q.next();
        QVERIFY(q.eof());
    }

    void apostropheInCodeStaysInTheValue() {
        Query q;
        q.setConnectionString(Connection());
        LoadChapter("vidoslov", "O'NE", 1, q, nullptr);
        QCOMPARE(q.recordCount(), 1);
        LoadChapter("vidoslov", "x' or '1'='1", 1, q, nullptr);
        QCOMPARE(q.recordCount(), 0);
        // A NUL from a reference is a code like any other that names no book.
        for (const QString& code :
             {QString("1 MOJ") + QChar(0), QString("1 M") + QChar(0) + "OJ",
              QString(600, QChar(0)) + "MAT"}) { // too many pieces for one joined literal
            LoadChapter("vidoslov", code, 1, q, nullptr);
            QCOMPARE(q.recordCount(), 0);
            QCOMPARE(LastChapter("vidoslov", code, q), 0); // the statement of the forward button
        }
    }

    void linesAreJoinedByLineBreaks() {
        Query q;
        q.addLine("select * from vidoslov");
        q.addLine("where glava=2");
        QCOMPARE(q.statementText(), QString("select * from vidoslov\nwhere glava=2"));
        q.setConnectionString(Connection());
        q.open();
        QCOMPARE(q.recordCount(), 1);
        Query copy;
        copy.copySql(q);
        QCOMPARE(copy.sql(), q.sql());
    }

    void failuresCarryTheEnginesText_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("text");
        QTest::newRow("no file") << "nema.mdb"
                                 << "select * from vidoslov"
                                 << "datoteka ne može da se otvori";
        QTest::newRow("not a database") << "tekst.mdb"
                                        << "select * from vidoslov"
                                        << "datoteka nije baza podataka";
        QTest::newRow("no table") << "vidl.mdb"
                                  << "select * from nema"
                                  << "nema tabele nema";
        QTest::newRow("rejected statement") << "vidl.mdb"
                                            << "selec * from vidoslov"
                                            << "greška u naredbi kod \"selec\"";
        QTest::newRow("no column") << "vidl.mdb"
                                   << "select * from vidoslov where x=1"
                                   << "nema kolone x";
        QTest::newRow("runaway statement") << "vidl.mdb"
                                           << "with recursive c(x) as (select 1 union all select "
                                              "x+1 from c) select count(*) from c"
                                           << QueryTooCostlyText();
        QTest::newRow("rows without end")
            << "vidl.mdb"
            << "with recursive c(x) as (select 1 union all select x+1 from c) "
               "select printf('%.*c', 1000000, 'x') from c"
            << QueryTooCostlyText();
        QTest::newRow("huge value") << "vidl.mdb"
                                    << "select zeroblob(100000000)"
                                    << "vrednost je prevelika";
    }

    void failuresCarryTheEnginesText() {
        QFETCH(QString, file);
        QFETCH(QString, sql);
        QFETCH(QString, text);
        QFile junk(folder + "baza/tekst.mdb");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();

        Query q;
        q.setConnectionString(Connection(file));
        q.addLine(sql);
        try {
            q.open();
            QFAIL("open succeeded");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.text().contains(text), qPrintable(e.text()));
            QVERIFY2(e.text().contains(folder + "baza/" + file), qPrintable(e.text()));
        }
        QVERIFY(!q.isOpen());
        // the query is still usable once pointed at a good file
        q.setConnectionString(Connection());
        q.clearSql();
        q.addLine("select * from vidoslov");
        q.open();
        QCOMPARE(q.recordCount(), 8);
    }

    void paddedFileNameOpensTheFile() {
        const QString padded = QString("vidl.mdb").leftJustified(20, ' ');
        QVERIFY(Connection(padded).contains("baza/vidl.mdb            ;"));
        QCOMPARE(Query::DataSourceOf(Connection(padded)), folder + "baza/vidl.mdb");
        Query q;
        q.setConnectionString(Connection(padded));
        LoadChapter("vidoslov", "1 MOJ", 2, q, nullptr);
        QCOMPARE(q.recordCount(), 1);
    }

    // The data source reads back whatever the folder's name holds; a plain one is written as is.
    void dataSourceOfAnyFolder_data() {
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "/opt/vidoslov/";
        QTest::newRow("semicolon") << "/home/a;b/Persist Security Info=x;/";
        QTest::newRow("leading quote") << "\"x\"y'/";
        QTest::newRow("quotes after a semicolon") << "/a;\"b\"'c/";
    }
    void dataSourceOfAnyFolder() {
        QFETCH(QString, folder);
        const QString text = TranslationConnectionString("vidl.mdb  ", folder);
        QCOMPARE(Query::DataSourceOf(text), folder + "baza/vidl.mdb");
        QCOMPARE(ConnectionStringValue(text, "jet oledb:database password"), QString("zelmorka"));
        if (QTest::currentDataTag() == QLatin1String("plain"))
            QCOMPARE(text, QString("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/opt/vidoslov/"
                                   "baza/vidl.mdb  ;Persist Security Info=False;"
                                   "Jet OLEDB:Database Password=zelmorka"));
    }

    // A file found plain and then replaced by one whose verse table is a view is refused.
    void replacedFileIsCheckedAgain() {
        const QString path = folder + "baza/zamena.mdb";
        WriteVerseFile(path, {{"MAT", 1, 1, "Stih", ""}});
        Query first;
        first.setConnectionString(Connection("zamena.mdb"));
        LoadChapter("vidoslov", "MAT", 1, first, nullptr);
        QCOMPARE(first.recordCount(), 1);

        const QString view = folder + "baza/pogled.mdb";
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(view).constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db,
                              "CREATE TABLE stihovi (knjiga, glava, rbr, tekst, pok);"
                              "CREATE VIEW vidoslov AS SELECT * FROM stihovi;",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
        QVERIFY(std::rename(QFile::encodeName(view), QFile::encodeName(path)) == 0);
        Query second;
        second.setConnectionString(Connection("zamena.mdb"));
        try {
            LoadChapter("vidoslov", "MAT", 1, second, nullptr);
            QFAIL("a view was read as the verse table");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.text().contains("nije obična tabela"), qPrintable(e.text()));
        }
    }

    void connectionStringOnlyWhileClosed() {
        Query q;
        Run(q, "select * from vidoslov");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, q.setConnectionString(Connection("x.mdb")));
        QCOMPARE(q.connectionString(), Connection());
        q.close();
        q.close(); // closing a closed query does nothing
        q.setConnectionString(Connection("x.mdb"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, q.open());
    }

    void unknownColumnIsAnError() {
        Query q;
        Run(q, "select * from vidoslov");
        try {
            q.fieldAsText("nema");
            QFAIL("no error");
        } catch (const DatabaseError& e) {
            QCOMPARE(e.text(), "Field 'nema' not found (" + folder + "baza/vidl.mdb)");
        }
    }

    void dataModuleSetsFourConnections() {
        TBaze baze(folder);
        const QString text = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + folder +
                             "baza/vidl.mdb;Persist Security Info=False;"
                             "Jet OLEDB:Database Password=zelmorka";
        for (Query* q : {&baze.Query1, &baze.Query2, &baze.Query3, &baze.QueryTekst}) {
            QCOMPARE(q->connectionString(), text);
            QVERIFY(!q->isOpen());
        }
        QCOMPARE(baze.Query1.statementText(), QString("SELECT * FROM vidoslov"));
        QCOMPARE(baze.QueryTekst.statementText(), QString("select * from vidoslov;"));
        QCOMPARE(&baze.PaneQuery(3), &baze.Query3);
        baze.Query2.open();
        QVERIFY(baze.Query2.isOpen());
        baze.DataModuleDestroy();
        QVERIFY(!baze.Query2.isOpen());
    }
};

QTEST_GUILESS_MAIN(QueryTest)
#include "tst_query.moc"

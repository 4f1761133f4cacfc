#include "Folding.h"

#include <QtTest>
#include <sqlite3.h>

class TestFolding : public QObject {
    Q_OBJECT
private slots:
    void folds_data();
    void folds();
    void sqlFunction();
};

void TestFolding::folds_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folded");
    QTest::newRow("latin small") << "čćšžđ dž"
                                 << "ccszdj dz";
    QTest::newRow("latin capitals") << "ČĆŠŽĐ DŽ Dž"
                                    << "ccszdj dz dz";
    QTest::newRow("cyrillic small") << "човек ђаво ћуд џеп љубав њива шта жив"
                                    << "covek djavo cud dzep ljubav njiva sta ziv";
    QTest::newRow("cyrillic capitals") << "ЧОВЕК ЂАВО Ћуд ЏЕП Љубав ЊИВА"
                                       << "covek djavo cud dzep ljubav njiva";
    QTest::newRow("digraph letters") << "ǄǅǆǇǈǉǊǋǌ"
                                     << "dzdzdzljljljnjnjnj";
    QTest::newRow("spanish") << "CORAZÓN corazón"
                             << "corazon corazon";
    QTest::newRow("combining marks") << "c\u030Cove\u0301k Z\u030C"
                                     << "covek z";
    QTest::newRow("untouched") << "'% _ 12 ’ a, b."
                               << "'% _ 12 ’ a, b.";
    QTest::newRow("beyond the plane") << "Ա 😀"
                                      << "ա 😀";
}

void TestFolding::folds() {
    QFETCH(QString, text);
    QFETCH(QString, folded);
    QCOMPARE(FoldForSearch(text), folded);
}

void TestFolding::sqlFunction() {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(":memory:", &db), SQLITE_OK);
    RegisterFolding(db);
    const auto one = [db](const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        QString value = QStringLiteral("(no row)");
        if (sqlite3_step(stmt) == SQLITE_ROW)
            value = sqlite3_column_type(stmt, 0) == SQLITE_NULL
                        ? QStringLiteral("NULL")
                        : QString::fromUtf8(
                              reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
        sqlite3_finalize(stmt);
        return value;
    };
    QCOMPARE(one("select folded('Život, ЖИВОТ')"), QStringLiteral("zivot, zivot"));
    QCOMPARE(one("select folded(null)"), QStringLiteral("NULL"));
    // The same text twice and then another: the last fold is not served for a new text.
    QCOMPARE(one("select folded('Đ') || folded('Đ') || folded('Ž')"), QStringLiteral("djdjz"));
    // Invalid UTF-8 gives replacement characters, not a crash.
    QCOMPARE(one("select folded(cast(x'C3' || 'a' || x'FF' as text))"),
             QStringLiteral("\uFFFDa\uFFFD"));
    sqlite3_close(db);
}

QTEST_APPLESS_MAIN(TestFolding)
#include "tst_folding.moc"

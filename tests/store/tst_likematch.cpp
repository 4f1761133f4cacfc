// The folded `like` match against a plain backtracking matcher, on many small cases.
#include "TextRules.h"

#include <QRandomGenerator>
#include <QtTest>
#include <sqlite3.h>

namespace {

// The textbook matcher: one character at a time, back to the last "%" on a mismatch.
bool ReferenceMatch(const std::u32string& p, const std::u32string& t) {
    size_t pi = 0, ti = 0, star = std::u32string::npos, mark = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == LikeAnyRun) {
            star = pi++;
            mark = ti;
        } else if (pi < p.size() && (p[pi] == LikeAnyOne || p[pi] == t[ti])) {
            ++pi;
            ++ti;
        } else if (star != std::u32string::npos) {
            pi = star + 1;
            ti = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == LikeAnyRun)
        ++pi;
    return pi == p.size();
}

std::u32string Pattern(const char* text) {
    std::u32string p;
    for (const char* c = text; *c; ++c)
        p.push_back(*c == '%' ? LikeAnyRun : *c == '_' ? LikeAnyOne : char32_t(*c));
    return p;
}

} // namespace

class LikeMatchTest : public QObject {
    Q_OBJECT

private slots:
    void knownCases() {
        const std::u32string text = U"the lamb of god";
        QVERIFY(LikeMatch(Pattern("%lamb%"), text));
        QVERIFY(LikeMatch(Pattern("the%"), text));
        QVERIFY(LikeMatch(Pattern("%god"), text));
        QVERIFY(LikeMatch(Pattern("t%l_mb%o%d"), text));
        QVERIFY(LikeMatch(Pattern("%"), U""));
        QVERIFY(LikeMatch(Pattern(""), U""));
        QVERIFY(!LikeMatch(Pattern("_"), U""));
        QVERIFY(!LikeMatch(Pattern("%lamb"), text));
        QVERIFY(!LikeMatch(Pattern("ab%ba"), U"aba")); // the ends may not share a character
        QVERIFY(LikeMatch(Pattern("ab%ba"), U"abba"));
    }

    // Bytes that are no UTF-8 character never become a wildcard mark, whatever they decode to.
    void invalidUtf8IsOneReplacementCharacter_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("folded");
        QTest::newRow("beyond U+10FFFF") << QByteArray("a\xF4\x90\x80\x80") << "a\uFFFD";
        QTest::newRow("the one-character mark") << QByteArray("\xF4\x90\x80\x81") << "\uFFFD";
        QTest::newRow("overlong percent") << QByteArray("\xC0\xA5") << "\uFFFD";
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << "\uFFFD";
        QTest::newRow("cut short") << QByteArray("\xE2\x82x") << "\uFFFDx";
        QTest::newRow("stray continuation") << QByteArray("\x80\x80") << "\uFFFD\uFFFD";
        QTest::newRow("valid, folded") << QByteArray("\xC5\xBD") << QString::fromUtf8("ž");
    }

    void invalidUtf8IsOneReplacementCharacter() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, folded);
        std::u32string out;
        FoldUtf8(reinterpret_cast<const unsigned char*>(bytes.constData()), int(bytes.size()), out);
        QCOMPARE(QString::fromStdU32String(out), folded);
        QVERIFY(!LikeMatch(out, U"abcdef"));
    }

    // Two conditions on each row: a text as long as the one before it is folded anew.
    void likeFoldsEachNewText() {
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(":memory:", &db), SQLITE_OK);
        RegisterTextRules(db);
        sqlite3_exec(db,
                     "create table t (x text); insert into t values ('Ab'), ('Cb'), ('ab'), "
                     "(cast(x'FF62' as text))",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "select count(*) from t where x like '%a%' and x like '_b'", -1,
                           &stmt, nullptr);
        QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(stmt, 0), 2);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }

    // "%word%" with an ASCII word is looked for in the text's bytes; it must find what folding
    // finds, also where a character outside ASCII folds to an ASCII letter.
    void asciiWordMatchesAsFolded_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("matches");
        QTest::newRow("case") << "GoSPOD reče"
                              << "%gospod%" << 1;
        QTest::newRow("across marks") << "čovek"
                                      << "%ovek%" << 1;
        QTest::newRow("cut by a mark") << "čovek"
                                       << "%covek%" << 0;
        QTest::newRow("Kelvin sign") << QString::fromUtf8("\u212Aing") << "%king%" << 1;
        QTest::newRow("long s") << QString::fromUtf8("Je\u017Fus") << "%jesus%" << 1;
        QTest::newRow("at the end") << "hleb"
                                    << "%leb%" << 1;
        QTest::newRow("longer than the text") << "hle"
                                              << "%hleb%" << 0;
    }
    void asciiWordMatchesAsFolded() {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(int, matches);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(":memory:", &db), SQLITE_OK);
        RegisterTextRules(db);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "select ?1 like ?2", -1, &stmt, nullptr);
        const QByteArray t = text.toUtf8(), p = pattern.toUtf8();
        sqlite3_bind_text(stmt, 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, p.constData(), int(p.size()), SQLITE_TRANSIENT);
        QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(stmt, 0), matches);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }

    // NOCASE orders texts as they fold: an ASCII start byte by byte, the rest folded.
    void nocaseComparesFoldedTexts_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("order");
        QTest::newRow("ASCII case") << "1 MOJ"
                                    << "1 moj" << 0;
        QTest::newRow("prefix") << "MAT"
                                << "mat." << -1;
        QTest::newRow("ASCII, then marks") << "aŽb"
                                           << "ažB" << 0;
        QTest::newRow("after the ASCII start") << "aŽ"
                                               << "aZ" << 1;
        QTest::newRow("Cyrillic") << "ЈОВАН"
                                  << "јован" << 0;
    }

    void nocaseComparesFoldedTexts() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, order);
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(":memory:", &db), SQLITE_OK);
        RegisterTextRules(db);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, "select (?1 > ?2 collate nocase) - (?1 < ?2 collate nocase)", -1,
                           &stmt, nullptr);
        for (const auto& [at, text] : {std::pair{1, a.toUtf8()}, {2, b.toUtf8()}})
            sqlite3_bind_text(stmt, at, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        QCOMPARE(sqlite3_step(stmt), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(stmt, 0), order);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
    }

    void agreesWithTheBacktrackingMatcher() {
        QRandomGenerator random(20240611);
        const char letters[] = {'a', 'b', 'c'};
        const char marks[] = {'a', 'b', 'c', '%', '_'};
        for (int round = 0; round < 200000; ++round) {
            std::u32string text, pattern;
            for (int i = int(random.bounded(8)); i > 0; --i)
                text.push_back(char32_t(letters[random.bounded(3)]));
            for (int i = int(random.bounded(7)); i > 0; --i) {
                const char m = marks[random.bounded(5)];
                pattern.push_back(m == '%' ? LikeAnyRun : m == '_' ? LikeAnyOne : char32_t(m));
            }
            if (LikeMatch(pattern, text) != ReferenceMatch(pattern, text))
                QFAIL(qPrintable(QString::fromStdU32String(text) + " / " + QString::number(round)));
        }
    }
};

QTEST_GUILESS_MAIN(LikeMatchTest)
#include "tst_likematch.moc"

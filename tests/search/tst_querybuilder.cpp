#include "BookCatalogue.h"
#include "QueryBuilder.h"

#include <QtTest>

namespace {

// The catalogue's books of one testament, none marked.
TestamentChoice Testament(bool old) {
    TestamentChoice choice;
    const int first = old ? 0 : BookCatalogue::LastOldTestamentBook;
    const int last = old ? BookCatalogue::LastOldTestamentBook : BookCatalogue::BookCount;
    for (int i = first; i < last; ++i) {
        choice.codes << QString::fromUtf8(BookCatalogue::Codes[i]);
        choice.marked << false;
    }
    return choice;
}

QString Books(const QStringList& codes) {
    QString text;
    for (const QString& code : codes)
        text += QStringLiteral(" knjiga='%1' or ").arg(code);
    text.chop(3);
    return text;
}

} // namespace

class TestQueryBuilder : public QObject {
    Q_OBJECT
private slots:
    void secondLine_data();
    void secondLine();
    void bookRestriction();
    void apostrophesAreDoubled_data();
    void apostrophesAreDoubled();
    void foldedWords();
};

void TestQueryBuilder::secondLine_data() {
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<QStringList>("alternatives");
    QTest::addColumn<QStringList>("books");
    QTest::addColumn<QString>("line"); // · for a blank
    const QStringList none;
    const QStringList a{"a"}, ab{"a", "b"}, x{"x"}, xy{"x", "y"}, p{"p"}, pq{"p", "q"};
    QTest::newRow("none") << none << none << none << none << QString();
    QTest::newRow("a") << a << none << none << none << "where··(tekst·like·'%a%')";
    QTest::newRow("a b") << ab << none << none << none
                         << "where··(tekst·like·'%a%'·and··tekst·like·'%b%')";
    QTest::newRow("x") << none << x << none << none << "where···(not·tekst·like·'%x%'·)";
    QTest::newRow("x y") << none << xy << none << none
                         << "where···(not·tekst·like·'%x%'·and··not·tekst·like·'%y%'·)";
    QTest::newRow("p") << none << none << p << none << "where··(tekst·like·'%p%')";
    QTest::newRow("p q") << none << none << pq << none
                         << "where··(tekst·like·'%p%'·or·tekst·like·'%q%')";
    QTest::newRow("a; x") << a << x << none << none
                          << "where··(tekst·like·'%a%')··and··(not·tekst·like·'%x%'·)";
    QTest::newRow("a; p q")
        << a << none << pq << none
        << "where··(tekst·like·'%a%')··and·(tekst·like·'%p%'·or·tekst·like·'%q%')";
    QTest::newRow("x; p") << none << x << p << none
                          << "where···(not·tekst·like·'%x%'·)··and·(tekst·like·'%p%')";
    QTest::newRow("all three")
        << ab << xy << pq << none
        << "where··(tekst·like·'%a%'·and··tekst·like·'%b%')··and··(not·tekst·like·'%x%'·and··not·"
           "tekst·like·'%y%'·)··and·(tekst·like·'%p%'·or·tekst·like·'%q%')";
    QTest::newRow("a; c1 c2") << a << none << none << QStringList{"c1", "c2"}
                              << "where··(tekst·like·'%a%')·and·(·knjiga='c1'·or··knjiga='c2'·)";
    QTest::newRow("a; c1") << a << none << none << QStringList{"c1"}
                           << "where··(tekst·like·'%a%')·and·(·knjiga='c1'·)";
    // A blank-only entry is an empty word; a repeated word repeats its condition.
    QTest::newRow("empty word") << QStringList{""} << none << none << none
                                << "where··(tekst·like·'%%')";
    QTest::newRow("twice") << QStringList{"a", "a"} << none << none << none
                           << "where··(tekst·like·'%a%'·and··tekst·like·'%a%')";
}

void TestQueryBuilder::secondLine() {
    QFETCH(QStringList, required);
    QFETCH(QStringList, excluded);
    QFETCH(QStringList, alternatives);
    QFETCH(QStringList, books);
    QFETCH(QString, line);
    const QString where = TrimSearchText(BuildWordCondition({required, excluded, alternatives}));
    TestamentChoice chosen{books, QList<bool>(books.size(), true), false};
    const QString restriction = BuildBookCondition(chosen, {});
    QCOMPARE(where.isEmpty() ? QString() : SearchWhereLine(where, restriction),
             line.replace(u'·', u' '));
}

void TestQueryBuilder::bookRestriction() {
    TestamentChoice old = Testament(true);
    TestamentChoice now = Testament(false);
    // Nothing chosen: no restriction.
    QCOMPARE(BuildBookCondition(old, now), QString());
    // Both boxes ticked: no restriction, whatever the marks.
    now.marked[3] = true;
    old.whole = now.whole = true;
    QCOMPARE(BuildBookCondition(old, now), QString());
    // The Old Testament box with two New Testament books marked: 39 books, then the two.
    now.whole = false;
    now.marked[0] = true;
    QCOMPARE(BuildBookCondition(old, now),
             Books(old.codes + QStringList{now.codes[0], now.codes[3]}));
    // All 66 marked one by one: 66 alternatives, in catalogue order.
    old.whole = false;
    old.marked.fill(true);
    now.marked.fill(true);
    QCOMPARE(BuildBookCondition(old, now), Books(old.codes + now.codes));
}

void TestQueryBuilder::apostrophesAreDoubled_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("line");
    QTest::newRow("closing") << "Božji'"
                             << "where  (tekst like '%Božji''%')";
    QTest::newRow("injection") << "' or '1'='1"
                               << "where  (tekst like '%'' or ''1''=''1%')";
    QTest::newRow("wildcards stay") << "a%b_c"
                                    << "where  (tekst like '%a%b_c%')";
    // A statement ends at a NUL: the word's NUL characters are dropped.
    QTest::newRow("nul") << QStringLiteral("a\0' or 1\0") << "where  (tekst like '%a'' or 1%')";
}

void TestQueryBuilder::apostrophesAreDoubled() {
    QFETCH(QString, word);
    QFETCH(QString, line);
    QCOMPARE(TrimSearchText(BuildWordCondition({{word}, {}, {}})), line);
}

void TestQueryBuilder::foldedWords() {
    const SearchWords words{{"Čovek'"}, {"ЂАВО"}, {"Život", "dž_%"}};
    QCOMPARE(TrimSearchText(BuildWordCondition(words, true)),
             QStringLiteral("where  (folded(tekst) like '%covek''%')  and  (not folded(tekst) like "
                            "'%djavo%' )  and (folded(tekst) like '%zivot%' or folded(tekst) like "
                            "'%dz_%%')"));
}

QTEST_APPLESS_MAIN(TestQueryBuilder)
#include "tst_querybuilder.moc"

// The search index and the texts in memory against the scan: every search finds the same verses
// in the same order in a file with the index, in the Jet image that builds it, in a file without
// it, and in the texts of a file or a Jet image read into memory.
#include "DataModule.h"
#include "JetCache.h"
#include "JetImage.h"
#include "JetWriter.h"
#include "KeptVerses.h"
#include "Query.h"
#include "QueryBuilder.h"
#include "Search.h"
#include "SearchIndex.h"
#include "VerseFixture.h"

#include <QTemporaryDir>
#include <QtTest>
#include <future>

namespace {

const QVector<FixtureRow> Verses = {
    {"1 MOJ", 1, 1, "U početku stvori Bog nebo i zemlju.", "."},
    {"1 MOJ", 1, 3, "I reče Bog: Neka bude svjetlost. I bi svjetlost.", "."},
    {"1 MOJ", 1, 6, "Potom reče Bog: neka, bude svod posred vode.", "."},
    {"1 MOJ", 2, 7, "I stvori Gospod Bog čoveka od praha zemaljskoga.", "."},
    {"PSAL", 23, 1, "GOSPOD je pastir moj, ništa mi neće nedostajati.", "."},
    {"MAT", 5, 8, "Blago onima koji su čistoga srca, jer će Boga videti.", "."},
    {"JOVAN", 1, 1, "U početku beše Reč, i Reč beše u Boga, i Bog beše Reč.", "."},
    {"RIM", 1, 1, "Pavle, sluga Božji' i apostol; ' or '1'='1 stoji ovde.", "."},
    {"RIM", 1, 2, "ČOVEČE, ĐAVO I ŽIVOT; Ćuti Šta. 100% tačno_je", "."},
    {"GAL", 1, 3, QVariant(), "."},
    {"JOVAN", 8, 44, "Ваш је отац ђаво; и сласти оца свог хоћете да чините.", "."},
    {"RIM", 5, 12, "Зато као што кроз једног ЧОВЕКА дође на свет грех. Нека буде.", "."},
    {"JUDA", 1, 9, "A Mihailo arhanđel, kad se prepiraše s Đavolom.", "."},
    {"OTKR", 22, 21, "Nekabude jedna reč.", "."},
};

// The places a statement finds, in the order the search lists them.
QStringList Places(const QString& connection, const QStringList& statement) {
    QStringList places;
    for (const ResultRow& row : RunStatement(connection, statement))
        places << row.Knjiga + ' ' + row.Glava + ':' + row.Rbr;
    return places;
}

} // namespace

class TestSearchIndex : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameVersesAsTheScan_data();
    void sameVersesAsTheScan();
    void addingTheIndexTwiceRenewsIt();
    void countsOnAnotherThread();
    void keptTextsFollowTheirFile();

private:
    QString Connection(const QString& file) const {
        return TranslationConnectionString(file, dir_.path() + '/');
    }
    QTemporaryDir dir_;
    std::unique_ptr<VerseMemory> memory_, jetMemory_;
};

void TestSearchIndex::initTestCase() {
    QVERIFY(dir_.isValid());
    QDir(JetCacheFolder()).removeRecursively(); // the images kept by earlier runs
    const QString baza = dir_.path() + "/baza/";
    QVERIFY(QDir().mkpath(baza));
    WriteVerseFile(baza + "scan.mdb", Verses);
    WriteVerseFile(baza + "index.mdb", Verses);
    AddSearchIndex(baza + "index.mdb");
    WriteJetVerseFile(baza + "jet.mdb", Verses, {.password = "zelmorka"});
    // A Jet file is searched without the index until its image has it (built on a thread of its
    // own from the file's first open, so it may already be there), then with it.
    // A connection made before the index is there moves to the image with it.
    Query pane;
    pane.setConnectionString(Connection("jet.mdb"));
    pane.addLine("select count(*) as n from sqlite_schema where name='vidoslov_search'");
    pane.open();
    QCOMPARE(pane.fieldAsText("n"), "0"); // the first open reads the file and starts the build
    WaitForJetSearchIndexes();
    pane.open();
    QCOMPARE(pane.fieldAsText("n"), "1");
    Query jet;
    jet.setConnectionString(Connection("jet.mdb"));
    QVERIFY(jet.hasSearchIndex());
    Query scan, index;
    scan.setConnectionString(Connection("scan.mdb"));
    index.setConnectionString(Connection("index.mdb"));
    QVERIFY(!scan.hasSearchIndex());
    QVERIFY(index.hasSearchIndex());
    memory_ = VerseMemory::Read(scan);
    jetMemory_ = VerseMemory::Read(jet);
    QVERIFY(memory_ && jetMemory_);
}

void TestSearchIndex::sameVersesAsTheScan_data() {
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<QStringList>("alternatives");
    QTest::addColumn<bool>("folded");
    QTest::addColumn<QString>("book"); // the books chosen, parted by ","; empty for all
    QTest::addColumn<bool>("narrows"); // whether the index answers the search
    QTest::addColumn<int>("expected"); // the number found; -1: as the scan finds
    using L = QStringList;
    const L none;
    QTest::newRow("three letters") << L{"bog"} << none << none << false << "" << true << 6;
    QTest::newRow("two letters: scan") << L{"bo"} << none << none << false << "" << false << -1;
    QTest::newRow("one letter: scan") << L{"A"} << none << none << true << "" << false << -1;
    QTest::newRow("short with long")
        << L{"bo", "stvori"} << none << none << false << "" << true << 2;
    QTest::newRow("a short alternative")
        << none << none << L{"bog", "je"} << false << "" << false << -1;
    QTest::newRow("alternatives") << none << none << L{"pastir", "AVO"} << false << "" << true << 3;
    QTest::newRow("excluded only") << none << L{"bog"} << none << false << "" << false << -1;
    QTest::newRow("all three") << L{"reč"} << L{"početku"} << L{"bog", "neka"} << false << ""
                               << true << -1;
    QTest::newRow("all three, folded")
        << L{"Đavo"} << L{"ARHANĐEL"} << L{"oca", "sta"} << true << "" << true << 2;
    QTest::newRow("apostrophe") << L{"Božji'"} << none << none << false << "" << true << 1;
    QTest::newRow("injection") << L{"' or '1'='1"} << none << none << false << "" << true << 1;
    QTest::newRow("wildcards") << L{"100%tačno_je"} << none << none << false << "" << true << 1;
    QTest::newRow("across words") << L{"ga, i b", "d je pa"} << none << L{"ga, i b"} << false << ""
                                  << true << 0;
    QTest::newRow("across a word") << L{"ga, i b"} << none << none << false << "" << true << 1;
    QTest::newRow("Cyrillic") << L{"ђаво"} << none << none << false << "" << true << 1;
    QTest::newRow("Cyrillic, folded") << L{"djavo"} << none << none << true << "" << true << 3;
    QTest::newRow("Latin in Cyrillic") << L{"covek"} << none << none << true << "" << true << 2;
    QTest::newRow("diacritics kept") << L{"čovek"} << none << none << false << "" << true << 1;
    QTest::newRow("capitals, folded") << L{"ZIVOT"} << none << none << true << "" << true << 1;
    QTest::newRow("a book") << L{"bog"} << none << none << false << "1 MOJ" << true << 4;
    // Chosen books are listed in the order of the table, not of the index on books.
    QTest::newRow("two books") << L{"e"} << none << none << true << "RIM,JOVAN" << false << 5;
    QTest::newRow("empty word") << L{""} << none << none << false << "" << false << 13;
    QTest::newRow("phrase") << L{"\"neka bude\""} << none << none << false << "" << true << 2;
    QTest::newRow("phrase, folded") << L{"„neka bude“"} << none << none << true << "" << true << 3;
    QTest::newRow("phrase excluded")
        << L{"bog"} << L{"\"neka bude\""} << none << false << "" << true << 4;
    QTest::newRow("phrase of short words")
        << L{"\"i bi\""} << none << none << false << "" << false << 1;
    QTest::newRow("phrase as alternative")
        << none << none << L{"“reče bog”", "pastir"} << false << "" << true << 3;
}

void TestSearchIndex::sameVersesAsTheScan() {
    QFETCH(QStringList, required);
    QFETCH(QStringList, excluded);
    QFETCH(QStringList, alternatives);
    QFETCH(bool, folded);
    QFETCH(QString, book);
    QFETCH(bool, narrows);
    QFETCH(int, expected);
    const SearchWords words{required, excluded, alternatives};
    const QStringList codes = book.split(',', Qt::SkipEmptyParts);
    const QString books =
        codes.isEmpty() ? QString() : BuildBookCondition({codes, {true, true}, false}, {});
    QCOMPARE(!IndexCondition(words, folded).isEmpty(), narrows);
    const QStringList scan =
        Places(Connection("scan.mdb"), SearchStatement(words, folded, books, false));
    if (expected >= 0)
        QCOMPARE(scan.size(), expected);
    const QStringList indexed = SearchStatement(words, folded, books, true);
    QCOMPARE(Places(Connection("index.mdb"), indexed), scan);
    QCOMPARE(Places(Connection("jet.mdb"), indexed), scan);
    for (const char* file : {"scan.mdb", "index.mdb", "jet.mdb"}) {
        Query counter;
        counter.setConnectionString(Connection(file));
        QCOMPARE(CountSearch(counter, words, folded, books), scan.size());
    }
    for (const VerseMemory* memory : {memory_.get(), jetMemory_.get()}) {
        QStringList places;
        for (const ResultRow& row : memory->Find(words, folded, codes))
            places << row.Knjiga + ' ' + row.Glava + ':' + row.Rbr;
        QCOMPARE(places, scan);
        QCOMPARE(memory->Count(words, folded, codes), scan.size());
    }
}

void TestSearchIndex::addingTheIndexTwiceRenewsIt() {
    const QString path = dir_.path() + "/baza/index.mdb";
    AddSearchIndex(path);
    Query counter;
    counter.setConnectionString(Connection("index.mdb"));
    QCOMPARE(CountSearch(counter, {{"bog"}, {}, {}}, false, {}), 6);
    QVERIFY_THROWS_EXCEPTION(SearchIndexError, AddSearchIndex(dir_.path() + "/baza/none.mdb"));
}

void TestSearchIndex::countsOnAnotherThread() {
    // A count loads a Jet file on its own thread while the windows' query loads it too.
    ForgetJetImages();
    auto count = std::async(std::launch::async, [this] {
        Query counter;
        counter.setConnectionString(Connection("jet.mdb"));
        return CountSearch(counter, {{"bog"}, {}, {}}, false, {});
    });
    QCOMPARE(Places(Connection("jet.mdb"), {"select * from vidoslov", "where tekst like '%bog%'"})
                 .size(),
             6);
    QCOMPARE(count.get(), 6);
}

void TestSearchIndex::keptTextsFollowTheirFile() {
    // The search reads the file until its texts are in memory, then finds the same there; a
    // rewritten file is read again.
    const QString path = dir_.path() + "/baza/kept.mdb";
    WriteVerseFile(path, Verses);
    SearchRequest request;
    request.file = "kept.mdb";
    request.words.required = {"bog"};
    const auto texts = [](const SearchResult& r) {
        QStringList list;
        for (const ResultRow& row : r.rows)
            list << row.HeadingText() + row.VerseText();
        return list;
    };
    const QStringList read = texts(RunSearch(request, dir_.path() + '/'));
    QCOMPARE(read.size(), 6);
    WaitForKeptVerses();
    QVERIFY(KeptVerses(Connection("kept.mdb")));
    QCOMPARE(texts(RunSearch(request, dir_.path() + '/')), read);
    QFile::remove(path);
    WriteVerseFile(path, Verses.mid(0, 3));
    QCOMPARE(RunSearch(request, dir_.path() + '/').rows.size(), 3u);
    WaitForKeptVerses();
    QCOMPARE(KeptVerses(Connection("kept.mdb"))->Count({{"bog"}, {}, {}}, false, {}), 3);
}

QTEST_GUILESS_MAIN(TestSearchIndex)
#include "tst_searchindex.moc"

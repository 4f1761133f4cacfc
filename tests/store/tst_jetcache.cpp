// The image of a Jet file kept in the cache folder: a later session uses it, and never one that
// no longer matches the file or is damaged.
#include "DataModule.h"
#include "JetCache.h"
#include "JetImage.h"
#include "JetWriter.h"
#include "Query.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QVector<FixtureRow> Verses = {
    {"1 MOJ", 1, 1, "U početku stvori Bog nebo i zemlju.", "."},
    {"PSAL", 23, 1, "GOSPOD je pastir moj, ništa mi neće nedostajati.", "."},
    {"JOVAN", 8, 44, "Ваш је отац ђаво.", "."},
};

} // namespace

class TestJetCache : public QObject {
    Q_OBJECT
private slots:
    void init();
    void laterSessionsUseTheKeptImage_data();
    void laterSessionsUseTheKeptImage();

private:
    // Opens the file as a new session would; the rows found by a search for `word`, and whether
    // the first connection already had the search index (only a kept image has it at once).
    QStringList Search(const QString& word, bool* indexedAtOnce) {
        ForgetJetImages();
        Query q;
        q.setConnectionString(TranslationConnectionString(file_, {}));
        q.addLine("select (select count(*) from sqlite_schema where name='vidoslov_search') as i,"
                  " knjiga from vidoslov where tekst like '%" +
                  word + "%' order by rowid");
        q.open();
        *indexedAtOnce = q.fieldAsText("i") == "1";
        QStringList books;
        for (q.first(); !q.eof(); q.next())
            books << q.fieldAsText("knjiga");
        WaitForJetSearchIndexes();
        return books;
    }
    QTemporaryDir dir_;
    QString file_;
};

void TestJetCache::init() {
    ForgetJetImages();
    QDir(JetCacheFolder()).removeRecursively();
    file_ = dir_.path() + "/t.mdb";
    WriteJetVerseFile(file_, Verses, {.password = "zelmorka"});
}

void TestJetCache::laterSessionsUseTheKeptImage_data() {
    QTest::addColumn<QString>("change"); // what happens between the two sessions
    QTest::addColumn<bool>("kept");      // whether the second session uses the kept image
    QTest::addColumn<QStringList>("found");
    QTest::newRow("nothing") << "" << true << QStringList{"PSAL"};
    QTest::newRow("file rewritten") << "file" << false << QStringList{"MAT"};
    QTest::newRow("image damaged") << "image" << false << QStringList{"PSAL"};
}

void TestJetCache::laterSessionsUseTheKeptImage() {
    QFETCH(QString, change);
    QFETCH(bool, kept);
    QFETCH(QStringList, found);
    bool indexed = true;
    QCOMPARE(Search("pastir", &indexed), QStringList{"PSAL"});
    QVERIFY(!indexed); // read from the file, its image then kept
    const QStringList images = QDir(JetCacheFolder()).entryList(QDir::Files);
    QCOMPARE(images.size(), 1);
    if (change == "file") {
        // Another book name and a later time (the size of a file of whole pages stays).
        QVector<FixtureRow> rows = Verses;
        rows[1].knjiga = "MAT";
        WriteJetVerseFile(file_, rows, {.password = "zelmorka"});
        QFile f(file_);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(60),
                              QFileDevice::FileModificationTime));
    } else if (change == "image") {
        QFile f(JetCacheFolder() + '/' + images[0]);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.seek(f.size() / 2));
        f.write("damage");
    }
    QCOMPARE(Search("pastir", &indexed), found);
    QCOMPARE(indexed, kept);
    QCOMPARE(Search("pastir", &indexed), found); // the renewed image
    QVERIFY(indexed);
}

QTEST_GUILESS_MAIN(TestJetCache)
#include "tst_jetcache.moc"

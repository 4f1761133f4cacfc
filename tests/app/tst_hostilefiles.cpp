// Translation files a user might point the reader at that are not what they should be: each
// gives a message or loads what it can, and the reader stays usable. And no session writes to
// a translation file.
#include "DataModule.h"
#include "Errors.h"
#include "JetWriter.h"
#include "Kvlabel.h"
#include "MainWindow.h"
#include "ProgramFixture.h"
#include "Search.h"
#include "VerseFixture.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtTest>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum Hostile {
    EmptyFile,
    RandomBytes,
    TextFile,
    NoTable,
    MissingColumns,
    NullColumns,
    ExtremeNumbers,
    HugeVerse,
    ManyReferences,
    GarbageReferences,
    Unreadable,
    ViewInsteadOfTable,
    RecursiveView,
    Fifo,
    WalFile,
    SemicolonInFolder,
    PaddedJet,
    GeneratedColumn,
};

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void RunSql(const QString& path, const char* sql) {
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

FixtureRow Row(QVariant verse, QVariant text, QVariant pok = QVariant()) {
    return {QStringLiteral("1 MOJ"), 1, verse, text, pok};
}

void WriteHostile(Hostile kind, const QString& path) {
    QFile::remove(path);
    switch (kind) {
    case EmptyFile:
        return WriteBytes(path, {});
    case RandomBytes: {
        QByteArray bytes(8192, '\0');
        QRandomGenerator random(16);
        for (char& b : bytes)
            b = char(random.bounded(256));
        return WriteBytes(path, bytes);
    }
    case TextFile:
        return WriteBytes(path, "1 MOJ 1:1 U početku.\r\n");
    case NoTable:
        return RunSql(path, "CREATE TABLE drugo (x); INSERT INTO drugo VALUES (1);");
    case MissingColumns:
        return RunSql(path, "CREATE TABLE vidoslov (knjiga, glava, rbr);"
                            "INSERT INTO vidoslov VALUES ('1 MOJ', 1, 1);");
    case NullColumns:
        return WriteVerseFile(path, {Row(QVariant(), QVariant()), {}, Row(2, "Drugi.")});
    case ExtremeNumbers:
        return WriteVerseFile(path, {Row(-7, "Minus."), Row("99999999999999999999", "Veliki."),
                                     Row("zz", "Slova."), Row(1, "Prvi.")});
    case HugeVerse:
        return WriteVerseFile(path, {Row(1, QStringLiteral("reči ").repeated(1 << 18))});
    case ManyReferences: {
        QStringList refs(100000, QStringLiteral("MAT 1:1"));
        return WriteVerseFile(path, {Row(1, "Mnogo.", refs.join(QLatin1Char('|')))});
    }
    case GarbageReferences:
        return WriteVerseFile(path, {Row(1, "Smeće.",
                                         QStringLiteral("|||x|NEMA 1:1|1 MOJ 99:99|1 MOJ 1:|:|MA") +
                                             QChar(0) + QStringLiteral("T 1:1|1 MOJ 1:1"))});
    case Unreadable:
        WriteVerseFile(path, {Row(1, "Zaključano.")});
        QFile::setPermissions(path, {});
        return;
    case ViewInsteadOfTable:
        return RunSql(path, "CREATE TABLE stihovi (knjiga, glava, rbr, tekst, pok);"
                            "INSERT INTO stihovi VALUES ('1 MOJ', 1, 1, 'Pogled.', '');"
                            "CREATE VIEW vidoslov AS SELECT * FROM stihovi;");
    case RecursiveView:
        return RunSql(path, "CREATE VIEW vidoslov AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL "
                            "SELECT x+1 FROM c) SELECT '1 MOJ' AS knjiga, 1 AS glava, x AS rbr, "
                            "'x' AS tekst, '' AS pok FROM c;");
    case Fifo:
        QCOMPARE(mkfifo(path.toUtf8().constData(), 0600), 0);
        return;
    case WalFile:
        WriteVerseFile(path, {Row(1, "Dnevnik.")});
        return RunSql(path, "PRAGMA journal_mode=WAL;");
    case SemicolonInFolder:
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        return WriteVerseFile(path, {Row(1, "Tačka i zarez.")});
    case PaddedJet: { // a sound Jet file with a hole of 300 MB after it
        WriteJetVerseFile(path, {{"1 MOJ", 1, 1, "Rupa.", ""}});
        QFile file(path);
        QVERIFY(file.resize(300LL << 20));
        return;
    }
    case GeneratedColumn: // 30 MB a row, computed anew by every statement
        return RunSql(path, "CREATE TABLE vidoslov (knjiga, glava, rbr, pok, tekst AS "
                            "(printf('%.*c', 30000000, 'x')));"
                            "INSERT INTO vidoslov VALUES ('1 MOJ', 1, 1, '');");
    }
}

} // namespace

class TestHostileFiles : public QObject, private ProgramFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fileGivesAMessageOrItsRows_data();
    void fileGivesAMessageOrItsRows();
    void translationFilesAreNeverWritten();

private:
    // Shows the text in the pane and returns the texts of the error box.
    QStringList show(int pane, const QString& reference);
};

void TestHostileFiles::initTestCase() {
    prepareFolder();
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")),
                   {Row(1, "U početku."), Row(2, "Drugi stih.")});
}

void TestHostileFiles::init() {
    startProgram();
}

void TestHostileFiles::cleanup() {
    program_.reset();
}

QStringList TestHostileFiles::show(int pane, const QString& reference) {
    messages_.clear();
    m()->SetActivePane(pane);
    try {
        m()->ShowReference(reference);
    } catch (const AppError& e) { // what the error box would show
        messages_ << e.text();
    }
    return messages_;
}

void TestHostileFiles::fileGivesAMessageOrItsRows_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message"); // empty: no message
    QTest::addColumn<int>("labels");      // laid out in the pane
    QTest::newRow("empty file") << int(EmptyFile) << "nema tabele vidoslov" << 0;
    QTest::newRow("random bytes") << int(RandomBytes) << "datoteka nije baza podataka" << 0;
    QTest::newRow("text file") << int(TextFile) << "datoteka nije baza podataka" << 0;
    QTest::newRow("no verse table") << int(NoTable) << "nema tabele vidoslov" << 0;
    QTest::newRow("missing columns") << int(MissingColumns) << "Field 'tekst' not found" << 0;
    QTest::newRow("null columns") << int(NullColumns) << "'' is not a valid floating point value"
                                  << 2;
    QTest::newRow("extreme numbers")
        << int(ExtremeNumbers) << "'zz' is not a valid floating point value" << 4;
    QTest::newRow("1 MB verse") << int(HugeVerse) << "" << 1;
    QTest::newRow("100,000 references") << int(ManyReferences) << "" << 100001;
    QTest::newRow("garbage references") << int(GarbageReferences) << "" << 11;
    QTest::newRow("unreadable file") << int(Unreadable) << "datoteka ne može da se otvori" << 0;
    QTest::newRow("view instead of table")
        << int(ViewInsteadOfTable) << "nema tabele vidoslov" << 0;
    QTest::newRow("recursive view") << int(RecursiveView) << "nema tabele vidoslov" << 0;
    QTest::newRow("fifo") << int(Fifo) << "nije obična datoteka" << 0;
    QTest::newRow("WAL file") << int(WalFile) << "" << 1;
    QTest::newRow("folder with ; % ? #") << int(SemicolonInFolder) << "" << 1;
    QTest::newRow("Jet file padded to 300 MB") << int(PaddedJet) << "veća od 256 MB" << 0;
    QTest::newRow("generated column")
        << int(GeneratedColumn) << "nema tabele vidoslov (vidoslov u ovoj datoteci nije obična"
        << 0;
}

void TestHostileFiles::fileGivesAMessageOrItsRows() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(int, labels);
    const QString folder =
        kind == SemicolonInFolder ? folder_ + QStringLiteral("pro;gram %41?#/") : folder_;
    const QString path = folder + QStringLiteral("baza/x.mdb");
    WriteHostile(Hostile(kind), path);
    if (kind == Unreadable && geteuid() == 0) {
        // The superuser reads every file: a folder in its place cannot be read either.
        QFile::remove(path);
        QVERIFY(QDir().mkpath(path));
        message = QStringLiteral("nije obična datoteka");
    }
    const QDir baza(folder + QStringLiteral("baza"));
    const QStringList files = baza.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    TfMain* w = m();
    w->Baze()->Query1.setConnectionString(TranslationConnectionString("x.mdb", folder));

    const QStringList errors = show(1, QStringLiteral("1 MOJ 1:1"));
    if (message.isEmpty()) {
        QCOMPARE(errors, QStringList());
    } else {
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(message) && errors[0].contains(path), qPrintable(errors[0]));
    }
    QCOMPARE(w->Layout().LabelsUsed[1], labels);

    // Every reference either shows its place or gives the standard message, never more.
    for (int k = 2; kind == GarbageReferences && k <= labels; ++k) {
        const QString text = label(1, k)->Tekst();
        show(3, text);
        QVERIFY2(messages_.size() <= 1, qPrintable(text));
        for (const QString& error : messages_)
            QVERIFY2(error.contains("is not a valid integer value") ||
                         error.startsWith("Nepoznata knjiga: "),
                     qPrintable(error));
    }
    // Nothing was written beside the file: no journal, WAL or shared memory.
    QCOMPARE(baza.entryList(QDir::AllEntries | QDir::Hidden | QDir::System), files);
    // The reader goes on with the good file.
    QCOMPARE(show(2, QStringLiteral("1 MOJ 1:2")), QStringList());
    QCOMPARE(label(2, 2)->Tekst(), QStringLiteral("2. Drugi stih."));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QDir().rmdir(path);
    QFile::remove(path);
}

void TestHostileFiles::translationFilesAreNeverWritten() {
    const QString other = dir_.filePath(QStringLiteral("baza/drugi.mdb"));
    WriteVerseFile(other, {Row(1, "Drugi prevod.", "MAT 1:1")});
    const QDir baza(dir_.filePath(QStringLiteral("baza")));
    struct Seen {
        QByteArray hash;
        QDateTime modified;
    };
    const auto look = [&baza] {
        QMap<QString, Seen> seen;
        for (const QFileInfo& info : baza.entryInfoList(QDir::Files | QDir::Hidden)) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                seen[info.fileName()] = {
                    QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256),
                    info.lastModified()};
        }
        return seen;
    };
    // An old time, so that any write would change it.
    for (const QString& name : baza.entryList(QDir::Files)) {
        QFile file(baza.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime(QDate(2020, 1, 1), QTime(12, 0)),
                                 QFileDevice::FileModificationTime));
    }
    const QMap<QString, Seen> before = look();

    TfMain* w = m();
    for (int pane = 1; pane <= 3; ++pane)
        QCOMPARE(show(pane, QStringLiteral("1 MOJ 1:2")), QStringList());
    w->Baze()->Query2.close();
    w->Baze()->Query2.setConnectionString(TranslationConnectionString("drugi.mdb", folder_));
    QCOMPARE(show(2, QStringLiteral("1 MOJ 1:1")), QStringList());
    const std::vector<ResultRow> found =
        RunStatement(TranslationConnectionString(DefaultTranslationFile, folder_),
                     {QStringLiteral("select * from vidoslov where tekst like '%stih%'")});
    QCOMPARE(found.size(), size_t(1));
    program_.reset();

    const QMap<QString, Seen> after = look();
    QCOMPARE(after.keys(), before.keys()); // no journal or other file beside them
    for (auto it = before.begin(); it != before.end(); ++it) {
        QCOMPARE(after[it.key()].hash, it->hash);
        QCOMPARE(after[it.key()].modified, it->modified);
    }
}

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"

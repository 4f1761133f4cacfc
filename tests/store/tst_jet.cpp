// Jet 4 files: the test writer against mdb-export, files made by Access, the Database
// Password, damage, and the shared image.
#include "DataModule.h"
#include "Errors.h"
#include "JetFile.h"
#include "JetImage.h"
#include "JetTable.h"
#include "JetWriter.h"
#include "Query.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

Q_DECLARE_METATYPE(JetWriterOptions)

namespace {

const QString Data = QStringLiteral(JET_TEST_DATA) + '/';

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A table's rows as mdb-export prints them: tab between columns, NULL for null.
QStringList Exported(const QString& file, const QString& table) {
    QProcess p;
    p.start("mdb-export", {"-H", "-Q", "-d", "\t", "-0", "NULL", file, table});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// A table's rows as the reader loads them, in the format Exported() prints.
QStringList Loaded(const QString& file, const QString& table, const QString& password) {
    const std::shared_ptr<const JetImage> image = LoadJetImage(Read(file), password, table);
    const SqliteDatabase owner = image->connect();
    sqlite3* db = owner.get();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, ("select * from " + table).toUtf8().constData(), -1, &stmt, nullptr);
    QStringList rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList cells;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const auto* v = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            cells << (v ? QString::fromUtf8(v) : QString("NULL"));
        }
        rows << cells.join('\t');
    }
    sqlite3_finalize(stmt);
    return rows;
}

// The error text of opening a file with a password.
QString OpenError(const QString& file, const QString& password = "zelmorka") {
    Query q;
    q.setConnectionString("Data Source=" + file + ";Jet OLEDB:Database Password=" + password);
    q.addLine("select * from vidoslov");
    try {
        q.open();
    } catch (const DatabaseError& e) {
        return e.text();
    }
    return {};
}

} // namespace

class JetTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Path(const QString& name) { return dir.path() + '/' + name; }

    // Rows with what the format stores in different ways: compressed and plain texts with
    // mode switches, a character that cannot be compressed, nulls and empty texts, memos in
    // the row, on one page and in chains.
    static QVector<QVector<QVariant>> Rows() {
        const QString longText = QString("Чо-ве-к и žena, ").repeated(700); // > 1 page
        return {
            {1, 1, "1 MOJ", "U početku stvori Bog nebo i zemlju.", "JOVAN 1:1|EVR 11:3"},
            {2, -7, "ПОСТ", "У почетку створи Бог небо и земљу.", QVariant()},
            {3, 300, "OTKR", longText, "."},
            {4, 32767, QVariant(), "", ""},
            {5, 0, "MAT", QString("Ā ends in 00: ") + QChar(0x0100), QString(900, 'x')},
            {6, 1, "RIM", QString(3000, QChar(0x0416)), "RIM 1:1"},
        };
    }

private slots:
    void formatsAreToldByTheirFirstBytes_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<int>("format");
        const QByteArray jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
        const QByteArray ace("\x00\x01\x00\x00Standard ACE DB\x00", 20);
        QTest::newRow("SQLite") << QByteArray("SQLite format 3\0 and more", 25)
                                << int(DatabaseFormat::Sqlite);
        QTest::newRow("Jet 4") << jet + '\x01' << int(DatabaseFormat::Jet4);
        QTest::newRow("Jet 3") << jet + '\x00' << int(DatabaseFormat::OtherJet);
        QTest::newRow("ACE") << ace + '\x02' << int(DatabaseFormat::OtherJet);
        QTest::newRow("cut short") << jet << int(DatabaseFormat::Other);
        QTest::newRow("text") << QByteArray(40, 'x') << int(DatabaseFormat::Other);
    }

    void formatsAreToldByTheirFirstBytes() {
        QFETCH(QByteArray, head);
        QFETCH(int, format);
        QCOMPARE(int(DatabaseFormatOf(head)), format);
    }

    void otherJetVersionsAreRefused() {
        for (char version : {'\x00', '\x02'}) {
            QByteArray bytes = Read(Data + "V2003_no-password.mdb");
            bytes[0x14] = version;
            const QString file = Path("old.mdb");
            Write(file, bytes);
            QCOMPARE(OpenError(file), "Nepoznat oblik baze podataka '" + file + "'.");
        }
    }

    void writerIsReadAsMdbExportReadsIt_data() {
        QTest::addColumn<JetWriterOptions>("options");
        QTest::newRow("plain") << JetWriterOptions{};
        QTest::newRow("password and page key, moved and deleted rows") << JetWriterOptions{
            .password = "zelmorka",
            .pageKey = 0x9E3779B9,
            .movedRows = {5}, // the last: mdb-export lists a moved row where it lies
            .deletedRows = {1, 5}};
        QTest::newRow("uncompressed, short pieces, indirect map") << JetWriterOptions{
            .compress = false, .inlineMemo = 0, .longValuePiece = 1001, .indirectMap = true};
    }

    void writerIsReadAsMdbExportReadsIt() {
        QFETCH(JetWriterOptions, options);
        const QString file = Path("written.mdb");
        WriteJetFile(file, "Table1",
                     {{"ID", JetLong},
                      {"Number", JetInteger},
                      {"Code", JetText, 6},
                      {"Data", JetMemo},
                      {"Refs", JetMemo}},
                     Rows(), options);
        QStringList expected, exported; // mdb-export prints an empty text as null
        for (const QVector<QVariant>& row : Rows()) {
            QStringList cells, printed;
            for (const QVariant& v : row) {
                cells << (v.isNull() ? "NULL" : v.toString());
                printed << (v.toString().isEmpty() ? "NULL" : v.toString());
            }
            expected << cells.join('\t');
            exported << printed.join('\t');
        }
        QCOMPARE(Exported(file, "Table1"), exported);
        QCOMPARE(Loaded(file, "Table1", options.password), expected);
    }

    void accessFilesCheckTheirPassword_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("opens");
        for (const char* file : {"V2000_with-password.mdb", "V2003_with-password.mdb"}) {
            QTest::addRow("%s password", file) << file << "password" << true;
            for (const char* wrong : {"Password", "zelmorka", ""})
                QTest::addRow("%s '%s'", file, wrong) << file << wrong << false;
        }
        for (const char* file : {"V2000_no-password.mdb", "V2003_no-password.mdb"})
            for (const char* any : {"zelmorka", ""})
                QTest::addRow("%s '%s'", file, any) << file << any << true;
    }

    void accessFilesCheckTheirPassword() {
        QFETCH(QString, file);
        QFETCH(QString, password);
        QFETCH(bool, opens);
        const QString path = Data + file;
        if (opens) {
            QCOMPARE(Loaded(path, "Table1", password), Exported(path, "Table1"));
        } else {
            QCOMPARE(OpenError(path, password),
                     "Lozinka baze podataka nije ispravna. (" + path + ")");
        }
    }

    void passwordComesFromTheConnectionString() {
        QCOMPARE(DatabasePasswordOf(TranslationConnectionString("vidl.mdb", "/p/")), "zelmorka");
        QCOMPARE(DatabasePasswordOf("Data Source=x;jet oledb:database password=a b;X=1"), "a b");
        QCOMPARE(DatabasePasswordOf("Data Source=x"), QString());
        QCOMPARE(DatabasePasswordOf("Jet OLEDB:Database Password=\"a;\"\"b\";X=1"), "a;\"b");
        // A program folder whose path reads like a password is the data source's, not one.
        QCOMPARE(DatabasePasswordOf(
                     TranslationConnectionString("vidl.mdb", "/p/Jet OLEDB:Database Password=x/")),
                 "zelmorka");
        // Checked on every open, also once the file's image is loaded.
        const QString file = Path("secret.mdb");
        WriteJetVerseFile(file, {{"MAT", 1, 1, "Tekst", ""}}, {.password = "tajna"});
        QCOMPARE(OpenError(file, "tajna"), QString());
        QCOMPARE(OpenError(file, "zelmorka"),
                 "Lozinka baze podataka nije ispravna. (" + file + ")");
    }

    void damageIsAnErrorNamingTheFile_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("detail");
        QTest::newRow("cut inside a page") << "cut 6000"
                                           << "završava usred stranice 1";
        QTest::newRow("cut to the header") << "cut 4096"
                                           << "stranica 2 je van datoteke";
        QTest::newRow("last page cut off") << "cut -4096"
                                           << "van datoteke";
        QTest::newRow("zeroed data page") << "zero data"
                                          << "ima 0 redova, njena definicija navodi 3";
        QTest::newRow("broken memo chain") << "chain"
                                           << "memo";
        QTest::newRow("row count") << "count"
                                   << "ima 3 redova, njena definicija navodi 4";
        QTest::newRow("row outside its page") << "offset"
                                              << "je van svoje stranice";
    }

    void damageIsAnErrorNamingTheFile() {
        QFETCH(QString, damage);
        QFETCH(QString, detail);
        const QString file = Path("damaged.mdb");
        const JetWriterLayout layout =
            WriteJetVerseFile(file,
                              {{"MAT", 1, 1, "Kratak", ""},
                               {"MAT", 1, 2, QString(50, 'a'), ""},
                               {"MAT", 1, 3, "Kratak", ""}},
                              {.inlineMemo = 10, .longValuePiece = 20, .movedRows = {2}});
        QByteArray bytes = Read(file);
        const QStringList how = damage.split(' ');
        if (how[0] == "cut") {
            const int at = how[1].toInt();
            bytes.truncate(at > 0 ? at : bytes.size() + at);
        } else if (how[0] == "zero") {
            bytes.replace(qsizetype(layout.dataPages.front()) * JetPageSize, JetPageSize,
                          QByteArray(JetPageSize, '\0'));
        } else if (how[0] == "chain") {
            // the second piece of the chain points back at the first
            const qsizetype second = qsizetype(layout.longValuePages[1]) * JetPageSize;
            const quint32 first = layout.longValuePages[2] << 8;
            const qsizetype row =
                second + (uchar(bytes[second + 14]) | uchar(bytes[second + 15]) << 8);
            bytes[row] = char(first);
            bytes[row + 1] = char(first >> 8);
            bytes[row + 2] = char(first >> 16);
        } else if (how[0] == "count") {
            bytes[qsizetype(layout.tableDefinition) * JetPageSize + 16] = 4;
        } else if (how[0] == "offset") {
            bytes[qsizetype(layout.dataPages.front()) * JetPageSize + 15] = 0x1F;
        }
        Write(file, bytes);
        const QString text = OpenError(file);
        QVERIFY2(text.startsWith("Nepoznat oblik baze podataka '" + file + "'. ("),
                 qPrintable(text));
        QVERIFY2(text.contains(detail), qPrintable(text));
    }

    // A file is read at the size it had when opened: one that grows or shrinks meanwhile (a
    // copy in progress) is refused.
    void aFileIsReadAtTheSizeSeenAtOpen() {
        QByteArray bytes;
        for (const auto& [size, reads] : {std::pair{8, true}, {6, false}, {9, false}}) {
            QBuffer file;
            file.setData("12345678");
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(ReadWholeFile(file, size, bytes), reads);
        }
    }

    void openersShareOneImageUntilTheFileChanges() {
        const QString file = Path("shared.mdb");
        WriteJetVerseFile(file, {{"MAT", 1, 1, "Prvi", ""}});
        Query a, b;
        for (Query* q : {&a, &b}) {
            q->setConnectionString("Data Source=" + file);
            q->addLine("select tekst from vidoslov");
            q->open();
        }
        QCOMPARE(b.fieldAsText("tekst"), QString("Prvi"));
        QTest::qSleep(20); // a later modification time
        WriteJetVerseFile(file, {{"MAT", 1, 1, "Drugi", ""}, {"MAT", 1, 2, "Treći", ""}});
        Query c;
        c.setConnectionString("Data Source=" + file);
        c.addLine("select tekst from vidoslov");
        c.open();
        QCOMPARE(c.recordCount(), 2);
        a.open(); // the connection keeps the image it opened
        QCOMPARE(a.fieldAsText("tekst"), QString("Prvi"));
    }
};

QTEST_GUILESS_MAIN(JetTest)
#include "tst_jet.moc"

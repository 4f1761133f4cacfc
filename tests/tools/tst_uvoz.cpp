// The importer on the installed SWORD modules, and the vidoslov-uvoz program itself.
#include "BookCatalogue.h"
#include "DataModule.h"
#include "ImportError.h"
#include "ImportRules.h"
#include "Importer.h"
#include "Query.h"
#include "SwordLibrary.h"
#include "TranslationList.h"
#include "VerseFileWriter.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <rawtext.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <zipcomprs.h>
#include <ztext.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct Run {
    int exitCode = -1;
    QString out, err;
};

} // namespace

class UvozTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString folder; // program folder with baza/kjv.mdb and baza/vidl.mdb

    // Opens a statement on a translation file of the program folder.
    void Open(Query& q, const QString& file, const QString& sql) {
        q.setConnectionString(TranslationConnectionString(file, folder));
        q.clearSql();
        q.addLine(sql);
        q.open();
    }

    QString Value(const QString& file, const QString& sql) {
        Query q;
        Open(q, file, sql);
        return q.eof() ? QString() : q.fieldAsText("v");
    }

    QString Verse(const QString& file, const QString& code, int chapter, int verse,
                  const char* column = "tekst") {
        return Value(file, QStringLiteral("select %1 as v from vidoslov where knjiga='%2' and "
                                          "glava=%3 and rbr=%4")
                               .arg(column, code)
                               .arg(chapter)
                               .arg(verse));
    }

    static Run Importer(const QStringList& args, const QString& swordPath = {},
                        const QString& dataHome = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!swordPath.isEmpty())
            env.insert("SWORD_PATH", swordPath);
        if (!dataHome.isEmpty())
            env.insert("XDG_DATA_HOME", dataHome);
        p.setProcessEnvironment(env);
        p.start(UVOZ_PATH, args);
        p.waitForFinished(60000);
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromLocal8Bit(p.readAllStandardOutput()),
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

    // A module folder for SWORD_PATH with a dictionary and a Bible module without text.
    QString FakeModules() {
        const QString root = dir.path() + "/fake-sword";
        QDir(root).mkpath("mods.d");
        WriteAll(root + "/mods.d/lexfake.conf",
                 "[LexFake]\nDataPath=./modules/lexdict/rawld/lexfake/lexfake\nModDrv=RawLD\n"
                 "Description=A dictionary\n");
        WriteAll(root + "/mods.d/emptybible.conf",
                 "[EmptyBible]\nDataPath=./modules/texts/rawtext/emptybible/\nModDrv=RawText\n"
                 "SourceType=OSIS\nEncoding=UTF-8\nDescription=A Bible without text\n");
        return root;
    }

    // A module folder with one OSIS module whose words carry Strong's numbers and morphology
    // and whose .conf names no filter for them: Matthew 1:1 and 1:2.
    QString MarkedUpModule() {
        const QString root = dir.path() + "/marked-up";
        const QString data = root + "/modules/texts/rawtext/marked/";
        QDir(root).mkpath("mods.d");
        QDir().mkpath(data);
        WriteAll(root + "/mods.d/marked.conf",
                 "[MarkedUp]\nDataPath=./modules/texts/rawtext/marked/\nModDrv=RawText\n"
                 "SourceType=OSIS\nEncoding=UTF-8\nDescription=Marked-up words\n");
        const QByteArray verses[] = {
            "<w lemma=\"strong:G976\" morph=\"robinson:N-NSF\">Book</w> <w "
            "lemma=\"strong:G1078\" morph=\"robinson:N-GSF\">of the generation</w> of Jesus.",
            "<w lemma=\"strong:G11 strong:G1080\" morph=\"robinson:V-AAI-3S\">Abraham begat</w> "
            "Isaac<w lemma=\"strong:G3588\"/>."};
        // The New Testament's index: the module's heading, the testament's, Matthew's, chapter
        // 1's, then the verses.
        QByteArray text, index(4 * 6, '\0');
        for (const QByteArray& verse : verses) {
            const quint32 at = quint32(text.size());
            const quint16 size = quint16(verse.size());
            index.append(reinterpret_cast<const char*>(&at), 4);
            index.append(reinterpret_cast<const char*>(&size), 2);
            text += verse;
        }
        WriteAll(data + "nt", text);
        WriteAll(data + "nt.vss", index);
        WriteAll(data + "ot", "");
        WriteAll(data + "ot.vss", "");
        return root;
    }

private slots:
    void initTestCase() {
        SwordLibrary library;
        if (!library.isBible("engKJV2006eb") || !library.isBible("engWEB2015eb"))
            QSKIP("the SWORD modules engKJV2006eb and engWEB2015eb are not installed");
        folder = dir.path() + "/program/";
        const ImportCounts kjv =
            ImportModule(library, "engKJV2006eb", folder, "kjv.mdb", "King James Version (1769)");
        QCOMPARE(kjv.books, 66);
        QCOMPARE(kjv.verses, 31102);
        const ImportCounts web =
            ImportModule(library, "engWEB2015eb", folder, "vidl.mdb", "World English Bible");
        QCOMPARE(web.books, 66);
        QVERIFY(web.references > 300);
    }

    void kjvHoldsTheWholeCanonInOrder() {
        QCOMPARE(Value("kjv.mdb", "select count(*) as v from vidoslov"), QString("31102"));
        Query q;
        Open(q, "kjv.mdb", "select knjiga, glava, rbr from vidoslov order by rowid");
        int book = 1, chapter = 0, verse = 0, rows = 0;
        for (q.first(); !q.eof(); q.next(), ++rows) {
            const QString code = q.fieldAsText("knjiga");
            const int c = q.fieldAsText("glava").toInt(), v = q.fieldAsText("rbr").toInt();
            if (code != QString::fromUtf8(BookCatalogue::Codes[book - 1])) {
                ++book;
                QVERIFY2(book <= 66 && code == QString::fromUtf8(BookCatalogue::Codes[book - 1]),
                         qPrintable(code));
                QCOMPARE(c, 1);
                QCOMPARE(v, 1);
            } else if (rows > 0) {
                QVERIFY2(c > chapter || (c == chapter && v == verse + 1),
                         qPrintable(QStringLiteral("%1 %2:%3").arg(code).arg(c).arg(v)));
            }
            chapter = c;
            verse = v;
        }
        QCOMPARE(book, 66);
    }

    void kjvChaptersAndVerses() {
        Query q;
        const auto count = [&](const QString& code, int chapter) {
            int rows = 0;
            LoadChapter("vidoslov", code, chapter, q, [&](Query& r) { rows = r.recordCount(); });
            return rows;
        };
        q.setConnectionString(TranslationConnectionString("kjv.mdb", folder));
        QCOMPARE(count("1 MOJ", 1), 31);
        QCOMPARE(count("PSAL", 119), 176);
        QCOMPARE(count("psal", 117), 2);
        QVERIFY(Verse("kjv.mdb", "JOVAN", 3, 16).startsWith("For God so loved the world"));
        QCOMPARE(Verse("kjv.mdb", "1 MOJ", 1, 1),
                 QString("In the beginning God created the heaven and the earth."));
        // Psalm titles are headings, not verse text.
        QCOMPARE(Verse("kjv.mdb", "PSAL", 3, 1),
                 QString("LORD, how are they increased that trouble me! many are they that rise "
                         "up against me."));
        QCOMPARE(Verse("kjv.mdb", "OTKR", 22, 21),
                 QString("The grace of our Lord Jesus Christ be with you all. Amen."));
    }

    void textsArePlain() {
        for (const char* file : {"kjv.mdb", "vidl.mdb"}) {
            QCOMPARE(Value(file, "select count(*) as v from vidoslov where tekst like '%<%' or "
                                 "tekst like '%>%' or tekst like '%strong:h%' or tekst like "
                                 "'%strong:g%' or tekst like '%¶%' "
                                 "or tekst like '%  %' or tekst like ' %' or tekst like '% ' or "
                                 "tekst = '' or tekst is null or pok is null"),
                     QString("0"));
        }
        // The WEB module's footnote markers stood between words.
        QCOMPARE(Verse("vidl.mdb", "1 MOJ", 1, 1),
                 QString("In the beginning, God created the heavens and the earth."));
        QVERIFY(Verse("vidl.mdb", "JOVAN", 3, 16).contains("his only born Son, that"));
        // No glossary after the last verse, no psalm titles.
        QCOMPARE(Verse("vidl.mdb", "OTKR", 22, 21),
                 QString("The grace of the Lord Jesus Christ be with all the saints. Amen."));
        QVERIFY(Verse("vidl.mdb", "PSAL", 119, 1).startsWith("Blessed"));
    }

    // Word numbers and morphology never reach the text, whatever the module's .conf names.
    void wordMarkupLeavesTheText() {
        const QString target = dir.path() + "/marked/";
        const Run run = Importer({"-d", target, "-m", MarkedUpModule(), "MarkedUp", "m.mdb", "M"});
        QCOMPARE(run.exitCode, 0);
        const auto restore = qScopeGuard([this, saved = folder] { folder = saved; });
        folder = target;
        QCOMPARE(Verse("m.mdb", "MAT", 1, 1), QString("Book of the generation of Jesus."));
        QCOMPARE(Verse("m.mdb", "MAT", 1, 2), QString("Abraham begat Isaac."));
    }

    void crossReferencesAreCatalogueReferences() {
        QCOMPARE(Value("kjv.mdb", "select count(*) as v from vidoslov where pok <> ''"),
                 QString("0"));
        Query q;
        Open(q, "vidl.mdb", "select pok from vidoslov where pok <> ''");
        QVERIFY(q.recordCount() > 300);
        for (q.first(); !q.eof(); q.next())
            for (const QString& ref : q.fieldAsText("pok").split('|'))
                QVERIFY2(IsCatalogueReference(ref), qPrintable(ref));
        QCOMPARE(Verse("vidl.mdb", "MAT", 3, 3, "pok"), QString("ISA 40:3"));
        // "See Isaiah 9:1; Matthew 4:13-16"; "Exodus 20:13-15,17; Deuteronomy 5:17-19,21; ..."
        QCOMPARE(Verse("vidl.mdb", "JOVAN", 7, 52, "pok"), QString("ISA 9:1|MAT 4:13"));
        QCOMPARE(Verse("vidl.mdb", "RIM", 13, 9, "pok"),
                 QString("2 MOJ 20:13|2 MOJ 20:17|5 MOJ 5:17|5 MOJ 5:21|3 MOJ 19:18"));
        QVERIFY(Value("vidl.mdb", "select count(*) as v from vidoslov where knjiga='RIM' and "
                                  "pok <> ''")
                    .toInt() > 10);
        // "Isaiah 40:3-5" keeps its first verse.
        QCOMPARE(Verse("vidl.mdb", "LUKA", 3, 6, "pok"), QString("ISA 40:3"));
    }

    void webHasOnlyTheSixtySixBooks() {
        QStringList codes;
        for (const char* code : BookCatalogue::Codes)
            codes << QStringLiteral("'%1'").arg(QString::fromUtf8(code));
        QCOMPARE(Value("vidl.mdb", "select count(*) as v from vidoslov where knjiga not in (" +
                                       codes.join(',') + ")"),
                 QString("0"));
        QCOMPARE(Value("vidl.mdb", "select count(distinct knjiga) as v from vidoslov"),
                 QString("66"));
        QVERIFY(Value("vidl.mdb", "select count(*) as v from vidoslov").toInt() > 31000);
    }

    void theListNamesBothTranslations() {
        const QByteArray list = ReadAll(folder + "vidoslov.kv");
        QCOMPARE(list, QByteArray("kjv.mdb             King James Version (1769)\r\n"
                                  "vidl.mdb            World English Bible\r\n"));
        // Importing again replaces the line where it stands.
        SwordLibrary library;
        ImportModule(library, "engKJV2006eb", folder, "kjv.mdb", "KJV");
        QCOMPARE(
            ReadAll(folder + "vidoslov.kv"),
            QByteArray("kjv.mdb             KJV\r\nvidl.mdb            World English Bible\r\n"));
        QCOMPARE(QDir(folder + "baza").entryList(QDir::Files),
                 (QStringList{"kjv.mdb", "vidl.mdb"}));
    }

    void theProgramExplainsAndLists() {
        const Run help = Importer({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("vidoslov-uvoz [--folder FOLDER | --system] [OPTIONS] MODULE"));
        const Run list = Importer({"--list"});
        QCOMPARE(list.exitCode, 0);
        QVERIFY(list.out.contains("engKJV2006eb - King James Version"));
        QVERIFY(list.out.contains("engWEB2015eb - "));
        const QString none = dir.path() + "/no-modules";
        QDir(none).mkpath("mods.d");
        const Run empty = Importer({"--list"}, none);
        QCOMPARE(empty.exitCode, 0);
        QVERIFY(empty.out.isEmpty());
        QVERIFY(empty.err.contains("No SWORD Bible module"));
        QCOMPARE(Importer({"engKJV2006eb", "kjv.mdb"}).exitCode, int(ExitUsage));
        QCOMPARE(Importer({"--bogus"}).exitCode, int(ExitUsage));
    }

    // Without --folder the user's own folder, from a module archive, with the collection's
    // cross references; --remove takes the translation out again.
    void theUsersFolderByDefaultAndRemove() {
        const QString home = dir.path() + "/home";
        const QString user = home + "/vidoslov/";
        const Run run = Importer({"-m", SWORD_ZIP, "SrKDIjekav", "srk.mdb", "Srpski"}, {}, home);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadAll(user + "vidoslov.kv"), QByteArray("srk.mdb             Srpski\r\n"));
        QVERIFY(run.out.contains("verses got cross references"));
        QCOMPARE(Importer({"--remove", "srk.mdb"}, {}, home).exitCode, 0);
        QCOMPARE(ReadAll(user + "vidoslov.kv"), QByteArray());
        QVERIFY(QDir(user + "baza").isEmpty());
        QCOMPARE(Importer({"--remove", "srk.mdb"}, {}, home).exitCode, int(ExitUsage));
        QCOMPARE(Importer({"--system", "-d", user, "--remove", "x.mdb"}).exitCode, int(ExitUsage));
    }

    void theProgramRefusesWhatItCannotDo() {
        const QString target = dir.path() + "/refused/";
        const Run unknown = Importer({"-d", target, "noSuchModule", "x.mdb", "X"});
        QCOMPARE(unknown.exitCode, int(ExitUnknownModule));
        QVERIFY(unknown.err.contains("noSuchModule"));
        QVERIFY(unknown.err.contains("engKJV2006eb"));
        const Run longName = Importer({"-d", target, "engKJV2006eb", "abcdefghijklmnopq.mdb", "X"});
        QCOMPARE(longName.exitCode, int(ExitUsage));
        QVERIFY(longName.err.contains("longer than 20"));
        QVERIFY(!QDir(target).exists());

        const QString modules = FakeModules();
        const Run lexicon = Importer({"-d", target, "LexFake", "x.mdb", "X"}, modules);
        QCOMPARE(lexicon.exitCode, int(ExitNotBible));
        QVERIFY(lexicon.err.contains("not a Bible text"));

        // A program folder whose baza is a file cannot take the translation.
        const QString blocked = dir.path() + "/blocked/";
        QDir().mkpath(blocked);
        WriteAll(blocked + "baza", "not a folder");
        const Run cannot = Importer({"-d", blocked, "engKJV2006eb", "kjv.mdb", "KJV"});
        QCOMPARE(cannot.exitCode, int(ExitCannotWrite));
        QVERIFY(cannot.err.contains("baza"));
    }

    void aMissingModuleFolderOrReferenceFileIsRefused() {
        const QString target = dir.path() + "/unread/";
        const Run modules = Importer({"-d", target, "-m", dir.path() + "/nowhere", "--list"});
        QCOMPARE(modules.exitCode, int(ExitUsage));
        QVERIFY(modules.err.contains("nowhere"));
        const Run refs = Importer(
            {"-d", target, "--references-from", target + "none.mdb", "engKJV2006eb", "x.mdb", "X"});
        QCOMPARE(refs.exitCode, int(ExitUsage));
        QVERIFY(refs.err.contains("none.mdb"));
        QVERIFY(!QDir(target).exists());
        // A view without end in place of the verse table is refused, not read forever.
        const QString view = dir.path() + "/view.mdb";
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(view.toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db,
                              "CREATE VIEW vidoslov AS WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL "
                              "SELECT x+1 FROM c) SELECT 'MAT' AS knjiga, 1 AS glava, x AS rbr, "
                              "'x' AS tekst, 'MAT 1:1' AS pok FROM c",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
        const Run looping =
            Importer({"-d", target, "--references-from", view, "engKJV2006eb", "x.mdb", "X"});
        QCOMPARE(looping.exitCode, int(ExitUsage));
        QVERIFY2(looping.err.contains(view) && looping.err.contains("nema tabele"),
                 qPrintable(looping.err));
    }

    // References to verses the translation does not hold, and those of verses it does not hold,
    // are left out and counted.
    void crossReferencesComeFromACollection() {
        const QString target = dir.path() + "/collection/";
        QDir().mkpath(target);
        WriteAll(target + "refs.tsv", "gen 1:1\texo 20:11;mal 4:7\n"
                                      "mat 4:4\tdeu 8:3\n"
                                      "3jn 1:15\tgen 1:1\n");
        const Run run = Importer({"-d", target, "--cross-references", target + "refs.tsv",
                                  "engKJV2006eb", "kjv.mdb", "KJV"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("2 verses got cross references; 2 references of the collection "
                                  "were left out"),
                 qPrintable(run.out));
        const QString saved = folder;
        folder = target;
        QCOMPARE(Verse("kjv.mdb", "1 MOJ", 1, 1, "pok"), QString("2 MOJ 20:11"));
        QCOMPARE(Verse("kjv.mdb", "MAT", 4, 4, "pok"), QString("5 MOJ 8:3"));
        folder = saved;
    }

    void aCollectionItCannotReadLeavesTheOldFiles() {
        const QString target = dir.path() + "/badcollection/";
        QDir().mkpath(target + "baza");
        WriteAll(target + "baza/x.mdb", "the old translation");
        WriteAll(target + "vidoslov.kv", "x.mdb               Old\r\n");
        WriteAll(target + "refs.tsv", "gen 1:1\texo 20:11\nmat 4:4\tdeu 8:3;xyz 1:1\n");
        const Run bad = Importer({"-d", target, "--cross-references", target + "refs.tsv",
                                  "engKJV2006eb", "x.mdb", "New"});
        QCOMPARE(bad.exitCode, int(ExitUsage));
        QVERIFY2(bad.err.contains("refs.tsv, line 2: unknown book code \"xyz\""),
                 qPrintable(bad.err));
        const Run both =
            Importer({"-d", target, "--cross-references", target + "refs.tsv", "--references-from",
                      target + "baza/x.mdb", "engKJV2006eb", "x.mdb", "New"});
        QCOMPARE(both.exitCode, int(ExitUsage));
        QCOMPARE(ReadAll(target + "baza/x.mdb"), QByteArray("the old translation"));
        QCOMPARE(ReadAll(target + "vidoslov.kv"), QByteArray("x.mdb               Old\r\n"));
        QCOMPARE(QDir(target + "baza").entryList(QDir::Files | QDir::Hidden), QStringList{"x.mdb"});
    }

    void aFailedImportLeavesTheOldFile() {
        const QString target = dir.path() + "/kept/";
        QDir().mkpath(target + "baza");
        WriteAll(target + "baza/x.mdb", "the old translation");
        WriteAll(target + "vidoslov.kv", "x.mdb               Old\r\n");
        const Run empty = Importer({"-d", target, "EmptyBible", "x.mdb", "New"}, FakeModules());
        QCOMPARE(empty.exitCode, int(ExitNoText));
        QCOMPARE(ReadAll(target + "baza/x.mdb"), QByteArray("the old translation"));
        QCOMPARE(ReadAll(target + "vidoslov.kv"), QByteArray("x.mdb               Old\r\n"));
        QCOMPARE(QDir(target + "baza").entryList(QDir::Files | QDir::Hidden), QStringList{"x.mdb"});
    }

    // Inputs that would block the importer or feed it without end, module data cut short or
    // in another encoding than its configuration names, and a list that cannot be written end
    // the import with a message, the old file and list kept.
    void damagedOrEndlessInputsFailTheImport_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("FIFO as the collection")
            << "fifo-refs" << int(ExitUsage) << "nije obična datoteka";
        QTest::newRow("device as the collection")
            << "/dev/zero" << int(ExitUsage) << "/dev/zero: to nije obična datoteka";
        QTest::newRow("FIFO among the configurations")
            << "fifo-conf" << int(ExitDamaged) << "fifo.conf: to nije obična datoteka";
        QTest::newRow("module data cut short")
            << "cut" << int(ExitDamaged) << "Podaci modula \"Damaged\" su oštećeni (Gen 1:2)";
        QTest::newRow("module data cut inside its last verse")
            << "cut-last" << int(ExitDamaged) << "(Gen 1:3): datoteke modula su kraće";
        QTest::newRow("packed module data cut short")
            << "packed-cut" << int(ExitDamaged) << "(Gen 2:1): datoteke modula su kraće";
        QTest::newRow("UTF-8 text declared Latin-1")
            << "Latin-1" << int(ExitDamaged) << "(Gen 1:1): tekst je u kodiranju UTF-8";
        QTest::newRow("Latin-1 text declared UTF-8")
            << "UTF-8" << int(ExitDamaged) << "(Gen 1:1): tekst stiha nije ispravan UTF-8";
        QTest::newRow("list that is a folder")
            << "list" << int(ExitCannotWrite) << "vidoslov.kv: to nije obična datoteka";
    }
    void damagedOrEndlessInputsFailTheImport() {
        QFETCH(QString, input);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString target = dir.path() + "/damaged/";
        QDir(target).removeRecursively();
        QDir().mkpath(target + "baza");
        WriteAll(target + "baza/x.mdb", "the old translation");
        const QByteArray oldList = "x.mdb               Old\r\n";
        if (input == "list")
            QDir().mkpath(target + "vidoslov.kv");
        else
            WriteAll(target + "vidoslov.kv", oldList);
        // A Bible of three verses, plain or packed by chapters.
        const QString modules = target + "sword";
        const QString data = modules + "/modules/texts/damaged/";
        QDir().mkpath(data);
        QDir().mkpath(modules + "/mods.d");
        const bool misnamed = input.endsWith("-1") || input.endsWith("-8");
        const bool packed = input == "packed-cut";
        WriteAll(modules + "/mods.d/damaged.conf",
                 "[Damaged]\nDataPath=./modules/texts/damaged/\nSourceType=Plain\nModDrv=" +
                     QByteArray(packed ? "zText\nCompressType=ZIP" : "RawText") +
                     "\nEncoding=" + (misnamed ? input.toUtf8() : "UTF-8") + "\n");
        // Under a wrong name of its encoding the text is Serbian in UTF-8, or French in Latin-1.
        const QByteArray text = input == "Latin-1" ? "У почетку створи Бог небо и земљу."
                                : input == "UTF-8" ? "Au commencement, Dieu cr\xe9"
                                                     "a le ciel."
                                                   : "In the beginning.";
        const QByteArray path = data.toUtf8();
        std::unique_ptr<sword::SWModule> module;
        if (packed) {
            QCOMPARE(sword::zText::createModule(path.constData(), CHAPTERBLOCKS), char(0));
            module = std::make_unique<sword::zText>(path.constData(), nullptr, nullptr,
                                                    CHAPTERBLOCKS, new sword::ZipCompress);
        } else {
            QCOMPARE(sword::RawText::createModule(path.constData()), char(0));
            module = std::make_unique<sword::RawText>(path.constData());
        }
        for (const char* place : {"Gen 1:1", "Gen 1:2", packed ? "Gen 2:1" : "Gen 1:3"}) {
            module->setKey(place);
            module->setEntry(text.constData());
        }
        module.reset();
        QStringList args{"-d", target, "-m", modules, "Damaged", "x.mdb", "New"};
        if (input.startsWith("cut")) {
            QVERIFY(QFile::resize(data + "ot", input == "cut" ? 20 : 45));
        } else if (packed) { // the second chapter's block loses its last bytes
            QVERIFY(QFile::resize(data + "ot.czz", QFileInfo(data + "ot.czz").size() - 3));
        } else if (input == "fifo-conf") {
            QCOMPARE(mkfifo(QFile::encodeName(modules + "/mods.d/fifo.conf"), 0600), 0);
        } else if (!misnamed && input != "list") {
            const QString refs = input.startsWith('/') ? input : target + input;
            if (!input.startsWith('/'))
                QCOMPARE(mkfifo(QFile::encodeName(refs), 0600), 0);
            args = QStringList{"--cross-references", refs} + args;
        }
        const Run run = Importer(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(ReadAll(target + "baza/x.mdb"), QByteArray("the old translation"));
        if (input != "list")
            QCOMPARE(ReadAll(target + "vidoslov.kv"), oldList);
        QCOMPARE(QDir(target + "baza").entryList(QDir::Files | QDir::Hidden), QStringList{"x.mdb"});
    }

    void aWriterDroppedBeforeCommitLeavesNothingBehind() {
        const QString target = dir.path() + "/dropped/";
        QDir().mkpath(target);
        WriteAll(target + "y.mdb", "old");
        {
            VerseFileWriter writer(target + "y.mdb");
            writer.add("MAT", 1, 1, "text", "");
        }
        QCOMPARE(ReadAll(target + "y.mdb"), QByteArray("old"));
        QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden), QStringList{"y.mdb"});
        {
            VerseFileWriter writer(target + "y.mdb");
            writer.add("MAT", 1, 1, "text", "ISA 40:3");
            writer.commit();
        }
        QCOMPARE(QDir(target).entryList(QDir::Files | QDir::Hidden), QStringList{"y.mdb"});
        QVERIFY(ReadAll(target + "y.mdb").startsWith("SQLite format 3"));
    }
};

QTEST_GUILESS_MAIN(UvozTest)
#include "tst_uvoz.moc"

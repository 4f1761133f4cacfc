// Reminder list files: reading, writing and safe saving.
#include "IzborFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

class IzborFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString Path(const QString& name) const { return dir.filePath(name); }

    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

private slots:
    void parse_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("crlf") << QByteArray("1 MOJ 10:5\r\nRIM 3:7\r\n")
                              << QStringList{"1 MOJ 10:5", "RIM 3:7"};
        QTest::newRow("lf only") << QByteArray("A 1:1\nB 2:2\nC 3:3\n")
                                 << QStringList{"A 1:1", "B 2:2", "C 3:3"};
        QTest::newRow("lone cr") << QByteArray("A 1:1\rB 2:2") << QStringList{"A 1:1", "B 2:2"};
        QTest::newRow("mixed endings")
            << QByteArray("A\r\nB\nC\rD") << QStringList{"A", "B", "C", "D"};
        QTest::newRow("empty line skipped")
            << QByteArray("A 1:1\r\n\r\nB 2:2\r\n") << QStringList{"A 1:1", "B 2:2"};
        QTest::newRow("empty lines at both ends") << QByteArray("\nA\n\n") << QStringList{"A"};
        QTest::newRow("no final break") << QByteArray("A 1:1") << QStringList{"A 1:1"};
        QTest::newRow("lone line break") << QByteArray("\r\n") << QStringList();
        QTest::newRow("nul ends the text")
            << QByteArray("A 1:1\r\nB 2", 11) + QByteArray("\0:2\r\nC 3:3\r\n", 12)
            << QStringList{"A 1:1", "B 2"};
        QTest::newRow("nul first") << QByteArray("\0A\r\n", 4) << QStringList();
        // 0xE8 is "č" in Windows-1250; 0x8A "Š".
        QTest::newRow("windows-1250")
            << QByteArray("PRI\xe8"
                          "E 1:1\r\n\x8a"
                          "UMA 2:3\r\n")
            << QStringList{QStringLiteral("PRIčE 1:1"), QStringLiteral("ŠUMA 2:3")};
    }
    void parse() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, entries);
        QCOMPARE(ParseIzbor(bytes), entries);
    }

    void build() {
        QCOMPARE(BuildIzbor({}), QByteArray());
        QCOMPARE(BuildIzbor({""}), QByteArray("\r\n"));
        QCOMPARE(BuildIzbor({QStringLiteral("PRIčE 1:1"), "", "RIM 3:7"}),
                 QByteArray("PRI\xe8"
                            "E 1:1\r\n\r\nRIM 3:7\r\n"));
    }

    void roundTripByteForByte() {
        const QStringList entries{"1 MOJ 10:5", QStringLiteral("PRIčE 3:4"), "1 MOJ 10:5",
                                  "RIM 3:7"};
        const QString path = Path("lista.Izbor");
        QString error;
        QVERIFY(SaveIzbor(path, entries, &error));
        const QByteArray expected("1 MOJ 10:5\r\nPRI\xe8"
                                  "E 3:4\r\n1 MOJ 10:5\r\nRIM 3:7\r\n");
        QCOMPARE(Read(path), expected);

        QStringList loaded{"stale"};
        QVERIFY(LoadIzbor(path, &loaded, &error));
        QCOMPARE(loaded, entries);

        // Saving what was loaded gives the same bytes again.
        QVERIFY(SaveIzbor(path, loaded, &error));
        QCOMPARE(Read(path), expected);
    }

    void saveReplacesAndEmptyListGivesEmptyFile() {
        const QString path = Path("prazna.Izbor");
        Write(path, "OLD 1:1\r\nOLD 2:2\r\n");
        QString error;
        QVERIFY(SaveIzbor(path, {}, &error));
        QVERIFY(QFile::exists(path));
        QCOMPARE(Read(path), QByteArray());
        QStringList loaded{"stale"};
        QVERIFY(LoadIzbor(path, &loaded, &error));
        QVERIFY(loaded.isEmpty());
    }

    void saveIntoMissingFolderFails() {
        const QString path = Path("nema/lista.Izbor");
        QString error;
        QVERIFY(!SaveIzbor(path, {"A 1:1"}, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path));
    }

    void saveOverFolderFailsAndKeepsIt() {
        const QString path = Path("fascikla.Izbor");
        QVERIFY(QDir(dir.path()).mkpath("fascikla.Izbor"));
        Write(path + "/unutra.txt", "keep");
        QString error;
        QVERIFY(!SaveIzbor(path, {"A 1:1"}, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(Read(path + "/unutra.txt"), QByteArray("keep"));
    }

    // A write that fails half way (here: over the file size limit) leaves the old file whole
    // and leaves no temporary file behind.
    void failedWriteKeepsOldFile() {
#ifdef Q_OS_UNIX
        const QString path = Path("stara.Izbor");
        const QByteArray old("OLD 1:1\r\nOLD 2:2\r\n");
        Write(path, old);
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 8;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString error;
        const bool saved_ok = SaveIzbor(path, {"NEW 1:1", "NEW 2:2", "NEW 3:3"}, &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!saved_ok);
        QVERIFY(!error.isEmpty());
        QCOMPARE(Read(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
#else
        QSKIP("needs a file size limit");
#endif
    }

    void failedLoadLeavesEntries_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "";
        QTest::newRow("line feeds") << QByteArray(10'000'000, '\n') << "više od 20000 redova";
        QTest::newRow("UTF-16") << QByteArray("\xFF\xFE"
                                              "A\0 \0"
                                              "1\0:\0"
                                              "1\0",
                                              12)
                                << "UTF-16";
        QTest::newRow("binary") << QByteArray("A 1:1\r\n\x01\x02", 9) << "nije tekst";
        QTest::newRow("too many entries")
            << QByteArray("RIM 3:7\r\n").repeated(10'001) << "više od 10000 unosa";
    }
    void failedLoadLeavesEntries() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = Path("ucitaj.Izbor");
        QFile::remove(path);
        if (!bytes.isEmpty())
            Write(path, bytes);
        QStringList entries{"A 1:1", "B 2:2"};
        QString error;
        QVERIFY(!LoadIzbor(path, &entries, &error));
        QVERIFY2(!error.isEmpty() && error.contains(reason), qPrintable(error));
        QCOMPARE(entries, (QStringList{"A 1:1", "B 2:2"}));
    }

    // UTF-8 is read as UTF-8; entries Windows-1250 cannot hold are saved in UTF-8.
    void utf8IsReadAndWritten() {
        QCOMPARE(ParseIzbor("\xEF\xBB\xBFPRI\xC4\x8D"
                            "E 1:1\r\n"),
                 QStringList{QStringLiteral("PRIčE 1:1")});
        QCOMPARE(ParseIzbor("PRI\xC4\x8D"
                            "E 1:1\n"),
                 QStringList{QStringLiteral("PRIčE 1:1")});
        const QStringList cyrillic{QStringLiteral("ПОСТ 1:1")};
        QCOMPARE(ParseIzbor(BuildIzbor(cyrillic)), cyrillic);
    }
};

QTEST_GUILESS_MAIN(IzborFileTest)
#include "tst_izborfile.moc"

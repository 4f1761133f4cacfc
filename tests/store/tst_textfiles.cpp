// The translation list file and the program's single-byte text rules.
#include "Convert.h"
#include "DataModule.h"
#include "Errors.h"
#include "ProgramFolder.h"
#include "TranslationList.h"
#include "Win1250.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TextFilesTest : public QObject {
    Q_OBJECT

private slots:
    void win1250RoundTrip() {
        const QString text = QString::fromUtf8("čćđšž ČĆĐŠŽ Upoređivanje");
        const QByteArray bytes = EncodeWin1250(text);
        QCOMPARE(bytes.size(), text.size());
        QCOMPARE(quint8(bytes[0]), quint8(232)); // č
        QCOMPARE(quint8(bytes[6]), quint8(200)); // Č
        QCOMPARE(DecodeWin1250(bytes), text);
        // Every byte reads back as itself; a character no byte stands for is written once as
        // the substitute, a character beyond the first 65,536 too.
        QByteArray all(256, Qt::Uninitialized);
        for (int b = 0; b < 256; ++b)
            all[b] = char(b);
        QCOMPARE(EncodeWin1250(DecodeWin1250(all)), all);
        QCOMPARE(EncodeWin1250(QString::fromUtf8("a\u4e00\U0001F600z")), QByteArray("a\x1a\x1az"));
    }

    void splitLinesAcceptsThreeBreaks() {
        QCOMPARE(SplitLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
        QCOMPARE(SplitLines("a\r\n"), QStringList({"a"}));
        QCOMPARE(SplitLines("a\n\nb\n"), QStringList({"a", "", "b"}));
        QCOMPARE(SplitLines("\r\n"), QStringList({""}));
        QCOMPARE(SplitLines(""), QStringList());
    }

    void listFileFields() {
        const QByteArray file = "vidl.mdb            World English Bible\r\n"
                                "kjv.mdb             King James\n"
                                "short\r"
                                "x.mdb               \xe8itanje\r\n";
        const auto entries = ParseTranslationList(file);
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0].fileName, QString("vidl.mdb            "));
        QCOMPARE(entries[0].caption, QString("World English Bible"));
        QCOMPARE(entries[1].caption, QString("King James"));
        QCOMPARE(entries[2].fileName, QString("short"));
        QCOMPARE(entries[2].caption, QString());
        QCOMPARE(entries[3].caption, QString::fromUtf8("čitanje"));
    }

    void listEndsAtFirstBlankLine() {
        QCOMPARE(
            ParseTranslationList("a.mdb               A\r\n\r\nb.mdb               B\r\n").size(),
            1);
        QCOMPARE(ParseTranslationList("a.mdb               A\n \t\nb.mdb               B").size(),
                 1);
        const auto last = ParseTranslationList("a.mdb               A\nb.mdb               B");
        QCOMPARE(last.size(), 2); // no line break after the last line
        QCOMPARE(last[1].caption, QString("B"));
        QCOMPARE(ParseTranslationList("\r\na.mdb               A").size(), 0);
    }

    void captionIsCutAt520() {
        const QByteArray line = QByteArray("f.mdb").leftJustified(20, ' ') + QByteArray(600, 'x');
        QCOMPARE(ParseTranslationList(line).at(0).caption.size(), 500);
    }

    void listFileInFolder() {
        QTemporaryDir dir;
        const QString folder = dir.path() + "/";
        QVERIFY(ReadTranslationFile(folder).isEmpty());
        QFile f(folder + "vidoslov.kv");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(
            EncodeWin1250(TranslationLine("vidl.mdb", QString::fromUtf8("Osnovni ž")) + "\r\n"));
        f.close();
        const auto entries = ReadTranslationFile(folder);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].fileName, QString("vidl.mdb").leftJustified(20, ' '));
        QCOMPARE(entries[0].caption, QString::fromUtf8("Osnovni ž"));
    }

    // The program's list, then the system's, then the user's; a bad line of the user's list
    // is left out and the rest kept.
    void listsOfTheThreeFoldersMerge() {
        QTemporaryDir dir;
        const QString root = dir.path() + "/";
        const auto write = [&](const QString& folder, const QString& lines) {
            QVERIFY(QDir().mkpath(root + folder));
            QFile f(root + folder + "/vidoslov.kv");
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(EncodeWin1250(lines));
        };
        write("program", TranslationLine("vidl.mdb", "Osnovnik") + "\r\n");
        write("system", TranslationLine("web.mdb", "WEB") + "\n");
        write("user", TranslationLine("../../etc/x.mdb", "Los") + "\n" +
                          TranslationLine("moj.mdb", QString::fromUtf8("Moj ž")) + "\n");
        const auto merged =
            MergeTranslationLists({root + "program/", root + "system/", root + "user/"});
        QCOMPARE(merged.size(), 3);
        QCOMPARE(merged[0].fileName, QString("vidl.mdb").leftJustified(20, ' '));
        QCOMPARE(merged[1].fileName, root + "system/baza/web.mdb");
        QCOMPARE(merged[2].fileName, root + "user/baza/moj.mdb");
        QCOMPARE(merged[2].caption, QString::fromUtf8("Moj ž"));
        QVERIFY(TranslationConnectionString(merged[2].fileName, root + "program/")
                    .contains("Data Source=" + root + "user/baza/moj.mdb;"));
    }

    void programFolderCutsAtLastSlash() {
        QCOMPARE(ProgramFolderOf("/opt/vidoslov/bin/vidoslov"), QString("/opt/vidoslov/bin/"));
        QCOMPARE(ProgramFolderOf("/vidoslov"), QString("/"));
        QCOMPARE(ProgramFolderOf("vidoslov"), QString());
        QVERIFY(ProgramFolder().endsWith('/'));
    }

    void conversionsUseTheStandardTexts() {
        QCOMPARE(StrToInt("12"), 12);
        QCOMPARE(StrToInt(" -7"), -7);
        QCOMPARE(StrToInt("2147483647"), 2147483647);
        QCOMPARE(StrToInt("-2147483648"), int(-2147483648LL));
        for (const char* bad : {"", "1a", "2147483648", "1 ", "+", "12:3"}) {
            try {
                StrToInt(bad);
                QFAIL(bad);
            } catch (const ConvertError& e) {
                QCOMPARE(e.text(), QString("'%1' is not a valid integer value").arg(bad));
            }
        }
        QCOMPARE(StrToFloat("7"), 7.0);
        QVERIFY_THROWS_EXCEPTION(ConvertError, StrToFloat(""));
    }
};

QTEST_GUILESS_MAIN(TextFilesTest)
#include "tst_textfiles.moc"

// The default translation files that tools/build-texts.sh puts beside the program.
#include "BookCatalogue.h"
#include "DataModule.h"
#include "FileProperties.h"
#include "MainWindow.h"
#include "Numbering.h"
#include "PopupMenu.h"
#include "Program.h"
#include "Query.h"
#include "ScrollBox.h"

#include <QMenu>
#include <QtTest>
#include <sqlite3.h>

namespace {

const QString Folder = QStringLiteral(PROGRAM_FOLDER);

// The column of the statement's first row, on the program's own connection.
QString Value(const QString& file, const QString& sql, const QString& column = "v") {
    Query q;
    q.setConnectionString(TranslationConnectionString(file, Folder));
    q.addLine(sql);
    q.open();
    return q.eof() ? QString() : q.fieldAsText(column);
}

QString VerseAt(const QString& file, const QString& code, int chapter, int verse,
                const QString& column = "tekst") {
    return Value(file,
                 QStringLiteral("select %1 from vidoslov where knjiga='%2' and glava=%3 and rbr=%4")
                     .arg(column, code)
                     .arg(chapter)
                     .arg(verse),
                 column);
}

// Verses per chapter, "CODE chapter" -> count.
QMap<QString, int> ChapterSizes(const QString& file) {
    Query q;
    q.setConnectionString(TranslationConnectionString(file, Folder));
    q.addLine("select knjiga, glava, count(*) as n from vidoslov group by knjiga, glava");
    q.open();
    QMap<QString, int> sizes;
    for (q.first(); !q.eof(); q.next())
        sizes[q.fieldAsText("knjiga") + " " + q.fieldAsText("glava")] = q.fieldAsText("n").toInt();
    return sizes;
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT

private slots:
    void versesReadAsPrinted_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("place"); // the where clause
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reference"); // the first of the verse
        const QString genesis = "knjiga='1 MOJ' and glava=1 and rbr=1";
        QTest::newRow("Genesis 1:1, Latin")
            << "vidl.mdb" << genesis << "U početku stvori Bog nebo i zemlju."
            << "2 MOJ 20:11";
        QTest::newRow("Genesis 1:1, Cyrillic")
            << "ekavski.mdb" << genesis << "У почетку створи Бог небо и земљу."
            << "2 MOJ 20:11";
        QTest::newRow("Matthew 4:4, Latin")
            << "vidl.mdb"
            << "knjiga='MAT' and glava=4 and rbr=4"
            << "A On odgovori i reče: Pisano je: Ne živi čovek o samom hlebu, no o svakoj reči "
               "koja izlazi iz usta Božjih."
            << "2 MOJ 16:8";
    }
    void versesReadAsPrinted() {
        QFETCH(QString, file);
        QFETCH(QString, place);
        QFETCH(QString, text);
        QFETCH(QString, reference);
        const QString sql = "select tekst, pok from vidoslov where " + place;
        QCOMPARE(Value(file, sql, "tekst"), text);
        QCOMPARE(Value(file, sql, "pok").section('|', 0, 0), reference);
    }

    // Every file takes the collection's references, and each of them names a verse of the same
    // file, so that following it shows that verse.
    void everyFileCarriesTheCollectionsReferences() {
        for (const char* file :
             {"vidl.mdb", "ekavski.mdb", "ijekavski.mdb", "web.mdb", "kjv.mdb"}) {
            Query q;
            q.setConnectionString(TranslationConnectionString(file, Folder));
            q.addLine("select knjiga, glava, rbr, pok from vidoslov");
            q.open();
            QSet<QString> places;
            QStringList refs;
            int withReferences = 0;
            for (q.first(); !q.eof(); q.next()) {
                places.insert(QStringLiteral("%1 %2:%3")
                                  .arg(q.fieldAsText("knjiga"), q.fieldAsText("glava"),
                                       q.fieldAsText("rbr")));
                const QString pok = q.fieldAsText("pok");
                withReferences += pok.isEmpty() ? 0 : 1;
                if (!pok.isEmpty())
                    refs += pok.split('|');
            }
            QVERIFY2(withReferences >= 30000, file);
            QVERIFY2(refs.size() > 380000, file);
            for (const QString& ref : refs)
                QVERIFY2(places.contains(ref), qPrintable(QStringLiteral("%1: %2").arg(file, ref)));
            const QString mat = Value(file, "select pok as v from vidoslov where knjiga='MAT' and "
                                            "glava=4 and rbr=4");
            QVERIFY2(mat.split('|').contains("5 MOJ 8:3"), file);
        }
    }

    // Each rule of the numbering table at its first verse: the Serbian text there, and the KJV
    // text at the place the rule gives.
    void everyNumberingRuleHoldsInTheTexts_data() {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("serbian");
        QTest::addColumn<QString>("english");
        const char* const anchors[][2] = {
            {"pođe narod od Asirota", "removed from Hazeroth"},
            {"I Gospod reče Mojsiju", "the LORD spake unto Moses"},
            {"I kaza Mojsije sinovima", "Moses told the children"},
            {"knezovima od plemena", "heads of the tribes"},
            {"idi s mirom", "Go in peace"},
            {"stade na tvrdijem mjestima", "dwelt in strong holds"},
            {"kad se Saul vrati", "when Saul was returned"},
            {"putem Ase oca", "ways of Asa his father"},
            {"učini mir Josafat", "Jehoshaphat made peace"},
            {"Loviš li ti lavu lov", "hunt the prey for the lion"},
            {"kad se divokoze koze", "wild goats of the rock"},
            {"I tako odgovarajući Gospod Jovu", "Moreover the LORD answered Job"},
            {"opet odgovarajući Jovu iz vihora", "out of the whirlwind"},
            {"udicom izvući krokodila", "leviathan with an hook"},
            {"Nema slobodna", "None is so fierce"},
            {"Kuda otide dragi tvoj", "Whither is thy beloved gone"},
            {"Dragi moj siđe u vrt svoj", "gone down into his garden"},
            {"Opet mi dođe riječ Gospodnja", "Moreover the word of the LORD"},
            {"I dođe mi riječ Gospodnja", "And the word of the LORD came"},
            {"Opkolio me je Jefrem lažju", "compasseth me about with lies"},
            {"Jefrem se hrani vjetrom", "Ephraim feedeth on wind"},
            {"velika riba", "a great fish"},
            {"I zamoli se Jona", "Then Jonah prayed"},
            {"današnju bunu", "this day’s uproar"},
            {"cara Arete", "Aretas the king"},
            {"Pozdravite jedan drugoga", "Greet one another"},
            {"Blagodat Gospoda našega", "The grace of the Lord Jesus Christ"},
            {"Pozdravlja te Epafras", "There salute thee Epaphras"},
            {"sa duhom vašijem", "be with your spirit"},
            {"skoro vidjeti", "shortly see thee"}};
        QCOMPARE(int(std::size(anchors)), int(NumberingRules().size()));
        for (int i = 0; i < int(std::size(anchors)); ++i) {
            const NumberingRule& r = NumberingRules()[i];
            QTest::addRow("%s %d:%d", BookCatalogue::Codes[r.book - 1], r.danicicChapter,
                          r.danicicFirst)
                << i << QString::fromUtf8(anchors[i][0]) << QString::fromUtf8(anchors[i][1]);
        }
    }
    void everyNumberingRuleHoldsInTheTexts() {
        QFETCH(int, rule);
        QFETCH(QString, serbian);
        QFETCH(QString, english);
        const NumberingRule& r = NumberingRules()[rule];
        const QString code = QString::fromUtf8(BookCatalogue::Codes[r.book - 1]);
        const QString text = VerseAt("ijekavski.mdb", code, r.danicicChapter, r.danicicFirst);
        QVERIFY2(text.contains(serbian), qPrintable(text));
        const Place kjv = MapPlace({r.book, r.danicicChapter, r.danicicFirst}, Numbering::Danicic,
                                   Numbering::Kjv);
        const QString kjvText = VerseAt("kjv.mdb", code, kjv.chapter, kjv.verse);
        QVERIFY2(kjvText.contains(english), qPrintable(kjvText));
    }

    // The Ekavian files have the verses of the Ijekavian one, numbered as Daničić numbered
    // them; each Serbian file says so.
    void theSerbianFilesAreNumberedAsDanicicNumbered() {
        const auto ijekavian = ChapterSizes("ijekavski.mdb");
        QCOMPARE(ChapterSizes("vidl.mdb"), ijekavian);
        QCOMPARE(ChapterSizes("ekavski.mdb"), ijekavian);
        QVERIFY(
            VerseAt("vidl.mdb", "JOV", 39, 34).startsWith("I tako odgovarajući Gospod Jovu reče"));
        QVERIFY(VerseAt("ekavski.mdb", "JOV", 39, 34)
                    .startsWith("И тако одговарајући Господ Јову рече"));
        QCOMPARE(VerseAt("vidl.mdb", "MAT", 12, 50).left(15), QString("Jer ko izvršuje"));
        for (const char* file : {"vidl.mdb", "ekavski.mdb", "ijekavski.mdb"})
            QCOMPARE(NumberingOfFile(Folder + "baza/" + file), Numbering::Danicic);
        for (const char* file : {"kjv.mdb", "web.mdb"})
            QCOMPARE(NumberingOfFile(Folder + "baza/" + file), Numbering::Kjv);
    }

    // The references, in KJV numbering, are on the verse they mean and point to it.
    void referencesFollowTheNumbering() {
        for (const char* file : {"vidl.mdb", "ijekavski.mdb"}) {
            const QStringList fish = VerseAt(file, "JONA", 2, 1, "pok").split('|');
            QVERIFY2(fish.contains("MAT 12:40") && !fish.contains("PSAL 130:1"), file);
            QVERIFY2(VerseAt(file, "JONA", 2, 2, "pok").split('|').contains("PSAL 130:1"), file);
            QVERIFY2(VerseAt(file, "MAT", 12, 40, "pok").split('|').contains("JONA 2:1"), file);
            QVERIFY2(VerseAt(file, "JOV", 40, 20, "pok").split('|').contains("ISA 27:1"), file);
        }
        QVERIFY(VerseAt("kjv.mdb", "JONA", 1, 17, "pok").split('|').contains("MAT 12:40"));
    }

    void everyFileHoldsTheSixtySixBooks() {
        for (const char* file : {"vidl.mdb", "ekavski.mdb", "ijekavski.mdb", "web.mdb", "kjv.mdb"})
            QCOMPARE(Value(file, "select count(distinct knjiga) as v from vidoslov"),
                     QString("66"));
    }

    void latinFilesHoldNoCyrillic() {
        for (const char* file : {"vidl.mdb", "ijekavski.mdb"}) {
            Query q;
            q.setConnectionString(TranslationConnectionString(file, Folder));
            q.addLine("select tekst from vidoslov");
            q.open();
            for (q.first(); !q.eof(); q.next())
                for (const QChar c : q.fieldAsText("tekst"))
                    QVERIFY2(c.script() != QChar::Script_Cyrillic,
                             qPrintable(q.fieldAsText("tekst")));
        }
    }

    void searchIgnoresTheCaseOfEveryLetter() {
        const QString sql =
            QStringLiteral("select count(*) as v from vidoslov where tekst like '%%1%'");
        const QString small = Value("vidl.mdb", sql.arg(QStringLiteral("čovek")));
        QVERIFY(small.toInt() > 0);
        QCOMPARE(Value("vidl.mdb", sql.arg(QStringLiteral("ČOVEK"))), small);
    }

    // The sqlite3 shell knows no collation of the program's; the program's connections find the
    // chapter through the index.
    void anySqliteToolReadsTheFile() {
        const QByteArray path = (Folder + "baza/vidl.mdb").toUtf8();
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
        sqlite3_stmt* stmt = nullptr;
        const int prepared =
            sqlite3_prepare_v2(db, "select count(*) from vidoslov where knjiga='1 MOJ' and glava=1",
                               -1, &stmt, nullptr);
        const QString error = QString::fromUtf8(sqlite3_errmsg(db));
        const int step = sqlite3_step(stmt);
        const int count = sqlite3_column_int(stmt, 0);
        sqlite3_finalize(stmt);
        sqlite3_close(db);
        QVERIFY2(prepared == SQLITE_OK, qPrintable(error));
        QCOMPARE(step, SQLITE_ROW);
        QCOMPARE(count, 31);

        const QString chapter = "from vidoslov where knjiga='1 moj' and glava=1";
        QVERIFY(Value("vidl.mdb", "explain query plan select * " + chapter, "detail")
                    .contains("USING INDEX vidoslov_mesto"));
        QCOMPARE(Value("vidl.mdb", "select count(*) as v " + chapter), QString("31"));
    }

    void theTranslationMenuShowsTheFiveCaptions() {
        TProgram program(Folder);
        TfMain* w = program.fMain.get();
        w->PaneMenu()->setPopupComponent(w->ScrollBox(1));
        emit w->PaneMenu()->aboutToShow();
        QVERIFY(w->TranslationItem()->menu());
        QStringList captions;
        for (const QAction* item : w->TranslationItem()->menu()->actions())
            captions << item->text().trimmed();
        QCOMPARE(captions, (QStringList{"Daničić-Karadžić, ekavski (latinica)",
                                        "Daničić-Karadžić, ekavski (ćirilica)",
                                        "Daničić-Karadžić, ijekavski (latinica)",
                                        "World English Bible", "King James Version (1769)"}));
    }
};

QTEST_MAIN(TextsTest)
#include "tst_texts.moc"

// The importer's conversion rules, without SWORD: book names, references, text, list file,
// the cross-reference collection.
#include "BookCatalogue.h"
#include "CrossReferences.h"
#include "ImportError.h"
#include "ImportRules.h"
#include "Importer.h"
#include "SerbianLatin.h"
#include "TranslationList.h"
#include "VerseRepair.h"
#include "Win1250.h"

#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

class ImportRulesTest : public QObject {
    Q_OBJECT

private slots:
    void osisBooksMapOntoTheCatalogue() {
        QCOMPARE(CatalogueBookOfOsis("Gen"), 1);
        QCOMPARE(CatalogueBookOfOsis("Mal"), 39);
        QCOMPARE(CatalogueBookOfOsis("Matt"), 40);
        QCOMPARE(CatalogueBookOfOsis("Rev"), 66);
        QCOMPARE(CatalogueBookOfOsis("Tob"), 0); // deuterocanon
        QCOMPARE(CatalogueBookOfOsis("EsthGr"), 0);
        QCOMPARE(CatalogueBookOfOsis("gen"), 0);
    }

    void osisReferencesBecomeCatalogueReferences() {
        QCOMPARE(CatalogueReference("Isa.40.3"), QString("ISA 40:3"));
        QCOMPARE(CatalogueReference("Gen.1.1"), QString("1 MOJ 1:1"));
        QCOMPARE(CatalogueReference("Prov.3.34"), QString::fromUtf8("PRIčE 3:34"));
        QCOMPARE(CatalogueReference("Ps.95.7-Ps.95.8"), QString("PSAL 95:7")); // range: first
        QCOMPARE(CatalogueReference("Exod.20.12-Exod.20.16"), QString("2 MOJ 20:12"));
        QCOMPARE(CatalogueReference("Wis.14.21"), QString());
        QCOMPARE(CatalogueReference("Isa.40"), QString()); // a chapter, not a verse
        QCOMPARE(CatalogueReference("Isa.x.3"), QString());
        QCOMPARE(CatalogueReference("Isa.0.3"), QString());
        QCOMPARE(CatalogueReference(""), QString());
    }

    void catalogueReferencesAreRecognised() {
        QVERIFY(IsCatalogueReference("1 MOJ 10:5"));
        QVERIFY(IsCatalogueReference(QString::fromUtf8("PLAč 3:22")));
        QVERIFY(IsCatalogueReference("OTKR 22:21"));
        QVERIFY(!IsCatalogueReference("Gen 1:1"));
        QVERIFY(!IsCatalogueReference("1 MOJ 10"));
        QVERIFY(!IsCatalogueReference("1 MOJ 10:5-7"));
        QVERIFY(!IsCatalogueReference("MOJ 10:5"));
        QVERIFY(!IsCatalogueReference("1 MOJ 0:5"));
        QVERIFY(!IsCatalogueReference(""));
    }

    void notesLeaveTheTextAndCrossReferencesAreCollected() {
        const EntryNotes notes =
            SplitNotes("<w>saying,</w> “Make his paths straight!”<note type=\"crossReference\">"
                       "<reference subType=\"x-origin\" type=\"annotateRef\">3:3 </reference>"
                       "<reference>Isaiah 40:3</reference></note> <l eID=\"x\"/>");
        QCOMPARE(notes.text, QString("<w>saying,</w> “Make his paths straight!” <l eID=\"x\"/>"));
        QCOMPARE(notes.referenceTexts, QStringList{"Isaiah 40:3"});
        QVERIFY(notes.osisRefs.isEmpty());

        const EntryNotes marked = SplitNotes(
            "A<note type=\"crossReference\"><reference osisRef=\"Gen.1.1\">Gen 1</reference>"
            "; <reference osisRef=\"John.1.1\">John 1</reference></note>.");
        QCOMPARE(marked.text, QString("A."));
        QCOMPARE(marked.osisRefs, (QStringList{"Gen.1.1", "John.1.1"}));
        QVERIFY(marked.referenceTexts.isEmpty());

        // Footnotes are dropped and give no references.
        const EntryNotes foot =
            SplitNotes("x<note placement=\"foot\"><reference type=\"annotateRef\">"
                       "1:1 </reference>See Isaiah 1:1</note>.");
        QCOMPARE(foot.text, QString("x."));
        QVERIFY(foot.referenceTexts.isEmpty() && foot.osisRefs.isEmpty());
    }

    void aNoteBetweenWordsLeavesABlank() {
        // The module writes "God<note/>created": the words must not run together.
        QCOMPARE(SplitNotes("God<note>a</note><w>created</w>").text, QString("God <w>created</w>"));
        QCOMPARE(SplitNotes("said,<note>a</note>“A").text, QString("said, “A"));
        QCOMPARE(SplitNotes("end<note>a</note>[of").text, QString("end [of"));
        // Before punctuation or at the end, nothing.
        QCOMPARE(SplitNotes("gerahs<note>a</note>);").text, QString("gerahs);"));
        QCOMPARE(SplitNotes("world<note>a</note>,").text, QString("world,"));
        QCOMPARE(SplitNotes("Amen.<note>a</note>").text, QString("Amen."));
        QCOMPARE(SplitNotes("us”<note>a</note>”").text, QString("us””"));
        // Notes within notes, empty notes, and a note that never ends.
        QCOMPARE(SplitNotes("a<note>b<note>c</note>d</note>.").text, QString("a."));
        QCOMPARE(SplitNotes("a<note n=\"1\"/>b").text, QString("a b"));
        QCOMPARE(SplitNotes("a<note>b").text, QString("a"));
        QCOMPARE(SplitNotes("<notes>x</notes>").text, QString("<notes>x</notes>"));
    }

    void headingsAndWhatFollowsTheChapterAreLeftOut() {
        QCOMPARE(WithoutHeadings("<div type=\"x-milestone\" subType=\"x-preverse\" sID=\"p1\"/>"
                                 "<title canonical=\"true\">A Psalm of David.</title> <lg/>"
                                 "<div type=\"x-milestone\" subType=\"x-preverse\" eID=\"p1\"/>"
                                 "LORD, how"),
                 QString("LORD, how"));
        QCOMPARE(WithoutHeadings("<title>ALEPH</title>Blessed <w>are</w>"),
                 QString("Blessed <w>are</w>"));
        QCOMPARE(WithoutHeadings("Amen. <chapter eID=\"Rev.22\"/> <div type=\"glossary\"/>Abaddon"),
                 QString("Amen. "));
        QCOMPARE(WithoutHeadings("<chapter sID=\"Gen.2\"/>Thus"),
                 QString("<chapter sID=\"Gen.2\"/>Thus"));
        // A preverse part without its end takes only its opening milestone.
        QCOMPARE(WithoutHeadings("<div subType=\"x-preverse\" sID=\"p2\"/>Text"), QString("Text"));
    }

    void referenceTextsAreMadeParsable() {
        QCOMPARE(NormalizeReferenceText("See Isaiah 9:1; Matthew 4:13–16"),
                 QString("Isaiah 9:1; Matthew 4:13-16"));
        QCOMPARE(NormalizeReferenceText("Isaiah 9:7; Daniel 2:44; See Isaiah 53:8"),
                 QString("Isaiah 9:7; Daniel 2:44; Isaiah 53:8"));
        QCOMPARE(NormalizeReferenceText("2 Kings 6:31—7:20 "), QString("2 Kings 6:31-7:20"));
    }

    void cyrillicBecomesSerbianLatin_data() {
        QTest::addColumn<QString>("cyrillic");
        QTest::addColumn<QString>("latin");
        QTest::newRow("digraph before a small letter") << "Љубав"
                                                       << "Ljubav";
        QTest::newRow("word in capitals") << "ЉУБАВ"
                                          << "LJUBAV";
        QTest::newRow("capital at a word's end") << "КРАЉ"
                                                 << "KRALJ";
        QTest::newRow("lone capital") << "Џ"
                                      << "Dž";
        QTest::newRow("before a full stop") << "Њ. Ђорђе"
                                            << "Nj. Đorđe";
        QTest::newRow("one letter each") << "ноћ Ћ ч"
                                         << "noć Ć č";
        QTest::newRow("sentence") << "У почетку створи Бог небо и земљу."
                                  << "U početku stvori Bog nebo i zemlju.";
        QTest::newRow("other scripts stay") << "Amen, 3:16 ĐŽ"
                                            << "Amen, 3:16 ĐŽ";
    }
    void cyrillicBecomesSerbianLatin() {
        QFETCH(QString, cyrillic);
        QFETCH(QString, latin);
        static const SerbianLatin toLatin;
        QCOMPARE(toLatin(cyrillic), latin);
    }

    void textIsCleaned() {
        QCOMPARE(CleanVerseText("¶ For God  so\nloved\t the world,  "),
                 QString("For God so loved the world,"));
        QCOMPARE(CleanVerseText(QString::fromUtf8("a\u00A0b \r\n")), QString("a b"));
        QCOMPARE(CleanVerseText("  \n "), QString());
        // Word numbers a renderer wrote out for want of a filter.
        QCOMPARE(CleanVerseText("one <G1520>, and <H2416> <H1> life"), QString("one, and life"));
        QCOMPARE(WithoutWordMarkup("<w lemma=\"strong:G1520\" morph=\"robinson:N-NSM\">One</w> "
                                   "<w lemma=\"strong:G3588\"/><note>x</note>"),
                 QString("<w>One</w> <w/><note>x</note>"));
    }

    // A verse glued to the ones after it is cut where the model's verses begin, though the
    // model writes the words otherwise (Ijekavian, Cyrillic); a chapter whose own boundaries
    // the model does not share stays as it was.
    void gluedVersesAreSplitLikeTheModel() {
        std::vector<VerseRow> rows{
            {32, 2, 1, "Ali Gospod zapovedi, te velika riba proguta Jonu.", "MAT 12:40"},
            {32, 2, 2, "I zamoli se Jona Gospodu. I reče: Vapih u nevolji svojoj.", ""},
            {32, 3, 1, "Jedan dva. Tri četiri.", ""},
            {32, 3, 2, "Pet.", ""}};
        const std::vector<VerseRow> model{
            {32, 2, 1, "Али Господ заповједи, те велика риба прогута Јону.", ""},
            {32, 2, 2, "И замоли се Јона Господу.", ""},
            {32, 2, 3, "И рече: вапих у невољи својој.", ""},
            {32, 3, 1, "Један.", ""},
            {32, 3, 2, "Два. Три четири.", ""},
            {32, 3, 3, "Пет шест.", ""}};
        const QStringList done = SplitLikeModel(rows, model);
        QCOMPARE(done, (QStringList{"JONA 2: split verse 2 into 2:2-3; 3 verses as in the model.",
                                    "JONA 3: its verses could not be aligned with the model's; "
                                    "left as it was."}));
        QCOMPARE(int(rows.size()), 5);
        QCOMPARE(rows[0].pok, QString("MAT 12:40"));
        QCOMPARE(rows[1].text, QString("I zamoli se Jona Gospodu."));
        QCOMPARE(rows[2].verse, 3);
        QCOMPARE(rows[2].text, QString("I reče: Vapih u nevolji svojoj."));
        QCOMPARE(rows[3].text, QString("Jedan dva. Tri četiri."));
    }

    // Only at a sentence that begins with the anchor, and only when there is one such.
    void versesGluedInTheSourceAreCutAtTheirSentence() {
        std::vector<VerseRow> rows{{40, 12, 49, "Eto mati moja. Jer ko izvršuje volju.", ""},
                                   {40, 12, 50, "Sledeći.", ""},
                                   {40, 13, 1, "Jer ko izvršuje, i Jer ko izvršuje.", ""}};
        const GluedVerse glued[] = {{40, 12, 49, "Jer ko izvršuje"},
                                    {40, 13, 1, "Jer ko izvršuje"}};
        QCOMPARE(SplitGluedVerses(rows, glued, 2),
                 (QStringList{"MAT 12:49: split where verse 50 begins.",
                              "MAT 13:1: the sentence of the next verse was not found; left as "
                              "it was."}));
        QCOMPARE(int(rows.size()), 4);
        QCOMPARE(rows[0].text, QString("Eto mati moja."));
        QCOMPARE(rows[1].text, QString("Jer ko izvršuje volju."));
        QCOMPARE(rows[1].verse, 50);
        QCOMPARE(rows[2].verse, 51);
    }

    void referencesAreJoinedOnce() {
        QCOMPARE(JoinReferences({"ISA 40:3", "", "MAR 1:3", "ISA 40:3"}),
                 QString("ISA 40:3|MAR 1:3"));
        QCOMPARE(JoinReferences({}), QString());
    }

    void collectionCodesMapOntoTheCatalogue_data() {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("book");
        const char* const codes =
            "gen exo lev num deu jos jdg rut 1sa 2sa 1ki 2ki 1ch 2ch ezr neh est job psa pro ecc "
            "sng isa jer lam ezk dan hos jol amo oba jon mic nam hab zep hag zec mal mat mrk luk "
            "jhn act rom 1co 2co gal eph php col 1th 2th 1ti 2ti tit phm heb jas 1pe 2pe 1jn 2jn "
            "3jn jud rev";
        int book = 0;
        for (const QByteArray& code : QByteArray(codes).split(' ')) {
            QTest::newRow(BookCatalogue::Codes[book]) << code << book + 1;
            ++book;
        }
        for (const char* other : {"Gen", "ge", "genx", "", "jude"})
            QTest::newRow(other) << QByteArray(other) << 0;
    }
    void collectionCodesMapOntoTheCatalogue() {
        QFETCH(QByteArray, code);
        QFETCH(int, book);
        QCOMPARE(CatalogueBookOfCollectionCode(code), book);
    }

    // References to verses the translation does not hold are left out; the rest keep the
    // collection's order, each once.
    void referencesToMissingVersesAreLeftOut() {
        const CrossReferences refs(QByteArray("mat 4:4\texo 16:8;deu 8:3;mal 4:6;deu 8:3\r\n"
                                              "\n"
                                              "jhn 3:16\tgen 22:12\n"),
                                   "test");
        QCOMPARE(refs.size(), 4);
        const std::unordered_set<PlaceKey> held{KeyOfPlace(2, 16, 8), KeyOfPlace(5, 8, 3),
                                                KeyOfPlace(1, 22, 12)};
        QCOMPARE(refs.pokOf(KeyOfPlace(40, 4, 4), held), QString("2 MOJ 16:8|5 MOJ 8:3"));
        QCOMPARE(refs.pokOf(KeyOfPlace(43, 3, 16), held), QString("1 MOJ 22:12"));
        QCOMPARE(refs.pokOf(KeyOfPlace(43, 3, 16), {}), QString());
        QCOMPARE(refs.pokOf(KeyOfPlace(1, 1, 1), held), QString());
    }

    // The KJV-numbered collection moved to Daničić's numbering: merged verses share their
    // references, and a reference of a verse to itself goes.
    void theCollectionMovesToAnotherNumbering() {
        CrossReferences refs(QByteArray("jon 1:17\tmat 12:40\n"
                                        "mat 12:40\tjon 1:17;jon 2:1\n"
                                        "act 19:40\tact 19:41;psa 65:7\n"
                                        "act 19:41\tpsa 65:7;pro 15:1\n"),
                             "test");
        refs.mapPlaces([](PlaceKey key) {
            const Place p = MapPlace({key / 1000000, key / 1000 % 1000, key % 1000}, Numbering::Kjv,
                                     Numbering::Danicic);
            return KeyOfPlace(p.book, p.chapter, p.verse);
        });
        const std::unordered_set<PlaceKey> held{KeyOfPlace(32, 2, 1), KeyOfPlace(32, 2, 2),
                                                KeyOfPlace(40, 12, 40), KeyOfPlace(19, 65, 7),
                                                KeyOfPlace(20, 15, 1)};
        QCOMPARE(refs.pokOf(KeyOfPlace(32, 2, 1), held), QString("MAT 12:40"));
        QCOMPARE(refs.pokOf(KeyOfPlace(40, 12, 40), held), QString("JONA 2:1|JONA 2:2"));
        QCOMPARE(refs.pokOf(KeyOfPlace(44, 19, 40), held), QString("PSAL 65:7|PRIčE 15:1"));
        QCOMPARE(refs.size(), 5);
    }

    void aCollectionItCannotReadNamesTheLine_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no tab") << QByteArray("gen 1:2 exo 1:1") << "no tab";
        QTest::newRow("unknown code") << QByteArray("gen 1:2\texo 1:1;xyz 1:1") << "\"xyz\"";
        QTest::newRow("no verse") << QByteArray("gen 1:2\texo 1") << "\"exo 1\"";
        QTest::newRow("verse 0") << QByteArray("gen 0:2\texo 1:1") << "\"gen 0:2\"";
        QTest::newRow("empty reference") << QByteArray("gen 1:2\texo 1:1;;lev 1:1") << "\"\"";
        QTest::newRow("no references") << QByteArray("gen 1:2\t") << "no references";
    }
    void aCollectionItCannotReadNamesTheLine() {
        QFETCH(QByteArray, line);
        QFETCH(QString, problem);
        try {
            CrossReferences(QByteArray("gen 1:1\texo 20:11\n") + line + "\n", "refs.tsv");
            QFAIL("read");
        } catch (const ImportError& e) {
            QCOMPARE(e.code(), ExitUsage);
            QVERIFY2(e.text().startsWith("Cannot read the cross references refs.tsv, line 2: "),
                     qPrintable(e.text()));
            QVERIFY2(e.text().contains(problem), qPrintable(e.text()));
        }
    }

    void theCollectionIsReadPackedOrPlain() {
        const CrossReferences packed(QStringLiteral(XREF_PATH));
        QCOMPARE(packed.size(), 386550 - 32); // 32 repeat a reference of the same verse
        QTemporaryDir dir;
        QFile cut(dir.filePath("cut.xz"));
        QVERIFY(cut.open(QIODevice::WriteOnly));
        QFile whole(QStringLiteral(XREF_PATH));
        QVERIFY(whole.open(QIODevice::ReadOnly));
        cut.write(whole.read(4000));
        cut.close();
        QVERIFY_THROWS_EXCEPTION(ImportError, CrossReferences{cut.fileName()});
        QVERIFY_THROWS_EXCEPTION(ImportError, CrossReferences{dir.filePath("none.tsv")});
        QFile plain(dir.filePath("plain.tsv"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("rev 22:21\tgen 1:1");
        plain.close();
        QCOMPARE(
            CrossReferences(plain.fileName()).pokOf(KeyOfPlace(66, 22, 21), {KeyOfPlace(1, 1, 1)}),
            QString("1 MOJ 1:1"));
    }

    void fileNamesAndCaptionsAreChecked() {
        QVERIFY(FileNameProblem("vidl.mdb").isEmpty());
        QVERIFY(FileNameProblem("abcdefghijklmnop.mdb").isEmpty()); // 20 characters
        QVERIFY(FileNameProblem("abcdefghijklmnopq.mdb").contains("longer than 20"));
        for (const char* bad :
             {"", "../x.mdb", "a/b", "a\\b", " x.mdb", "x.mdb ", "..", "a\tb", "a;b.mdb"})
            QVERIFY2(!FileNameProblem(bad).isEmpty(), bad);
        QVERIFY(!FileNameProblem(QString::fromUtf8("библија.mdb")).isEmpty());
        QVERIFY(FileNameProblem(QString::fromUtf8("čitanje.mdb")).isEmpty());

        QVERIFY(CaptionProblem("World English Bible").isEmpty());
        QVERIFY(CaptionProblem(QString::fromUtf8("Daničić–Karadžić")).isEmpty());
        QVERIFY(!CaptionProblem("").isEmpty());
        QVERIFY(!CaptionProblem("   ").isEmpty());
        QVERIFY(!CaptionProblem("two\r\nlines").isEmpty());
        QVERIFY(!CaptionProblem(QString(501, 'x')).isEmpty());
        QVERIFY(!CaptionProblem(QString::fromUtf8("Библија")).isEmpty());
    }

    void theListLineHasTheFileNameFieldAndTheCaption() {
        const QByteArray list = UpdateTranslationList({}, "vidl.mdb", "World English Bible");
        QCOMPARE(list, QByteArray("vidl.mdb            World English Bible\r\n"));
        const QByteArray serbian =
            UpdateTranslationList({}, QString::fromUtf8("čita.mdb"), QString::fromUtf8("Đak"));
        QCOMPARE(serbian, QByteArray("\xE8ita.mdb            \xD0"
                                     "ak\r\n"));
        const auto entries = ParseTranslationList(serbian);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].fileName, QString::fromUtf8("čita.mdb            "));
        QCOMPARE(entries[0].caption, QString::fromUtf8("Đak"));
    }

    void theLineOfTheSameFileIsReplacedInPlace() {
        const QByteArray old = "kjv.mdb             Old caption\r\n"
                               "vidl.mdb            World English Bible\r\n";
        QCOMPARE(UpdateTranslationList(old, "kjv.mdb", "King James Version (1769)"),
                 QByteArray("kjv.mdb             King James Version (1769)\r\n"
                            "vidl.mdb            World English Bible\r\n"));
        // "kjv.mdb2" is another file.
        QCOMPARE(UpdateTranslationList("kjv.mdb2            X\r\n", "kjv.mdb", "K"),
                 QByteArray("kjv.mdb2            X\r\nkjv.mdb             K\r\n"));
    }

    void otherLinesStayByteForByte() {
        // Lone LF and CR, a byte Windows-1250 leaves undefined, no final line break.
        const QByteArray old = "a.mdb               \x81 one\n"
                               "b.mdb               two\r"
                               "c.mdb               three";
        QCOMPARE(UpdateTranslationList(old, "new.mdb", "New"),
                 old + "\r\nnew.mdb             New\r\n");
        QCOMPARE(UpdateTranslationList(old, "b.mdb", "Two"),
                 QByteArray("a.mdb               \x81 one\n"
                            "b.mdb               Two\r"
                            "c.mdb               three"));
    }

    void aNewLineGoesBeforeTheEmptyLineThatEndsTheList() {
        const QByteArray old = "a.mdb               A\r\n\r\nnotes of the user\r\n";
        const QByteArray updated = UpdateTranslationList(old, "b.mdb", "B");
        QCOMPARE(updated, QByteArray("a.mdb               A\r\nb.mdb               B\r\n\r\n"
                                     "notes of the user\r\n"));
        QCOMPARE(ParseTranslationList(updated).size(), 2);
        // A line of the same name after the end of the list is not in the list.
        const QByteArray hidden = "\r\nb.mdb               old\r\n";
        QCOMPARE(UpdateTranslationList(hidden, "b.mdb", "B"),
                 QByteArray("b.mdb               B\r\n\r\nb.mdb               old\r\n"));
    }

    // A device that takes no more bytes (here a file size limit, as on a full disk) leaves the
    // old list byte for byte and says why.
    void aListThatCannotBeWrittenStaysAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.filePath(TranslationListFile);
        const QByteArray old = "a.mdb               A\r\nb.mdb               B\r\n";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();

        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = rlim_t(old.size() + 10);
        setrlimit(RLIMIT_FSIZE, &small);
        QString text;
        try {
            UpdateTranslationListFile(dir.path(), "c.mdb", QString(40, 'C'));
        } catch (const ImportError& e) {
            QCOMPARE(e.code(), ExitCannotWrite);
            text = e.text();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldSignal);

        QVERIFY2(text.contains(path) && text.contains("unchanged"), qPrintable(text));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{TranslationListFile});
    }
};

QTEST_GUILESS_MAIN(ImportRulesTest)
#include "tst_importrules.moc"

#include "DataModule.h"
#include "Errors.h"
#include "Messages.h"
#include "Query.h"
#include "Reports.h"
#include "RezultatiTrazenja.h"
#include "SearchIndex.h"
#include "TranslationList.h"
#include "Trazi.h"
#include "VerseFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList Items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

void Enter(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    QTest::keyClick(edit, Qt::Key_Return);
}

// The places of a search's rows, in the order delivered.
QStringList Places(const SearchResult& result) {
    QStringList places;
    for (const ResultRow& row : result.rows)
        places << row.Knjiga + ' ' + row.Glava + ':' + row.Rbr;
    return places;
}

const QVector<FixtureRow> Verses = {
    {"1 MOJ", 1, 1, "U početku stvori Bog nebo i zemlju.", "."},
    {"1 MOJ", 1, 2, "A zemlja beše bez obličja i pusta.", "."},
    {"1 MOJ", 2, 7, "I stvori Gospod Bog čoveka od praha zemaljskoga.", "."},
    {"PSAL", 23, 1, "GOSPOD je pastir moj, ništa mi neće nedostajati.", "."},
    {"PLAč", 3, 22, "MILOST JE GOSPODNJA ŠTO NE NESTASMO.", "."},
    {"MAT", 5, 8, "Blago onima koji su čistoga srca, jer će Boga videti.", "."},
    {"JOVAN", 1, 1, "U početku beše Reč, i Reč beše u Boga, i Bog beše Reč.", "."},
    {"JOVAN", 3, 16, "Jer Bogu tako omilje svet da je i Sina svog jedinorodnog dao.", "."},
    {"OTKR", 22, 21, "Blagodat Gospoda našeg Isusa Hrista sa svima vama. Amin.", "."},
    {"RIM", 1, 1, "Pavle, sluga Božji' i apostol; ' or '1'='1 stoji ovde.", "."},
    {"RIM", 1, 2, "ČOVEČE, ĐAVO I ŽIVOT; Ćuti Šta.", "."},
    {"GAL", 1, 3, QVariant(), "."},
    {"JOVAN", 8, 44, "Ваш је отац ђаво; и сласти оца свог хоћете да чините.", "."},
    {"RIM", 5, 12, "Зато као што кроз једног ЧОВЕКА дође на свет грех.", "."},
    {"JOVAN", 3, 36, "Који верује Сина има живот вечни.", "."},
    {"JUDA", 1, 9, "A Mihailo arhanđel, kad se prepiraše s Đavolom.", "."},
};

const QVector<FixtureRow> English = {
    {"1 MOJ", 3, 19, "By the sweat of your face will you eat bread.", "."},
    {"MAT", 4, 4, "Man shall not live by BREAD alone.", "."},
    {"MAT", 6, 11, "Give us today our daily bread.", "."},
    {"JOVAN", 6, 35, "Jesus said to them, I am the Bread of Life.", "."},
    {"PSAL", 23, 1, "Yahweh is my shepherd: I shall lack nothing.", "."},
    {"JOVAN", 6, 50, "This is the breadth of it.", "."},
};

// The search's folding done another way: Serbian Cyrillic letters from a table, then
// compatibility decomposition without marks.
QString Bare(const QString& text) {
    static const QString cyrillic = QStringLiteral("абвгдђежзијклљмњнопрстћуфхцчџш");
    static const QStringList latin = QStringLiteral("a b v g d đ e ž z i j k l lj m n nj o p r "
                                                    "s t ć u f h c č dž š")
                                         .split(' ');
    QString written;
    for (const QChar c : text.toLower()) {
        const qsizetype at = cyrillic.indexOf(c);
        written += at >= 0 ? latin[at] : QString(c);
    }
    written.replace(QStringLiteral("đ"), QStringLiteral("dj"));
    return written.normalized(QString::NormalizationForm_KD)
        .remove(QRegularExpression(QStringLiteral("\\p{M}")));
}

// The places a search must find, by a scan of the verses.
QStringList ScanPlaces(const QStringList& required, const QStringList& excluded,
                       const QStringList& alternatives, int markedNewBook, bool wholeOld,
                       bool ignoreMarks) {
    BookCatalogue catalogue;
    catalogue.FillBookCatalogue();
    const QString newBook =
        markedNewBook >= 0
            ? catalogue.BookCodes[BookCatalogue::LastOldTestamentBook + 1 + markedNewBook]
            : QString();
    QStringList expected;
    for (const FixtureRow& row : Verses) {
        if (row.tekst.isNull())
            continue;
        const QString text = ignoreMarks ? Bare(row.tekst.toString()) : row.tekst.toString();
        const auto has = [&](const QString& w) {
            return text.contains(ignoreMarks ? Bare(w.trimmed()) : w.trimmed(),
                                 Qt::CaseInsensitive);
        };
        const int book = [&] {
            for (int i = 1; i <= BookCatalogue::BookCount; ++i)
                if (catalogue.BookCodes[i] == row.knjiga.toString())
                    return i;
            return 0;
        }();
        const bool inBooks = (!wholeOld && newBook.isEmpty()) ||
                             (wholeOld && book <= BookCatalogue::LastOldTestamentBook) ||
                             row.knjiga.toString() == newBook;
        if (std::all_of(required.begin(), required.end(), has) &&
            std::none_of(excluded.begin(), excluded.end(), has) &&
            (alternatives.isEmpty() ||
             std::any_of(alternatives.begin(), alternatives.end(), has)) &&
            inBooks)
            expected << row.knjiga.toString() + ' ' + row.glava.toString() + ':' +
                            row.rbr.toString();
    }
    return expected;
}

} // namespace

class TestTrazi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void layoutAndActivation();
    void fitsASmallScreen();
    void enteringAndRemovingWords();
    void escapeCancels();
    void emptyListsGiveTheMessage();
    void typedWordsTakePart();
    void failedOpenKeepsTheDialog();
    void searchesMatchAScan_data();
    void searchesMatchAScan();
    void searchesTheChosenTranslation();
    void runSearchMatchesAScan_data() { searchesMatchAScan_data(); }
    void runSearchMatchesAScan();
    void searchReadsTheFileAsItIsNow();
    void countShownWhileTyping();
    void wordsTakingPartAndOcisti();
    void zeroPageOffersTheFoldedSearch();

private:
    QTemporaryDir dir_;
    std::unique_ptr<TfTrazi> dialog_;
    QStringList messages_;
};

void TestTrazi::initTestCase() {
    QVERIFY(dir_.isValid());
    const QString folder = dir_.path() + '/';
    QVERIFY(QDir(folder).mkpath("baza"));
    WriteVerseFile(folder + "baza/" + DefaultTranslationFile, Verses);
    WriteVerseFile(folder + "baza/web.mdb", English);
    QFile list(folder + TranslationListFile);
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write((TranslationLine(DefaultTranslationFile, "Ekavski") + "\r\n" +
                TranslationLine("web.mdb", "World English Bible") + "\r\n")
                   .toLatin1());
    SetMessageHandler([this](const QString& text) { messages_ << text; });
}

void TestTrazi::init() {
    messages_.clear();
    dialog_ = std::make_unique<TfTrazi>();
    dialog_->setProgramFolder(dir_.path() + '/');
    dialog_->FormActivate();
}

void TestTrazi::layoutAndActivation() {
    TfTrazi& d = *dialog_;
    QCOMPARE(d.windowTitle(), QStringLiteral("Vidoslov - Pretraga"));
    QCOMPARE(d.ControlsPage()->size(), QSize(862, 554));
    QCOMPARE(d.OldTestamentList()->count(), 39);
    QCOMPARE(d.NewTestamentList()->count(), 27);
    QCOMPARE(d.OldTestamentList()->item(0)->text(), QStringLiteral("Prva knjiga Mojsijeva"));
    QCOMPARE(d.NewTestamentList()->item(26)->text(),
             QStringLiteral("Otkrivenje svetoga Jovana bogoslova"));
    // Shown, it is centred and activated: the edits are emptied, the lists, marks and boxes stay.
    d.NewTestamentList()->item(2)->setCheckState(Qt::Checked);
    d.OldTestamentBox()->setChecked(true);
    Enter(d.RequiredEdit(), "reč");
    d.AlternativeEdit()->setText("typed, not entered");
    d.open();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QVERIFY(d.AlternativeEdit()->text().isEmpty());
    QCOMPARE(d.NewTestamentList()->count(), 27);
    QCOMPARE(d.NewTestamentList()->item(2)->checkState(), Qt::Checked);
    QVERIFY(d.OldTestamentBox()->isChecked());
    QCOMPARE(Items(d.RequiredList()), QStringList{"reč"});
    QVERIFY(d.isModal());
    // The caption of the box without diacritics ticks it.
    QVERIFY(!d.IgnoreMarksBox()->isChecked());
    QTest::mouseClick(d.IgnoreMarksLabel(), Qt::LeftButton);
    QVERIFY(d.IgnoreMarksBox()->isChecked());
}

void TestTrazi::fitsASmallScreen() {
    TfTrazi& d = *dialog_;
    d.open();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    const auto controls = d.ControlsPage()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    // On an 800x600 screen every control shows whole without scrolling, none on another; on a
    // large one the design arrangement shows whole.
    for (const QSize screen : {QSize(800, 600), QSize(1280, 800)}) {
        d.FitToScreen(screen);
        QVERIFY(d.width() < screen.width() - 8 && d.height() < screen.height() - 24);
        for (QWidget* w : controls) {
            const QRect place(w->mapTo(&d, QPoint()), w->size());
            QVERIFY2(d.rect().contains(place), qPrintable(w->objectName()));
            for (QWidget* other : controls)
                QVERIFY2(other == w ||
                             !place.intersects(QRect(other->mapTo(&d, QPoint()), other->size())),
                         qPrintable(w->objectName() + " " + other->objectName()));
        }
    }
    QCOMPARE(d.size(), QSize(862, 554));
    d.reject();
}

void TestTrazi::enteringAndRemovingWords() {
    TfTrazi& d = *dialog_;
    Enter(d.RequiredEdit(), "  Bog\t");
    Enter(d.RequiredEdit(), "   "); // blanks only: an empty word
    Enter(d.RequiredEdit(), "");    // nothing
    Enter(d.RequiredEdit(), "Bog");
    QCOMPARE(Items(d.RequiredList()), (QStringList{"Bog", "", "Bog"}));
    QVERIFY(d.RequiredEdit()->text().isEmpty());
    Enter(d.AlternativeEdit(), "p");
    Enter(d.ExcludedEdit(), "x");
    QCOMPARE(Items(d.AlternativeList()), QStringList{"p"});
    QCOMPARE(Items(d.ExcludedList()), QStringList{"x"});
    // The middle list gives the alternatives, the right one the excluded words.
    QCOMPARE(d.BuildWordCondition(), QStringLiteral("where  (tekst like '%Bog%' and  tekst like "
                                                    "'%%' and  tekst like '%Bog%')  and  (not "
                                                    "tekst like '%x%' )  and (tekst like '%p%')"));
    // Selecting a word removes it, and only it; by keyboard as well.
    d.RequiredList()->setCurrentRow(1);
    QCOMPARE(Items(d.RequiredList()), (QStringList{"Bog", "Bog"}));
    d.RequiredList()->setFocus();
    QTest::keyClick(d.RequiredList(), Qt::Key_Down);
    QCOMPARE(Items(d.RequiredList()).size(), 1);
}

void TestTrazi::escapeCancels() {
    TfTrazi& d = *dialog_;
    d.open();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    QTest::keyClick(d.ExcludedEdit(), Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
}

void TestTrazi::emptyListsGiveTheMessage() {
    TfTrazi& d = *dialog_;
    d.NewTestamentBox()->setChecked(true); // books alone make no search
    d.open();
    d.BtnTraziClick();
    QCOMPARE(messages_, QStringList{"Nije unesena nijedna rec!"});
    QVERIFY(d.isVisible());
    QVERIFY(d.Result().statement.isEmpty());
    d.reject();
}

void TestTrazi::typedWordsTakePart() {
    TfTrazi& d = *dialog_;
    Enter(d.RequiredEdit(), "zemlj");
    d.RequiredEdit()->setText("stvori");
    d.ExcludedEdit()->setText("Gospod");
    d.open();
    d.BtnTraziClick();
    QVERIFY(messages_.isEmpty());
    QCOMPARE(Items(d.RequiredList()), (QStringList{"zemlj", "stvori"}));
    QCOMPARE(Items(d.ExcludedList()), QStringList{"Gospod"});
    QVERIFY(d.RequiredEdit()->text().isEmpty() && d.ExcludedEdit()->text().isEmpty());
    QCOMPARE(Places(d.Result()), QStringList{"1 MOJ 1:1"});
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TestTrazi::failedOpenKeepsTheDialog() {
    TfTrazi& d = *dialog_;
    d.setProgramFolder(dir_.path() + "/nema/");
    Enter(d.RequiredEdit(), "Bog");
    d.open();
    QVERIFY_THROWS_EXCEPTION(DatabaseError, d.BtnTraziClick());
    QVERIFY(d.isVisible());
    QVERIFY(d.Result().rows.empty());
    QCOMPARE(SearchStatement(d.Request()),
             (QStringList{"select * from vidoslov", "where  (tekst like '%Bog%')"}));
    d.reject();
}

void TestTrazi::searchesMatchAScan_data() {
    QTest::addColumn<QStringList>("required");
    QTest::addColumn<QStringList>("excluded");
    QTest::addColumn<QStringList>("alternatives");
    QTest::addColumn<int>("markedNewBook"); // index in the New Testament list, -1 for none
    QTest::addColumn<bool>("wholeOld");
    QTest::addColumn<bool>("ignoreMarks");
    const QStringList none;
    QTest::newRow("letter case of Serbian letters")
        << QStringList{"čoveče", "đavo", "život", "ćuti", "šta"} << none << none << -1 << false
        << false;
    QTest::newRow("all three") << QStringList{"bog"} << QStringList{"reč"}
                               << QStringList{"zemlj", "SVET"} << -1 << false << false;
    QTest::newRow("excluded only")
        << none << QStringList{"gospod", "Š"} << none << -1 << false << false;
    QTest::newRow("blanks: empty word")
        << QStringList{"  "} << none << none << -1 << false << false;
    QTest::newRow("books") << QStringList{"BOG"} << none << none << 3 << true << false;
    QTest::newRow("apostrophe") << QStringList{"Božji'"} << none << none << -1 << false << false;
    QTest::newRow("injection") << QStringList{"' or '1'='1"} << none << none << -1 << false
                               << false;
    QTest::newRow("nothing found") << QStringList{"jagnje"} << none << none << -1 << false << false;
    QTest::newRow("without marks") << QStringList{"covek"} << none << none << -1 << false << true;
    QTest::newRow("dj") << QStringList{"djavo"} << none << none << -1 << false << true;
    QTest::newRow("capitals, no marks")
        << QStringList{"ZIVOT"} << none << none << -1 << false << true;
    QTest::newRow("all three, no marks") << QStringList{"Đavo"} << QStringList{"ARHANĐEL"}
                                         << QStringList{"oca", "ljubav"} << -1 << false << true;
}

void TestTrazi::searchesMatchAScan() {
    QFETCH(QStringList, required);
    QFETCH(QStringList, excluded);
    QFETCH(QStringList, alternatives);
    QFETCH(int, markedNewBook);
    QFETCH(bool, wholeOld);
    QFETCH(bool, ignoreMarks);
    TfTrazi& d = *dialog_;
    for (const QString& w : required)
        Enter(d.RequiredEdit(), w);
    for (const QString& w : excluded)
        Enter(d.ExcludedEdit(), w);
    for (const QString& w : alternatives)
        Enter(d.AlternativeEdit(), w);
    if (markedNewBook >= 0)
        d.NewTestamentList()->item(markedNewBook)->setCheckState(Qt::Checked);
    d.OldTestamentBox()->setChecked(wholeOld);
    d.IgnoreMarksBox()->setChecked(ignoreMarks);
    d.open();
    d.BtnTraziClick();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QVERIFY(!d.isVisible());
    QVERIFY(!d.Result().statement.isEmpty());

    const QStringList expected =
        ScanPlaces(required, excluded, alternatives, markedNewBook, wholeOld, ignoreMarks);
    QCOMPARE(Places(d.Result()), expected);
    QCOMPARE(expected.isEmpty(), QTest::currentDataTag() == QLatin1String("nothing found"));
    QVERIFY(messages_.isEmpty());
}

void TestTrazi::searchesTheChosenTranslation() {
    TfTrazi& d = *dialog_;
    d.setProgramFolder(dir_.path() + '/');
    d.FillTranslations();
    QCOMPARE(d.TranslationCombo()->count(), 2);
    QCOMPARE(d.TranslationCombo()->currentText(), QStringLiteral("Ekavski"));
    d.TranslationCombo()->setCurrentIndex(1);
    Enter(d.RequiredEdit(), "bread");
    d.BtnTraziClick();
    // As many as a count of the rows holding the word, in any letter case.
    int expected = 0;
    for (const FixtureRow& row : English)
        expected += row.tekst.toString().contains("bread", Qt::CaseInsensitive);
    QCOMPARE(int(d.Result().rows.size()), expected);
    QCOMPARE(d.Searched().translation, QStringLiteral("World English Bible"));
    QCOMPARE(d.Searched().file, QStringLiteral("web.mdb"));
    QCOMPARE(d.Searched().words, QStringList{"bread"});
    // The default translation again.
    d.TranslationCombo()->setCurrentIndex(0);
    d.BtnTraziClick();
    QVERIFY(d.Result().rows.empty());
    QVERIFY(d.Searched().file.isEmpty());
}

void TestTrazi::runSearchMatchesAScan() {
    QFETCH(QStringList, required);
    QFETCH(QStringList, excluded);
    QFETCH(QStringList, alternatives);
    QFETCH(int, markedNewBook);
    QFETCH(bool, wholeOld);
    QFETCH(bool, ignoreMarks);
    BookCatalogue catalogue;
    catalogue.FillBookCatalogue();
    SearchRequest request;
    const auto trimmed = [](const QStringList& words) {
        QStringList list;
        for (const QString& w : words)
            list << TrimSearchText(w);
        return list;
    };
    request.words = {trimmed(required), trimmed(excluded), trimmed(alternatives)};
    for (int i = 1; i <= BookCatalogue::BookCount; ++i) {
        TestamentChoice& choice =
            i <= BookCatalogue::LastOldTestamentBook ? request.oldTestament : request.newTestament;
        choice.codes << catalogue.BookCodes[i];
        choice.marked << (markedNewBook >= 0 &&
                          i == BookCatalogue::LastOldTestamentBook + 1 + markedNewBook);
    }
    request.oldTestament.whole = wholeOld;
    request.folded = ignoreMarks;
    QCOMPARE(Places(RunSearch(request, dir_.path() + '/')),
             ScanPlaces(required, excluded, alternatives, markedNewBook, wholeOld, ignoreMarks));
}

void TestTrazi::searchReadsTheFileAsItIsNow() {
    // Searches keep their connection; a file replaced between two searches is read anew.
    const QString folder = dir_.path() + "/replaced/";
    QVERIFY(QDir(folder).mkpath("baza"));
    const QString file = folder + "baza/" + DefaultTranslationFile;
    WriteVerseFile(file, Verses);
    AddSearchIndex(file);
    SearchRequest request;
    request.words.required = QStringList{QStringLiteral("bread")};
    QCOMPARE(RunSearch(request, folder).rows.size(), size_t(0));
    WriteVerseFile(file, English);
    AddSearchIndex(file);
    QCOMPARE(Places(RunSearch(request, folder)),
             (QStringList{"1 MOJ 3:19", "MAT 4:4", "MAT 6:11", "JOVAN 6:35", "JOVAN 6:50"}));
}

void TestTrazi::countShownWhileTyping() {
    TfTrazi& d = *dialog_;
    d.ExcludedList()->addItem(QStringLiteral("pastir"));
    QTest::keyClicks(d.RequiredEdit(), QStringLiteral("gospod"));
    SearchRequest request = d.Request();
    request.words.required = QStringList{QStringLiteral("gospod")};
    const auto expected = RunSearch(request, dir_.path() + '/').rows.size();
    QVERIFY(expected > 0);
    QTRY_COMPARE(d.CountLabel()->text(), QStringLiteral("Poklapanja: %1").arg(expected));
    // A backspace, the letter again, then the other lists changed: the counts kept while typing
    // are those of the words as they are now.
    const auto shown = [&](const QString& word) {
        SearchRequest now = d.Request();
        now.words.required = QStringList{word};
        return QStringLiteral("Poklapanja: %1").arg(RunSearch(now, dir_.path() + '/').rows.size());
    };
    QTest::keyClick(d.RequiredEdit(), Qt::Key_Backspace);
    QTRY_COMPARE(d.CountLabel()->text(), shown(QStringLiteral("gospo")));
    QTest::keyClick(d.RequiredEdit(), 'd');
    QTRY_COMPARE(d.CountLabel()->text(), shown(QStringLiteral("gospod")));
    d.ExcludedList()->clear();
    d.IgnoreMarksBox()->setChecked(true);
    QVERIFY(shown(QStringLiteral("gospod")) != QStringLiteral("Poklapanja: %1").arg(expected));
    QTRY_COMPARE(d.CountLabel()->text(), shown(QStringLiteral("gospod")));
    // Two letters count nothing.
    d.RequiredEdit()->setText(QStringLiteral("go"));
    QCOMPARE(d.CountLabel()->text(), QString());
    // A phrase keeps its quotes in the list and is counted as a phrase.
    Enter(d.RequiredEdit(), QStringLiteral("\"stvori gospod\""));
    QCOMPARE(Items(d.RequiredList()), QStringList{QStringLiteral("\"stvori gospod\"")});
    QTRY_COMPARE(d.CountLabel()->text(), QStringLiteral("Poklapanja: 1"));
}

void TestTrazi::wordsTakingPartAndOcisti() {
    TfTrazi& d = *dialog_;
    Enter(d.RequiredEdit(), QStringLiteral("pastir"));
    Enter(d.ExcludedEdit(), QStringLiteral("vuk"));
    d.RequiredEdit()->setText(QStringLiteral("mana"));
    QCOMPARE(d.WordsLabel()->text(), QStringLiteral("pastir, mana; ne: vuk"));
    d.ClearButton()->click();
    QVERIFY(Items(d.RequiredList()).isEmpty() && Items(d.ExcludedList()).isEmpty());
    QCOMPARE(d.WordsLabel()->text(), QStringLiteral("mana"));
    // A word entered twice is named once in the results' title.
    QCOMPARE(ResultsTitleLine(QString(), {QStringLiteral("hleb"), QStringLiteral("hleb")}, 2),
             QStringLiteral("Pretraga — reči: hleb — 2 poklapanja"));
}

void TestTrazi::zeroPageOffersTheFoldedSearch() {
    TfTrazi& d = *dialog_;
    Enter(d.RequiredEdit(), QStringLiteral("covek"));
    d.BtnTraziClick();
    QCOMPARE(d.Result().rows.size(), size_t(0));
    TfRezultatiTrazenja results;
    connect(&results, &TfRezultatiTrazenja::foldedSearchWanted, &results,
            [&](const SearchRequest& request) { results.ShowResults(d.SearchFolded(request)); });
    results.ShowResults(d.TakeResult());
    QVERIFY(results.NoHitWords()->isVisible());
    QCOMPARE(results.NoHitWords()->text(), QStringLiteral("Tražene reči: covek"));
    QVERIFY(results.FoldedOffer()->isVisible());
    // "čoveka" and "ЧОВЕКА": the Latin word finds the Cyrillic text too.
    QCOMPARE(results.FoldedOffer()->text(), QStringLiteral("Bez obzira na kvačice: 2 poklapanja"));
    // It has the keys: Enter runs it.
    QCOMPARE(results.focusWidget(), results.FoldedOffer());
    QTest::keyClick(results.FoldedOffer(), Qt::Key_Return);
    QCOMPARE(results.Found().size(), size_t(2));
    QVERIFY(!results.FoldedOffer()->isVisible());
    QVERIFY(d.IgnoreMarksBox()->isChecked());
}

QTEST_MAIN(TestTrazi)
#include "tst_trazi.moc"

#include "ChapterLayout.h"
#include "DataModule.h"
#include "Errors.h"
#include "Kvlabel.h"
#include "Messages.h"
#include "PaneLabels.h"
#include "ScrollBox.h"
#include "VerseFixture.h"

#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

FixtureRow Row(const char* book, int chapter, QVariant verse, const QString& text,
               QVariant pok = QVariant()) {
    return {QString::fromUtf8(book), chapter, verse, text, pok};
}

QString Refs(int count, const char* ref) {
    QStringList refs;
    for (int i = 0; i < count; ++i)
        refs << QString::fromUtf8(ref);
    return refs.join('|');
}

} // namespace

Q_DECLARE_METATYPE(ReferenceMode)

class TestLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void versesStackDownTheBox();
    void referencesFlowUnderTheirVerse();
    void referenceCrossingTheLimitStartsTheNextLine();
    void wideFirstReferenceLeavesAnEmptyLine();
    void referenceTextsSplitAtBars();
    void referenceModes_data();
    void referenceModes();
    void labelsAreReusedAndSurplusHidden();
    void highlightFollowsTheChosenVerse();
    void chosenVerseIsScrolledIntoView();
    void paneFontsReachTheLabels();
    void badVerseNumberIsReportedAndTheRestShown();
    void freedLabelsAreCreatedAgain();
    void onlyLabelsNearTheViewAreShown();
    void everyShownLabelTakesItsClicks();
    void preparedLabelsShowTheChapterAlike();

private:
    void lay(const char* book, int chapter);
    TKvlabel* label(int k) const;

    QTemporaryDir dir_;
    std::unique_ptr<QWidget> host_;
    TScrollBox* box_ = nullptr;
    std::unique_ptr<PaneLabels> state_;
    PaneEntry pane_;
    std::unique_ptr<Query> query_;
};

void TestLayout::initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("baza")));
    QVector<FixtureRow> rows;
    rows << Row("GEN", 1, 1, QStringLiteral("In the beginning."))
         << Row("GEN", 1, 2,
                QStringLiteral("A second verse, long enough to be wrapped over "
                               "more than one line of the pane."),
                QStringLiteral("  .  "))
         << Row("GEN", 1, 3, QStringLiteral("Third."), QStringLiteral(" "));
    rows << Row("GEN", 2, 1, QStringLiteral("With two references."),
                QStringLiteral("MAT 1:2|LUKA 3:4"))
         << Row("GEN", 2, 2, QStringLiteral("After them."));
    rows << Row("GEN", 3, 1, QStringLiteral("Six references."), Refs(6, "AAA 1:1"))
         << Row("GEN", 3, 2, QStringLiteral("Next."));
    rows << Row("GEN", 4, 1, QStringLiteral("Bars."), QStringLiteral("A 1:1||B 2:2|"))
         << Row("GEN", 4, 2, QStringLiteral("Leading bar."), QStringLiteral("|C 3:3"))
         << Row("GEN", 4, 3, QStringLiteral("Blanks."), QStringLiteral("D 1:1 | E 2:2"));
    for (int v = 1; v <= 50; ++v)
        rows << Row("LONG", 1, v, QStringLiteral("Verse number %1 of the long chapter.").arg(v));
    for (int v = 1; v <= 20; ++v)
        rows << Row("LONG", 2, v, QStringLiteral("Short %1.").arg(v));
    for (int v = 1; v <= 20; ++v)
        rows << Row("LONG", 3, v,
                    v == 9 ? QStringLiteral("A verse of many lines. ").repeated(40)
                           : QStringLiteral("Short %1.").arg(v));
    rows << Row("DUP", 1, 1, QStringLiteral("One.")) << Row("DUP", 1, 2, QStringLiteral("Two."))
         << Row("DUP", 1, 2, QStringLiteral("Two again.")) << Row("DUP", 1, 3, QStringLiteral("3"));
    rows << Row("MANY", 1, 1, QStringLiteral("Many references."), Refs(1000, "MAT 1:1"));
    rows << Row("NUL", 1, QVariant(), QStringLiteral("No number."))
         << Row("NUL", 1, 2, QStringLiteral("Two."));
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")), rows);
}

void TestLayout::init() {
    state_ = std::make_unique<PaneLabels>();
    pane_ = PaneEntry();
    host_ = std::make_unique<QWidget>();
    host_->resize(420, 320);
    box_ = new TScrollBox(host_.get());
    box_->setGeometry(0, 0, 400, 300);
    box_->Tag = 1;
    host_->show();
    QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    query_ = std::make_unique<Query>();
    query_->setConnectionString(TranslationConnectionString(
        QString::fromLatin1(DefaultTranslationFile), dir_.path() + QLatin1Char('/')));
}

void TestLayout::cleanup() {
    query_.reset();
    state_->Labels.FreeAll();
    host_.reset();
    state_.reset();
}

void TestLayout::lay(const char* book, int chapter) {
    state_->LabelsUsed[1] = 0;
    LoadChapter(QStringLiteral("vidoslov"), QString::fromUtf8(book), chapter, *query_,
                [this](Query& q) { LayoutChapter(*state_, pane_, *box_, q); });
}

TKvlabel* TestLayout::label(int k) const {
    return state_->Labels.Find(QStringLiteral("labela1%1").arg(k));
}

void TestLayout::versesStackDownTheBox() {
    lay("GEN", 1);
    QCOMPARE(state_->LabelsUsed[1], 3);
    QCOMPARE(state_->LabelsCreated[1], 3);
    QVERIFY(label(1) && label(2) && label(3));
    QCOMPARE(label(1)->objectName(), QStringLiteral("labela11"));
    QCOMPARE(state_->Labels.Find(QStringLiteral("LABELA13")), label(3));
    QCOMPARE(label(1)->pos(), QPoint(5, 10));
    QCOMPARE(label(1)->Tekst(), QStringLiteral("1. In the beginning."));
    QCOMPARE(label(1)->Vrsta(), Tekst1);
    QCOMPARE(label(1)->Sirina, 400 - 30);
    QCOMPARE(label(1)->Tag, 1);
    QCOMPARE(label(2)->Knjiga, QStringLiteral("GEN"));
    QCOMPARE(label(2)->Glava, QStringLiteral("1"));
    QCOMPARE(label(2)->Rbr, QStringLiteral("2"));
    // A "." or blank reference column gives no reference line.
    QVERIFY(label(2)->TextHeight() > label(1)->TextHeight());
    QCOMPARE(label(2)->pos(), QPoint(5, 10 + label(1)->TextHeight()));
    QCOMPARE(label(3)->pos(), QPoint(5, label(2)->pos().y() + label(2)->TextHeight()));
    QVERIFY(box_->isVisible());
    // The query is left open on its first row.
    QVERIFY(query_->isOpen());
    QCOMPARE(query_->fieldAsText(QStringLiteral("rbr")), QStringLiteral("1"));
}

void TestLayout::referencesFlowUnderTheirVerse() {
    lay("GEN", 2);
    QCOMPARE(state_->LabelsUsed[1], 4);
    TKvlabel* verse = label(1);
    TKvlabel* first = label(2);
    TKvlabel* second = label(3);
    const int bottom = 10 + verse->TextHeight();
    QCOMPARE(first->Vrsta(), Pok1);
    QCOMPARE(first->Tekst(), QStringLiteral("MAT 1:2,"));
    QCOMPARE(second->Tekst(), QStringLiteral("LUKA 3:4,"));
    QCOMPARE(first->pos(), QPoint(5, bottom));
    QCOMPARE(second->pos(), QPoint(5 + first->LineWidth(), bottom));
    // A reference label carries the place of its verse and follows the reference on a click.
    QCOMPARE(second->Knjiga, QStringLiteral("GEN"));
    QCOMPARE(second->Glava, QStringLiteral("2"));
    QCOMPARE(second->Rbr, QStringLiteral("1"));
    QVERIFY(verse->Clickable()); // a click chooses the verse
    QCOMPARE(label(4)->pos(), QPoint(5, bottom + 15));
}

void TestLayout::referenceCrossingTheLimitStartsTheNextLine() {
    lay("GEN", 3);
    const int w = label(2)->LineWidth();
    QVERIFY(w > 0);
    // Room for exactly two references a line: the third reaches width - 20.
    box_->resize(5 + 3 * w + 20, 300);
    lay("GEN", 3);
    const int top = 10 + label(1)->TextHeight();
    for (int k = 0; k < 6; ++k) {
        const TKvlabel* ref = label(2 + k);
        QCOMPARE(ref->pos(), QPoint(5 + (k % 2) * w, top + 15 * (k / 2)));
    }
    QCOMPARE(label(8)->pos(), QPoint(5, top + 15 * 2 + 15));
}

void TestLayout::wideFirstReferenceLeavesAnEmptyLine() {
    lay("GEN", 2);
    const int w = label(2)->LineWidth();
    box_->resize(5 + w + 20, 300);
    lay("GEN", 2);
    const int top = 10 + label(1)->TextHeight();
    QCOMPARE(label(2)->pos(), QPoint(5, top + 15));
    QCOMPARE(label(3)->pos(), QPoint(5, top + 30));
    QCOMPARE(label(4)->pos(), QPoint(5, top + 45));
}

void TestLayout::referenceModes_data() {
    QTest::addColumn<int>("chapter"); // verse 1 has 2 (chapter 2) or 6 (chapter 3) references
    QTest::addColumn<ReferenceMode>("mode");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<int>("labels");
    QTest::addColumn<QString>("last");
    QTest::newRow("all") << 3 << ReferenceMode::All << false << 6 << "AAA 1:1,";
    QTest::newRow("three") << 3 << ReferenceMode::FirstThree << false << 4 << "još 3";
    QTest::newRow("three, opened") << 3 << ReferenceMode::FirstThree << true << 6 << "AAA 1:1,";
    QTest::newRow("three of two") << 2 << ReferenceMode::FirstThree << false << 2 << "LUKA 3:4,";
    QTest::newRow("none") << 3 << ReferenceMode::None << false << 0 << "";
    QTest::newRow("none, opened") << 3 << ReferenceMode::None << true << 0 << "";
}

void TestLayout::referenceModes() {
    QFETCH(int, chapter);
    QFETCH(ReferenceMode, mode);
    QFETCH(bool, opened);
    QFETCH(int, labels);
    QFETCH(QString, last);
    pane_.references = mode;
    if (opened)
        state_->Opened[1].insert(QStringLiteral("1"));
    lay("GEN", chapter);
    QCOMPARE(state_->LabelsUsed[1], 2 + labels);
    QCOMPARE(label(2 + labels)->Vrsta(), Tekst1); // the next verse
    if (labels > 0) {
        QCOMPARE(label(1 + labels)->Tekst(), last);
        QCOMPARE(IsMoreReferences(*label(1 + labels)), last.startsWith(QStringLiteral("još")));
    }
}

void TestLayout::referenceTextsSplitAtBars() {
    lay("GEN", 4);
    QStringList refs;
    for (int k = 1; k <= state_->LabelsUsed[1]; ++k)
        if (label(k)->Vrsta() == Pok1)
            refs << label(k)->Tekst();
    QCOMPARE(refs, (QStringList{"A 1:1,", ",", "B 2:2,", ",", "C 3:3,", "D 1:1 ,", " E 2:2,"}));
}

void TestLayout::labelsAreReusedAndSurplusHidden() {
    lay("LONG", 1);
    QCOMPARE(state_->LabelsCreated[1], 50);
    QPointer<TKvlabel> seventh = label(7);
    lay("LONG", 2);
    QCOMPARE(state_->LabelsUsed[1], 20);
    QCOMPARE(state_->LabelsCreated[1], 50);
    QCOMPARE(label(7), seventh.data());
    QCOMPARE(label(7)->Tekst(), QStringLiteral("7. Short 7."));
    for (int k = 1; k <= 20; ++k)
        QVERIFY(label(k)->isVisible());
    for (int k = 21; k <= 50; ++k) {
        QVERIFY(label(k)->isHidden());
        QVERIFY(label(k)->Tekst().isEmpty());
    }
    // The range covers the shown chapter, not the hidden labels.
    QVERIFY(box_->contentSize().height() <= label(21)->pos().y());
    lay("LONG", 1);
    QCOMPARE(state_->LabelsCreated[1], 50);
    QVERIFY(label(50)->isVisible());
    QCOMPARE(state_->Labels.Count(), 50);
}

void TestLayout::highlightFollowsTheChosenVerse() {
    pane_.verse = 2;
    lay("DUP", 1);
    QVERIFY(!label(2)->isTransparent());
    QCOMPARE(label(2)->BackgroundColor(), HighlightColor);
    QCOMPARE(state_->HighlightTop, label(2)->pos().y() + label(2)->TextHeight());
    // Only the first of two equal numbers.
    QVERIFY(label(3)->isTransparent());

    pane_.verse = 3;
    lay("DUP", 1);
    QVERIFY(label(2)->isTransparent());
    QVERIFY(!label(4)->isTransparent());

    pane_.verse = 9;
    lay("DUP", 1);
    QCOMPARE(state_->HighlightTop, 0);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(label(k)->isTransparent());
    QCOMPARE(box_->VertPosition(), 0);
}

void TestLayout::chosenVerseIsScrolledIntoView() {
    box_->resize(400, 200);
    pane_.verse = 40;
    lay("LONG", 1);
    QCOMPARE(state_->HighlightTop, label(40)->pos().y() + label(40)->TextHeight());
    QCOMPARE(box_->VertPosition(), state_->HighlightTop - 100);
    // The range reaches the last label.
    const QRect last = label(50)->geometry();
    QVERIFY(box_->verticalScrollBar()->maximum() + box_->viewport()->height() >= last.bottom() + 1);

    // The last verse: as far as the range goes.
    pane_.verse = 50;
    lay("LONG", 1);
    QCOMPARE(box_->VertPosition(), box_->verticalScrollBar()->maximum());
    QVERIFY(box_->VertPosition() > 0);
    QVERIFY(label(50)->geometry().bottom() < box_->VertPosition() + box_->viewport()->height());

    // Verse 1 keeps the view at the top; a new layout starts from the top.
    pane_.verse = 1;
    lay("LONG", 1);
    QCOMPARE(box_->VertPosition(), 0);

    // A verse taller than the distance keeps its first line in view, near the top.
    QCOMPARE(HighlightScrollPosition(300, 340), 240);
    QCOMPARE(HighlightScrollPosition(300, 700), 290);
    pane_.verse = 9;
    lay("LONG", 3);
    QVERIFY(label(9)->TextHeight() > 300);
    QCOMPARE(box_->VertPosition(), label(9)->pos().y() - 10);
}

void TestLayout::paneFontsReachTheLabels() {
    pane_.textFont = TKvFont{QStringLiteral("Courier"), 15, fsItalic, clRed, 0};
    pane_.refFont = TKvFont{QStringLiteral("Times"), 8, fsBold, clNavy, 0};
    lay("GEN", 2);
    QCOMPARE(label(1)->FontTekst.Name, QStringLiteral("Courier"));
    QCOMPARE(label(1)->FontTekst.Size, 15);
    QCOMPARE(label(1)->FontTekst.Style, int(fsItalic));
    QCOMPARE(label(1)->FontTekst.Color, clRed);
    // The label keeps its own character set.
    QCOMPARE(label(1)->FontTekst.Charset, 238);
    QCOMPARE(label(2)->FontPok.Name, QStringLiteral("Times"));
    QCOMPARE(label(2)->FontColor(), clNavy);
}

void TestLayout::badVerseNumberIsReportedAndTheRestShown() {
    lay("LONG", 2);
    pane_.verse = 2;
    QStringList messages;
    const MessageHandler previous =
        SetMessageHandler([&messages](const QString& text) { messages << text; });
    lay("NUL", 1);
    SetMessageHandler(previous);
    QCOMPARE(messages, QStringList{"'' is not a valid floating point value (" +
                                   dir_.filePath("baza/vidl.mdb") + ", NUL 1)"});
    QVERIFY(box_->isVisible());
    QCOMPARE(state_->LabelsUsed[1], 2);
    QCOMPARE(label(1)->Tekst(), QStringLiteral(". No number."));
    QCOMPARE(label(2)->Tekst(), QStringLiteral("2. Two."));
    QVERIFY(!label(2)->isTransparent()); // the chosen verse after the bad one
    QVERIFY(label(3)->isHidden());
}

void TestLayout::freedLabelsAreCreatedAgain() {
    lay("GEN", 1);
    QPointer<TKvlabel> first = label(1);
    FreePaneLabels(*state_, 1);
    QVERIFY(first.isNull());
    QCOMPARE(state_->LabelsCreated[1], 0);
    QCOMPARE(state_->Labels.Count(), 0);
    lay("GEN", 1);
    QCOMPARE(state_->LabelsCreated[1], 3);
}

void TestLayout::onlyLabelsNearTheViewAreShown() {
    lay("MANY", 1);
    const int last = state_->LabelsUsed[1];
    QCOMPARE(last, 1001);
    QVERIFY(label(last)->pos().y() > 4 * box_->height());
    QVERIFY(label(1)->isVisible() && !label(last)->isVisible());
    QVERIFY(!label(last)->isHidden()); // laid out, shown when scrolled to
    box_->setVertPosition(label(last)->pos().y());
    QVERIFY(label(last)->isVisible() && !label(1)->isVisible());
    // A short chapter after it shows at once.
    lay("GEN", 1);
    QVERIFY(label(1)->isVisible() && label(3)->isVisible());
}

// Labels go into holders of a hundred that lie over each other: a label whose line the next
// holder begins on is still the widget under the pointer.
void TestLayout::everyShownLabelTakesItsClicks() {
    lay("MANY", 1);
    int checked = 0;
    for (int k = 1; k <= state_->LabelsUsed[1]; ++k) {
        TKvlabel* l = label(k);
        if (!l->isVisible())
            continue;
        const QPoint at = l->mapTo(box_->widget(), l->rect().center());
        QVERIFY2(box_->widget()->childAt(at) == l, qPrintable(QString::number(k)));
        ++checked;
    }
    QVERIFY(checked > 2 * TScrollBox::LabelsPerHolder);
}

// Labels made ahead of need, a batch at a time, lay a chapter out as labels made by the layout
// do, and their references still tell the box of clicks and tooltip wishes.
void TestLayout::preparedLabelsShowTheChapterAlike() {
    const auto shown = [this] {
        QStringList out;
        for (int k = 1; k <= state_->LabelsUsed[1]; ++k) {
            const TKvlabel* l = label(k);
            out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                       .arg(l->objectName(), l->Tekst(), l->Knjiga, l->Glava, l->Rbr)
                       .arg(QVariant(l->geometry()).toString())
                       .arg(l->isVisible());
        }
        return out;
    };
    lay("MANY", 1);
    const QStringList made = shown();
    FreePaneLabels(*state_, 1);
    int batches = 0;
    while (PrepareLabels(*state_, pane_, *box_, 1100, 300))
        ++batches;
    QCOMPARE(batches, 3);
    QCOMPARE(state_->LabelsCreated[1], 1100);
    QVERIFY(label(1)->isHidden() && label(1100)->isHidden());
    lay("MANY", 1);
    QCOMPARE(shown(), made);
    QCOMPARE(state_->LabelsCreated[1], 1100);
    QVERIFY(label(1002)->isHidden() && label(1002)->Tekst().isEmpty());

    TKvlabel* ref = label(2);
    QCOMPARE(ref->Vrsta(), Pok1);
    QSignalSpy clicks(box_, &TScrollBox::labelClicked);
    QSignalSpy tips(box_, &TScrollBox::labelToolTip);
    QTest::mouseClick(ref, Qt::LeftButton);
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), ref->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(ref, &tip);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.first().first().value<TKvlabel*>(), ref);
    QCOMPARE(tips.count(), 1);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"

#include "Application.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "MainWindow.h"
#include "PodesiFont.h"
#include "ProgramFixture.h"
#include "VerseFixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>
#include <optional>

namespace {

FixtureRow Row(int chapter, int verse, const char* text, QVariant pok = QVariant()) {
    return {QStringLiteral("1 MOJ"), chapter, verse, QString::fromUtf8(text), pok};
}

const TKvFont StartText{QStringLiteral("Arial"), 13, fsBold, clBlack, 238};
const TKvFont StartRef{QStringLiteral("Arial"), 10, 0, clBlue, 238};
const TKvFont Serif{QStringLiteral("DejaVu Serif"), 20, fsItalic, 0x008000, 238};
const TKvFont Mono{QStringLiteral("DejaVu Sans Mono"), 12, 0, 0x008000, 238};

} // namespace

char* toString(const TKvFont& f) {
    return QTest::toString(QStringLiteral("%1 %2 style %3 colour %4 set %5")
                               .arg(f.Name)
                               .arg(f.Size)
                               .arg(f.Style)
                               .arg(f.Color, 6, 16, QLatin1Char('0'))
                               .arg(f.Charset));
}

class TestPodesiFont : public QObject, private ProgramFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void okWithoutChoiceRebuildsThePane();
    void newTextFontChangesOnlyItsPane();
    void referenceColourChangesAwayFromPointer();
    void everyChoiceStartsFromThePaneFont();
    void closeBoxChangesNothing();

private:
    TfPodesiFont* d() const { return program_->fPodesiFont.get(); }
    // The dialog's next showing runs steps, then ends with Enter (OK) or the close box.
    void whenShown(std::function<void()> steps, bool ok);
    // The font dialog gives these answers in turn; an empty answer cancels.
    QList<std::optional<TKvFont>> answers_;
    QList<TKvFont> starts_;
};

void TestPodesiFont::initTestCase() {
    prepareFolder();
    WriteVerseFile(dir_.filePath(QStringLiteral("baza/vidl.mdb")),
                   {Row(1, 1, "U početku.", QStringLiteral("MAT 1:2|JOVAN 3:16")),
                    Row(1, 2, "Drugi stih."), Row(2, 1, "Glava dva."), Row(2, 2, "Dva dva.")});
}

void TestPodesiFont::init() {
    startProgram();
    m()->State().SetBookCode(QStringLiteral("1 MOJ"));
    answers_.clear();
    starts_.clear();
    d()->ChooseFont = [this](TKvFont& font) {
        starts_ << font;
        const std::optional<TKvFont> answer =
            answers_.isEmpty() ? std::nullopt : answers_.takeFirst();
        if (answer)
            font = *answer;
        return answer.has_value();
    };
}

void TestPodesiFont::cleanup() {
    program_.reset();
}

void TestPodesiFont::whenShown(std::function<void()> steps, bool ok) {
    d()->ShowModal = [this, steps, ok] {
        d()->show();
        steps();
        if (ok)
            QTest::keyClick(d(), Qt::Key_Return);
        else
            d()->close();
        return d()->result();
    };
}

void TestPodesiFont::okWithoutChoiceRebuildsThePane() {
    TfMain* w = m();
    w->SetActivePane(3);
    w->ShowReference(QStringLiteral("1 MOJ 1:1"));
    w->ChapterEdit(3)->setText(QStringLiteral("2"));
    w->VerseEdit(3)->setText(QStringLiteral("2"));
    w->SetActivePane(1);
    QPointer<TKvlabel> old = label(3, 1);
    whenShown([] {}, true);
    emit w->FontButton(3)->clicked();

    QCOMPARE(d()->FontPane, 3);
    QVERIFY(old.isNull());
    QCOMPARE(w->GetActivePane(), 3);
    QCOMPARE(w->State().Chapter(3), 2);
    QCOMPARE(label(3, 2)->Tekst(), QStringLiteral("2. Dva dva."));
    QVERIFY(!label(3, 2)->isTransparent());
    QCOMPARE(w->Layout().LabelsCreated[3], w->Layout().LabelsUsed[3]);
    QCOMPARE(w->State().Pane(3).textFont, StartText);
    QCOMPARE(w->State().Pane(3).refFont, StartRef);
    QCOMPARE(label(3, 1)->font(), StartText.toQFont());
}

void TestPodesiFont::newTextFontChangesOnlyItsPane() {
    TfMain* w = m();
    w->LinkBox(2)->setChecked(true);
    w->LinkBox(3)->setChecked(true);
    w->ChapterEdit(1)->setText(QStringLiteral("1"));
    w->VerseEdit(1)->setText(QStringLiteral("1"));
    answers_ << Serif;
    whenShown([this] { d()->TextFontButton()->click(); }, true);
    emit w->FontButton(1)->clicked();

    QCOMPARE(w->State().Pane(1).textFont, Serif);
    QCOMPARE(w->State().Pane(1).refFont, StartRef);
    QCOMPARE(label(1, 1)->font(), Serif.toQFont());
    QCOMPARE(label(1, 1)->FontColor(), Serif.Color);
    for (int p : {2, 3}) {
        QCOMPARE(w->Layout().LabelsUsed[p], w->Layout().LabelsUsed[1]);
        QCOMPARE(w->State().Pane(p).textFont, StartText);
        QCOMPARE(label(p, 1)->font(), StartText.toQFont());
    }
}

void TestPodesiFont::referenceColourChangesAwayFromPointer() {
    TfMain* w = m();
    w->SetActivePane(2);
    w->ShowReference(QStringLiteral("1 MOJ 1:1"));
    answers_ << Mono;
    whenShown([this] { d()->RefFontButton()->click(); }, true);
    emit w->FontButton(2)->clicked();

    TKvlabel* ref = label(2, 2);
    QCOMPARE(ref->Vrsta(), Pok1);
    QCOMPARE(ref->FontColor(), Mono.Color);
    ref->MouseEnter();
    QCOMPARE(ref->FontColor(), clRed);
    ref->MouseLeave();
    QCOMPARE(ref->FontColor(), Mono.Color);
}

void TestPodesiFont::everyChoiceStartsFromThePaneFont() {
    TfMain* w = m();
    // Twice for the text, then a cancelled third time: the last choice stays and is shown.
    answers_ << Mono << Serif << std::nullopt;
    whenShown(
        [this] {
            for (int k = 0; k < 3; ++k)
                d()->TextFontButton()->click();
            QCOMPARE(d()->TextSample()->font(), Serif.toQFont());
        },
        true);
    emit w->FontButton(1)->clicked();
    QCOMPARE(starts_, QList<TKvFont>({StartText, StartText, StartText}));
    QCOMPARE(w->State().Pane(1).textFont, Serif);

    // Pane 2 starts from its own fonts.
    starts_.clear();
    answers_ << std::nullopt << std::nullopt;
    whenShown(
        [this] {
            QCOMPARE(d()->TextFontOfLabel(), StartText);
            d()->TextFontButton()->click();
            d()->RefFontButton()->click();
        },
        false);
    emit w->FontButton(2)->clicked();
    QCOMPARE(starts_, QList<TKvFont>({StartText, StartRef}));
}

void TestPodesiFont::closeBoxChangesNothing() {
    TfMain* w = m();
    w->SetActivePane(1);
    w->ShowReference(QStringLiteral("1 MOJ 1:1"));
    w->SetActivePane(2);
    QPointer<TKvlabel> verse = label(1, 1);
    answers_ << Serif << Mono;
    whenShown(
        [this] {
            d()->TextFontButton()->click();
            d()->RefFontButton()->click();
        },
        false);
    emit w->FontButton(1)->clicked();

    QCOMPARE(d()->result(), int(QDialog::Rejected));
    QVERIFY(!verse.isNull());
    QCOMPARE(verse->font(), StartText.toQFont());
    QCOMPARE(w->State().Pane(1).textFont, StartText);
    QCOMPARE(w->State().Pane(1).refFont, StartRef);
    QCOMPARE(w->GetActivePane(), 2);
}

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TestPodesiFont test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_podesifont.moc"

#include "PodesiFont.h"

#include "FontDialog.h"
#include "Fonts.h"
#include "Kvlabel.h"
#include "Look.h"
#include "ReaderState.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

namespace {

QLabel* Heading(const QString& caption, QWidget* parent, const QPoint& at) {
    auto* label = new QLabel(caption, parent);
    label->setFont(ArialPixels(12, true));
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton* FontButton(QWidget* parent, const QRect& place) {
    auto* button = new QPushButton(QStringLiteral("Font"), parent);
    button->setGeometry(place);
    // Enter is for OK, also while this button has the focus.
    button->setAutoDefault(false);
    return button;
}

QLabel* Sample(const QString& text, QWidget* parent, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void ShowIn(QLabel* sample, const TKvFont& font) {
    sample->setFont(font.toQFont());
    QPalette palette = sample->palette();
    // The font's colour, or its counterpart where the palette's window would swallow it.
    palette.setColor(QPalette::WindowText,
                     ReadableOn(ToQColor(font.Color), palette.color(QPalette::Window)));
    sample->setPalette(palette);
}

// Face, size, style and colour of a font into a label.
void SetLook(TKvlabel* label, const TKvFont& font) {
    label->setFont(font.toQFont());
    label->setFontColor(font.Color);
}

} // namespace

TfPodesiFont::TfPodesiFont(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("fPodesiFont"));
    setWindowTitle(QStringLiteral("Vidoslov - podešavanja"));
    setFixedSize(332, 250);
    setFont(ArialPixels(11, false));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setGeometry(rect());

    Label1 = Heading(QStringLiteral("Podešavanje teksta:"), Panel1, {16, 8});
    Label1->setObjectName(QStringLiteral("Label1"));
    BtnFontTekst = FontButton(Panel1, {16, 24, 49, 25});
    BtnFontTekst->setObjectName(QStringLiteral("BtnFontTekst"));
    LabelUzorakTeksta =
        Sample(QStringLiteral("1. U početku stvori Bog nebo i zemlju."), Panel1, {76, 24, 240, 64});
    LabelUzorakTeksta->setObjectName(QStringLiteral("LabelUzorakTeksta"));

    Label2 = Heading(QStringLiteral("Podešavanje referenci:"), Panel1, {16, 96});
    Label2->setObjectName(QStringLiteral("Label2"));
    BtnFontPok = FontButton(Panel1, {16, 112, 49, 25});
    BtnFontPok->setObjectName(QStringLiteral("BtnFontPok"));
    LabelUzorakPok = Sample(QStringLiteral("1 MOJ 10:5"), Panel1, {76, 112, 240, 64});
    LabelUzorakPok->setObjectName(QStringLiteral("LabelUzorakPok"));

    BtnOk = new QPushButton(QStringLiteral("OK"), Panel1);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setGeometry(240, 184, 75, 25);
    BtnOk->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BtnOk->setDefault(true);

    connect(BtnFontTekst, &QPushButton::clicked, this, [this] { BtnFontTekstClick(); });
    connect(BtnFontPok, &QPushButton::clicked, this, [this] { BtnFontPokClick(); });
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);

    ChooseFont = [this](TKvFont& font) { return AskFont(font, this); };
    ShowModal = [this] { return exec(); };
    FormCreate();
}

TfPodesiFont::~TfPodesiFont() {
    FormDestroy();
}

void TfPodesiFont::FormCreate() {
    labelTekstProba_ = new TKvlabel(this);
    labelTekstProba_->setObjectName(QStringLiteral("LabelTekstProba"));
    labelTekstProba_->move(10, 10);
    labelTekstPok_ = new TKvlabel(this);
    labelTekstPok_->setTekst(QStringLiteral("1 MOJ 10:5"));
    labelTekstPok_->setObjectName(QStringLiteral("LabelTekstPok"));
    labelTekstPok_->move(10, 150);
    // The panel covers them.
    labelTekstProba_->stackUnder(Panel1);
    labelTekstPok_->stackUnder(Panel1);
}

void TfPodesiFont::FormDestroy() {
    delete labelTekstProba_;
    labelTekstProba_ = nullptr;
    delete labelTekstPok_;
    labelTekstPok_ = nullptr;
}

void TfPodesiFont::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen* s = screen())
        move(s->geometry().center() - rect().center());
    FormActivate();
}

const TKvFont* TfPodesiFont::StoredTextFont() const {
    const bool known = panes_ && FontPane >= 1 && FontPane <= PaneCount;
    return known ? &panes_->Pane(FontPane).textFont : nullptr;
}

const TKvFont* TfPodesiFont::StoredRefFont() const {
    const bool known = panes_ && FontPane >= 1 && FontPane <= PaneCount;
    return known ? &panes_->Pane(FontPane).refFont : nullptr;
}

void TfPodesiFont::FormActivate() {
    if (const TKvFont* ref = StoredRefFont())
        SetLook(labelTekstPok_, *ref);
    if (const TKvFont* text = StoredTextFont())
        SetLook(labelTekstProba_, *text);
    ShowSamples();
}

void TfPodesiFont::Choose(const TKvFont* stored, TKvlabel* label, int& charset) {
    // Every choice starts from the pane's font, not from an earlier choice.
    TKvFont font = stored ? *stored : KvFontOf(label->font(), label->FontColor(), charset);
    if (!ChooseFont || !ChooseFont(font))
        return;
    SetLook(label, font);
    charset = font.Charset;
    ShowSamples();
}

void TfPodesiFont::BtnFontTekstClick() {
    Choose(StoredTextFont(), labelTekstProba_, textCharset_);
}

void TfPodesiFont::BtnFontPokClick() {
    Choose(StoredRefFont(), labelTekstPok_, refCharset_);
}

TKvFont TfPodesiFont::TextFontOfLabel() const {
    return KvFontOf(labelTekstProba_->font(), labelTekstProba_->FontColor(), textCharset_);
}

TKvFont TfPodesiFont::RefFontOfLabel() const {
    return KvFontOf(labelTekstPok_->font(), labelTekstPok_->FontColor(), refCharset_);
}

void TfPodesiFont::ShowSamples() {
    ShowIn(LabelUzorakTeksta, TextFontOfLabel());
    ShowIn(LabelUzorakPok, RefFontOfLabel());
}

#include "Kvlabel.h"

#include "KvlabelAccessible.h"
#include "Look.h"
#include "PopupMenu.h"
#include "TextWidths.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <array>
#include <map>

namespace {

constexpr TColor HoverTekstColor = 0x460000; // dark blue
constexpr int WrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
constexpr int LineFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;

} // namespace

QString StripAccelerators(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            ++i;
            if (i >= text.size())
                break;
        }
        out += text[i];
    }
    return out;
}

static int KvLineStep(const QFontMetrics& fm) {
    // Lines are set a fraction of a pixel further apart than the whole line spacing says.
    return qMax(fm.lineSpacing(), fm.height()) + 1;
}

int KvInkBelowLine(const QFontMetrics& fm) {
    // Measured once per font: the metrics stand for the font they come from.
    using Key = std::array<int, 8>;
    static std::map<Key, int> known;
    const Key key{fm.ascent(),   fm.descent(), fm.leading(),      fm.averageCharWidth(),
                  fm.maxWidth(), fm.xHeight(), fm.underlinePos(), fm.lineWidth()};
    if (auto it = known.find(key); it != known.end())
        return it->second;
    // The deepest descenders of the Latin and Cyrillic letters the texts use, and commas.
    static const QString sample = QStringLiteral("gjpqyQ,;ĄęţŞ дђјрууфцщџДЦЩЏ");
    const QRect ink = fm.tightBoundingRect(sample);
    // Rows below the baseline the glyphs reach, one more for smoothing, less the room a line
    // already has below its baseline.
    const int lineBelow = KvLineStep(fm) - fm.ascent();
    const int over = qMax(0, ink.bottom() + 2 - lineBelow);
    known.emplace(key, over);
    return over;
}

int KvLineHeight(const QFontMetrics& fm) {
    return KvLineStep(fm) + KvInkBelowLine(fm);
}

int KvWrappedHeight(const QFontMetrics& fm, const QString& text, int width) {
    int lines = 1;
    if (!text.isEmpty()) {
        const QRect r = fm.boundingRect(QRect(0, 0, qMax(width, 0), 1 << 24), WrapFlags, text);
        // Lines follow each other at the line spacing; the last one is one text height.
        const int spacing = qMax(fm.lineSpacing(), 1);
        lines = qMax(1, 1 + qRound(double(r.height() - fm.height()) / spacing));
    }
    return lines * KvLineHeight(fm);
}

TKvFont TKvlabel::DefaultFontTekst() {
    TKvFont f;
    f.Name = QStringLiteral("Miroslavljeva Cirilica");
    f.Size = 13;
    f.Style = fsBold;
    f.Color = clBlack;
    f.Charset = 238;
    return f;
}

TKvFont TKvlabel::DefaultFontPok() {
    TKvFont f;
    f.Name = QStringLiteral("Arial cirilica");
    f.Size = 10;
    f.Style = 0;
    f.Color = clBlue;
    f.Charset = 238;
    return f;
}

// The font of a pane's font choice: a chapter dresses thousands of labels in the same two.
// Interface thread only.
static const QFont& KeptQFont(const TKvFont& font) {
    struct Kept {
        bool made = false;
        TKvFont from;
        QFont font;
    };
    static Kept kept[2];
    static int next = 0;
    for (const Kept& k : kept)
        if (k.made && k.from.Name == font.Name && k.from.Size == font.Size &&
            k.from.Style == font.Style)
            return k.font;
    next = 1 - next;
    kept[next] = Kept{true, font, font.toQFont()};
    return kept[next].font;
}

QFont TKvlabel::KindFont(VRSTA_SKUP kind, const QFont& before, const TKvFont& fontTekst,
                         const TKvFont& fontPok) {
    switch (kind) {
    case Tekst1:
        return KeptQFont(fontTekst);
    case Pok1:
        return KeptQFont(fontPok);
    case Knjiga1:
        break;
    }
    QFont f = before;
    f.setBold(true);
    f.setItalic(false);
    f.setUnderline(false);
    f.setStrikeOut(false);
    f.setPointSize(11);
    return f;
}

TKvlabel::TKvlabel(QWidget* parent) : QWidget(parent) {
    InstallLabelAccessibility();
    FontTekst = DefaultFontTekst();
    FontPok = DefaultFontPok();
    // Sized by setTekst: showing it first must not size it to a hint.
    setAttribute(Qt::WA_Resized);
}

void TKvlabel::setFontIfChanged(const QFont& f) {
    if (font() == f)
        return;
    settleX();
    setFont(f);
}

void TKvlabel::setVrsta(VRSTA_SKUP kind) {
    vrsta_ = kind;
    setFontIfChanged(KindFont(kind, font(), FontTekst, FontPok));
    switch (kind) {
    case Tekst1:
        setFontColor(FontTekst.Color);
        clickable_ = false;
        PopupMenu = nullptr;
        if (testAttribute(Qt::WA_SetCursor))
            unsetCursor();
        break;
    case Pok1:
        setFontColor(FontPok.Color);
        ColorIn = clRed;
        ColorOut = FontPok.Color;
        setPointingCursor();
        break;
    case Knjiga1:
        setFontColor(clBlue);
        ColorIn = clRed;
        ColorOut = clBlue;
        setPointingCursor();
        break;
    }
    setTransparent();
    if (parentWidget())
        show();
}

void TKvlabel::setPointingCursor() {
    // A reused reference label has the cursor already.
    if (!testAttribute(Qt::WA_SetCursor) || cursor().shape() != Qt::PointingHandCursor)
        setCursor(Qt::PointingHandCursor);
}

int TKvlabel::LineHeight() const {
    if (lineHeight_ < 0)
        lineHeight_ = KeptLineHeight(font(), this);
    return lineHeight_;
}

int TKvlabel::OneLineWidth() const {
    return KeptTextWidth(font(), this, StripAccelerators(tekst_));
}

void TKvlabel::setClickable(bool clickable) {
    clickable_ = clickable;
}

int TKvlabel::LineWidth() const {
    if (xStale_) {
        x_ = OneLineWidth();
        xStale_ = false;
    }
    return x_;
}

void TKvlabel::settleX() {
    x();
}

void TKvlabel::setTekst(const QString& text) {
    if (tekst_ != text) {
        tekst_ = text;
        update();
    }
    wrap_ = vrsta_ == Tekst1;
    if (wrap_) {
        // The one-line width waits until someone reads it.
        xStale_ = true;
        y_ = KeptWrappedHeight(font(), this, Sirina, tekst_);
        resize(Sirina, y_);
    } else {
        x_ = OneLineWidth();
        xStale_ = false;
        y_ = LineHeight();
        resize(x_, y_);
    }
}

void TKvlabel::refit() {
    // The hover style changed the font: fit the label to it again, as auto-size does.
    if (wrap_)
        resize(width(), KvWrappedHeight(fontMetrics(), tekst_, width()));
    else
        resize(OneLineWidth(), LineHeight());
}

void TKvlabel::setFontColor(TColor c) {
    if (fontColor_ == c)
        return;
    fontColor_ = c;
    update();
}

void TKvlabel::setOpaqueBackground(TColor c) {
    if (!transparent_ && background_ == c)
        return;
    transparent_ = false;
    background_ = c;
    update();
}

void TKvlabel::setTransparent() {
    if (transparent_)
        return;
    transparent_ = true;
    update();
}

void TKvlabel::setStyleAndRefit(int style) {
    QFont f = font();
    f.setBold(style & fsBold);
    f.setItalic(style & fsItalic);
    f.setUnderline(style & fsUnderline);
    f.setStrikeOut(style & fsStrikeOut);
    if (f == font())
        return;
    settleX();
    setFont(f);
    refit();
}

void TKvlabel::MouseEnter() {
    hovered_ = true;
    switch (vrsta_) {
    case Tekst1:
        setFontColor(HoverTekstColor);
        break;
    case Pok1:
        setFontColor(ColorIn);
        setStyleAndRefit(fsItalic);
        break;
    case Knjiga1:
        setFontColor(ColorIn);
        break;
    }
}

void TKvlabel::MouseLeave() {
    hovered_ = false;
    switch (vrsta_) {
    case Tekst1:
        setFontColor(clBlack);
        break;
    case Pok1:
        setFontColor(ColorOut);
        setStyleAndRefit(0);
        break;
    case Knjiga1:
        setFontColor(ColorOut);
        setStyleAndRefit(fsBold);
        break;
    }
}

QColor TKvlabel::ShownBackground() const {
    const QColor pane = palette().color(QPalette::Window);
    if (transparent_)
        return pane;
    return background_ == HighlightColor ? VerseHighlight(pane) : ToQColor(background_);
}

QColor TKvlabel::ShownTextColor() const {
    return ReadableOn(ToQColor(fontColor_), ShownBackground());
}

void TKvlabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor back = ShownBackground();
    if (!transparent_)
        p.fillRect(rect(), back);
    if (tekst_.isEmpty())
        return;
    p.setPen(ReadableOn(ToQColor(fontColor_), back));
    // Marks stand on the text as it is; a text with accelerator marks is drawn without them.
    if (!Marks.isEmpty() && !tekst_.contains(QLatin1Char('&'))) {
        DrawMarkedText(p, rect(), tekst_, Marks, wrap_);
        return;
    }
    p.drawText(rect(), (wrap_ ? WrapFlags : LineFlags) | Qt::TextDontClip, tekst_);
}

bool TKvlabel::event(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ScreenChangeInternal)
        lineHeight_ = -1; // measured again in the new font
    if (event->type() == QEvent::ToolTip && vrsta_ == Pok1 && clickable_) {
        QPointer<TKvlabel> self(this);
        emit toolTipWanted(this);
        if (self && Listener)
            Listener->OnLabelToolTip(this);
        return true;
    }
    return QWidget::event(event);
}

void TKvlabel::enterEvent(QEnterEvent*) {
    MouseEnter();
}

void TKvlabel::leaveEvent(QEvent*) {
    MouseLeave();
}

void TKvlabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    event->accept();
}

void TKvlabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    event->accept();
    if (!click || !clickable_)
        return;
    QPointer<TKvlabel> self(this);
    emit clicked(this);
    if (self && Listener)
        Listener->OnLabelClick(this);
}

void TKvlabel::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void TKvlabel::contextMenuEvent(QContextMenuEvent* event) {
    if (!PopupMenu) {
        event->ignore(); // the parent's menu, if any
        return;
    }
    PopupMenu->popupFor(this, event->globalPos());
    event->accept();
}

#pragma once

#include "Colors.h"
#include "MarkedText.h"

#include <QFontMetrics>
#include <QWidget>
#include <functional>

class TPopupMenu;

// A caption as drawn: "&&" is one "&", a lone "&" (the accelerator mark) is not drawn.
QString StripAccelerators(const QString& text);

enum VRSTA_SKUP { Tekst1 = 0, Pok1 = 1, Knjiga1 = 2 };

// How far the font's glyphs reach below the room a line gives them (its descent and leading).
int KvInkBelowLine(const QFontMetrics& fm);
// The height of one line of a label's text, the glyphs' deepest ink included: a wrapped label
// is a whole number of them.
int KvLineHeight(const QFontMetrics& fm);
// The height a label gives a text wrapped at word boundaries within width pixels.
int KvWrappedHeight(const QFontMetrics& fm, const QString& text, int width);

class TKvlabel;

// Hears a label's clicks and tooltip wishes besides its signals: a pane's scroll box hears its
// thousands of labels so, without two connections for each.
class TKvlabelListener {
public:
    virtual void OnLabelClick(TKvlabel* label) = 0;
    virtual void OnLabelToolTip(TKvlabel* label) = 0;

protected:
    ~TKvlabelListener() = default;
};

// The label of every verse, cross reference and result heading. Setting Vrsta dresses it for
// its kind; setting Tekst lays it out and leaves its one-line width in LineWidth() and its
// height in TextHeight().
// A plain widget that draws its own text: a chapter may hold a hundred thousand of them.
class TKvlabel : public QWidget {
    Q_OBJECT
public:
    explicit TKvlabel(QWidget* parent = nullptr);

    TColor ColorIn = clBlack;
    TColor ColorOut = clBlack;
    int Sirina = 0;
    QString Knjiga;
    QString Glava;
    QString Rbr;
    TKvFont FontTekst; // "Miroslavljeva Cirilica" 13 bold black
    TKvFont FontPok;   // "Arial cirilica" 10 regular blue
    int Tag = 0;
    // Runs of the text drawn on the mark colour (the words a search found); the caller keeps
    // them in step with Tekst.
    QList<TextRange> Marks;

    VRSTA_SKUP Vrsta() const { return vrsta_; }
    void setVrsta(VRSTA_SKUP kind);
    const QString& Tekst() const { return tekst_; }
    // The font the label takes when dressed as the kind, from the font it has before.
    static QFont KindFont(VRSTA_SKUP kind, const QFont& before, const TKvFont& fontTekst,
                          const TKvFont& fontPok);
    // The two fonts a new label has.
    static TKvFont DefaultFontTekst();
    static TKvFont DefaultFontPok();
    void setTekst(const QString& text);
    // The caption (Tekst), as a label gives it.
    const QString& text() const { return tekst_; }
    // Measured when first read: a wrapped verse label's one-line width is seldom wanted.
    int LineWidth() const;
    int TextHeight() const { return y_; }

    // The colour the text is drawn in, and the label's background when opaque.
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor c);
    void setOpaqueBackground(TColor c); // the highlight of a chosen verse
    void setTransparent();
    bool isTransparent() const { return transparent_; }

    // Whether a left click emits clicked (a reference or a result heading), and the popup
    // menu, as the windows set them; a label dressed as verse text has neither.
    bool Clickable() const { return clickable_; }
    void setClickable(bool clickable);
    TPopupMenu* PopupMenu = nullptr;
    // Told of the clicks and tooltip wishes after the signals; it outlives the label.
    TKvlabelListener* Listener = nullptr;

    // Pointer notices; public so that tests can call them.
    void MouseEnter();
    void MouseLeave();
    // Between a pointer-enter notice and the next leave.
    bool IsHovered() const { return hovered_; }

signals:
    void clicked(TKvlabel* label);
    // The pointer rests on a clickable reference: its tooltip is wanted.
    void toolTipWanted(TKvlabel* label);

public:
    TColor BackgroundColor() const { return background_; }
    // What the label shows: its background (the pane's own while transparent; the chosen
    // verse's in the shade that suits the pane) and its text in a colour readable on it.
    QColor ShownBackground() const;
    QColor ShownTextColor() const;
    // True when the last Tekst was laid out wrapped (a Tekst1 label).
    bool WordWrap() const { return wrap_; }
    // The height of one line in the label's font: a wrapped label is a whole number of them.
    int LineHeight() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void setFontIfChanged(const QFont& f);
    void setPointingCursor();
    void setStyleAndRefit(int style);
    int OneLineWidth() const;
    // Measures LineWidth() now if it is still to be measured: before the font changes.
    void settleX();
    void refit();

    VRSTA_SKUP vrsta_ = Tekst1;
    QString tekst_;
    mutable int x_ = 0;
    mutable bool xStale_ = false;
    int y_ = 0;
    mutable int lineHeight_ = -1; // LineHeight(), kept until the font changes
    TColor fontColor_ = clBlack;
    TColor background_ = clWhite;
    bool transparent_ = true;
    bool wrap_ = false;
    bool pressed_ = false;
    bool hovered_ = false;
    bool clickable_ = false;
};

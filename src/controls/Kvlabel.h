#pragma once

#include "Colors.h"

#include <QLabel>
#include <functional>

class TPopupMenu;

enum VRSTA_SKUP { Tekst1 = 0, Pok1 = 1, Knjiga1 = 2 };

// The label of every verse, cross reference and result heading. Setting Vrsta dresses it for
// its kind; setting Tekst lays it out and leaves its one-line width in x() and its height in
// y(). Note that x() and y() are these measurements, not the position (use pos()).
class TKvlabel : public QLabel {
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

    VRSTA_SKUP Vrsta() const { return vrsta_; }
    void setVrsta(VRSTA_SKUP kind);
    const QString& Tekst() const { return tekst_; }
    void setTekst(const QString& text);
    int x() const { return x_; }
    int y() const { return y_; }

    // The colour the text is drawn in, and the label's background when opaque.
    TColor FontColor() const { return fontColor_; }
    void setFontColor(TColor c);
    void setOpaqueBackground(TColor c); // the highlight of a chosen verse
    void setTransparent();
    bool isTransparent() const { return transparent_; }

    // Click handler and popup menu, as the windows set them.
    std::function<void(TKvlabel*)> OnClick;
    TPopupMenu* PopupMenu = nullptr;

    // Pointer notices; public so that tests can call them.
    void MouseEnter();
    void MouseLeave();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    VRSTA_SKUP vrsta_ = Tekst1;
    QString tekst_;
    int x_ = 0;
    int y_ = 0;
    TColor fontColor_ = clBlack;
    bool transparent_ = true;
};

#pragma once

#include "Colors.h"

#include <QImage>
#include <QWidget>

enum BStyle : unsigned char { BSnone = 0, BsNormal = 1, BsIe = 2 };

// The push button of every window: no keyboard focus unless a window gives it one (then
// Space and Enter click it and a dotted frame shows the focus), drawn over its parent, with a
// picture whose transparent colour is left out, a caption, or both, and a frame by Border and
// state.
class TMKvTranBtn : public QWidget {
    Q_OBJECT
public:
    explicit TMKvTranBtn(QWidget* parent = nullptr);

    const QImage& BitMap() const { return bitmap_; }
    void setBitMap(const QImage& image);
    BStyle Border() const { return border_; }
    void setBorder(BStyle style);
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& text);
    TColor ColorIn = clBlue;
    TColor ColorOut = clLime;
    TColor ColorPush = clWhite;
    int Tag = 0;

    bool Hovered() const { return hovered_; }
    bool Pushed() const { return pushed_; }
    QRect PictureRect() const { return pictureRect_; }

    // The frame drawn in the present state.
    enum FrameKind { NoFrame, Raised, Sunken };
    FrameKind FrameNow() const;

    // Pointer notices, as the mouse events deliver them; public so that tests can call them.
    void MouseEnter();
    void MouseLeave();
    void MouseMove(const QPoint& pos);
    void MouseDown(const QPoint& pos);
    void MouseUp(const QPoint& pos);

    // Draws an image at x, y leaving out the pixels of the transparent colour.
    static void DrawTransparentBitmap(QPainter& painter, const QImage& image, int x, int y,
                                      QRgb transparent);
    // The picture's transparent colour: white for a two-colour picture, else its bottom-left
    // pixel.
    static QRgb TransparentColorOf(const QImage& image);

signals:
    void clicked();
    void mousePressed(QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseReleased(QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int TextHeight() const;
    void layoutPicture();
    bool OverPicture(const QPoint& pos) const;
    // The picture as drawn on a background: its strokes lightened where a dark background
    // would swallow them.
    const QImage& PictureOn(const QColor& background);

    QImage bitmap_;
    QImage shownPicture_;
    QColor shownOn_;
    BStyle border_ = BsNormal;
    QString caption_;
    bool hovered_ = false;
    bool pushed_ = false;
    bool clickArmed_ = false; // a left press began on the button
    QRect pictureRect_;
};

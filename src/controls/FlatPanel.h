#pragma once

#include "Colors.h"

#include <QWidget>

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// A container drawn flat: a 1-pixel frame in two colours, an optional caption and, when
// Transparent, the parent's pixels behind it. Children go inside a 1-pixel margin (the
// panel's contents margins; give a layout on it no margins of its own to fill the panel).
class TFlatPanel : public QWidget {
    Q_OBJECT
public:
    explicit TFlatPanel(QWidget* parent = nullptr);

    bool Transparent() const { return transparent_; }
    void setTransparent(bool on);
    TColor ColorHighLight() const { return colors_[0]; }
    TColor ColorShadow() const { return colors_[1]; }
    // index 0 is the highlight, 1 the shadow
    void setFrameColor(int index, TColor color);
    void setColorHighLight(TColor c) { setFrameColor(0, c); }
    void setColorShadow(TColor c) { setFrameColor(1, c); }
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& text);
    // The fill when not Transparent: the parent's colour until a colour is set.
    TColor Color() const;
    void setColor(TColor c);
    bool ParentColor() const { return parentColor_; }
    void setParentColor(bool on);
    TAlignment Alignment = taCenter;
    void setAlignment(TAlignment a); // stores Alignment and redraws

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool transparent_ = false;
    TColor colors_[2] = {0x8396A0, 0x8396A0};
    QString caption_;
    TColor color_ = clWhite;
    bool parentColor_ = true;
};

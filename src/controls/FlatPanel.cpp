#include "FlatPanel.h"

#include "Frame3D.h"

#include <QEvent>
#include <QPainter>

TFlatPanel::TFlatPanel(QWidget* parent) : QWidget(parent) {
    setContentsMargins(1, 1, 1, 1);
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    resize(185, 41);
}

void TFlatPanel::setTransparent(bool on) {
    transparent_ = on;
    // Not opaque: the parent is painted under the panel first.
    setAttribute(Qt::WA_OpaquePaintEvent, !on);
    update();
}

void TFlatPanel::setFrameColor(int index, TColor color) {
    if (index < 0 || index > 1)
        return;
    colors_[index] = color;
    update();
}

void TFlatPanel::setCaption(const QString& text) {
    caption_ = text;
    update();
}

TColor TFlatPanel::Color() const {
    return parentColor_ ? FromQColor(palette().color(QPalette::Window)) : color_;
}

void TFlatPanel::setColor(TColor c) {
    color_ = c;
    parentColor_ = false;
    update();
}

void TFlatPanel::setParentColor(bool on) {
    parentColor_ = on;
    update();
}

void TFlatPanel::setAlignment(TAlignment a) {
    Alignment = a;
    update();
}

void TFlatPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_) {
        if (parentColor_) {
            // The parent's background, patterned ones lined up with the window's pattern.
            p.setBrushOrigin(-mapTo(window(), QPoint(0, 0)));
            p.fillRect(rect(), palette().brush(QPalette::Window));
        } else {
            p.fillRect(rect(), ToQColor(color_));
        }
    }
    DrawFrame3D(p, rect(), ToQColor(colors_[0]), ToQColor(colors_[1]));
    if (caption_.isEmpty())
        return;
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    switch (Alignment) {
    case taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    if (isEnabled()) {
        p.setPen(palette().color(QPalette::Active, QPalette::WindowText));
        p.drawText(rect(), flags, caption_);
    } else {
        // Embossed: the highlight 1 pixel right and down, then the shadow in place.
        p.setPen(palette().color(QPalette::Active, QPalette::Light));
        p.drawText(rect().translated(1, 1), flags, caption_);
        p.setPen(palette().color(QPalette::Active, QPalette::Dark));
        p.drawText(rect(), flags, caption_);
    }
}

void TFlatPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
}

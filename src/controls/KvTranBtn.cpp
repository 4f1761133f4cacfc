#include "KvTranBtn.h"

#include "Frame3D.h"
#include "Look.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

bool Framed(BStyle style) {
    return style == BsNormal || style == BsIe;
}

} // namespace

TMKvTranBtn::TMKvTranBtn(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(10);
    f.setBold(true);
    setFont(f);
    resize(30, 30);
}

void TMKvTranBtn::setBitMap(const QImage& image) {
    bitmap_ = image;
    update();
}

void TMKvTranBtn::setBorder(BStyle style) {
    if (border_ == style)
        return;
    border_ = style;
    update();
}

void TMKvTranBtn::setCaption(const QString& text) {
    caption_ = text;
    update();
}

QRgb TMKvTranBtn::TransparentColorOf(const QImage& image) {
    if (image.isNull())
        return qRgb(255, 255, 255);
    if (image.depth() == 1)
        return qRgb(255, 255, 255);
    return image.pixel(0, image.height() - 1) | 0xFF000000u;
}

void TMKvTranBtn::DrawTransparentBitmap(QPainter& painter, const QImage& image, int x, int y,
                                        QRgb transparent) {
    if (image.isNull())
        return;
    // A working copy with the transparent colour's pixels cleared; the image stays as it is.
    QImage copy = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent & 0xFFFFFFu;
    for (int row = 0; row < copy.height(); ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(copy.scanLine(row));
        for (int col = 0; col < copy.width(); ++col) {
            if ((line[col] & 0xFFFFFFu) == key)
                line[col] = 0;
        }
    }
    painter.drawImage(x, y, copy);
}

int TMKvTranBtn::TextHeight() const {
    return fontMetrics().height();
}

void TMKvTranBtn::layoutPicture() {
    if (bitmap_.isNull()) {
        pictureRect_ = QRect();
        return;
    }
    const int h = TextHeight();
    const int x = (width() - bitmap_.width()) / 2;
    const int y = caption_.isEmpty() ? (height() - bitmap_.height()) / 2
                                     : (height() - bitmap_.height() - h) / 2;
    pictureRect_ = QRect(x, y, bitmap_.width(), bitmap_.height());
}

const QImage& TMKvTranBtn::PictureOn(const QColor& background) {
    if (!IsDarkColor(background))
        return bitmap_;
    if (shownOn_ == background && shownPicture_.size() == bitmap_.size())
        return shownPicture_;
    const QRgb transparent = TransparentColorOf(bitmap_);
    shownPicture_ = bitmap_.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < shownPicture_.height(); ++y)
        for (int x = 0; x < shownPicture_.width(); ++x) {
            const QRgb pixel = shownPicture_.pixel(x, y);
            if ((pixel & 0xFFFFFF) == (transparent & 0xFFFFFF))
                continue;
            QRgb shown = ReadableOn(QColor(pixel), background, 3.0).rgb();
            if ((shown & 0xFFFFFF) == (transparent & 0xFFFFFF))
                shown ^= 1; // a stroke, not the transparent colour
            shownPicture_.setPixel(x, y, shown);
        }
    shownOn_ = background;
    return shownPicture_;
}

void TMKvTranBtn::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int h = TextHeight();
    layoutPicture();
    if (!bitmap_.isNull()) {
        const int shift = pushed_ ? 1 : 0;
        DrawTransparentBitmap(p, PictureOn(palette().color(QPalette::Window)),
                              pictureRect_.left() + shift, pictureRect_.top() + shift,
                              TransparentColorOf(bitmap_));
    }
    if (!caption_.isEmpty()) {
        const TColor color = pushed_ ? ColorPush : hovered_ ? ColorIn : ColorOut;
        int top =
            bitmap_.isNull() ? (height() - h) / 2 : pictureRect_.top() + pictureRect_.height();
        int left = 0;
        if (pushed_) {
            top += 1;
            left = 2;
        }
        p.setPen(ReadableOn(ToQColor(color), palette().color(QPalette::Window)));
        p.drawText(QRect(left, top, width() - left, h),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextExpandTabs |
                       Qt::TextSingleLine,
                   caption_);
    }
    const QColor light = palette().color(QPalette::Active, QPalette::Light);
    const QColor dark = palette().color(QPalette::Active, QPalette::Dark);
    switch (FrameNow()) {
    case Raised:
        DrawFrame3D(p, rect(), light, dark);
        break;
    case Sunken:
        DrawFrame3D(p, rect(), dark, light);
        break;
    case NoFrame:
        break;
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void TMKvTranBtn::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit clicked();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void TMKvTranBtn::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TMKvTranBtn::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

TMKvTranBtn::FrameKind TMKvTranBtn::FrameNow() const {
    if (!Framed(border_))
        return NoFrame;
    if (pushed_)
        return Sunken;
    if (border_ == BsNormal || hovered_)
        return Raised;
    return NoFrame;
}

bool TMKvTranBtn::OverPicture(const QPoint& pos) const {
    if (bitmap_.isNull() || !pictureRect_.contains(pos))
        return false;
    const QPoint at = pos - pictureRect_.topLeft();
    return (bitmap_.pixel(at) & 0xFFFFFFu) != (TransparentColorOf(bitmap_) & 0xFFFFFFu);
}

void TMKvTranBtn::MouseEnter() {
    hovered_ = true;
    update();
}

void TMKvTranBtn::MouseLeave() {
    hovered_ = false;
    update();
}

void TMKvTranBtn::MouseMove(const QPoint& pos) {
    hovered_ = Framed(border_) || OverPicture(pos);
    emit mouseMoved(pos);
}

void TMKvTranBtn::MouseDown(const QPoint& pos) {
    clickArmed_ = true;
    emit mousePressed(pos);
    pushed_ = Framed(border_) || hovered_;
    if (pushed_)
        update();
}

void TMKvTranBtn::MouseUp(const QPoint& pos) {
    const bool click = clickArmed_ && rect().contains(pos);
    clickArmed_ = false;
    if (click)
        emit clicked();
    emit mouseReleased(pos);
    if (Framed(border_) || hovered_)
        pushed_ = false;
    if (!pushed_)
        update();
}

void TMKvTranBtn::enterEvent(QEnterEvent*) {
    MouseEnter();
}

void TMKvTranBtn::leaveEvent(QEvent*) {
    MouseLeave();
}

void TMKvTranBtn::mouseMoveEvent(QMouseEvent* event) {
    MouseMove(event->position().toPoint());
}

void TMKvTranBtn::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        MouseDown(event->position().toPoint());
}

void TMKvTranBtn::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        MouseUp(event->position().toPoint());
}

void TMKvTranBtn::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click neither pushes nor clicks.
    event->accept();
}

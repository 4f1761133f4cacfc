#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A white canvas to draw on in black; made two-colour when done.
QImage Canvas(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QImage ToMono(const QImage& img) {
    return img.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
}

QImage DrawBackArrow() {
    QImage img = Canvas(36, 32);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    // Head pointing left, then a shaft.
    const QPoint head[] = {{2, 16}, {16, 3}, {16, 11}, {33, 11}, {33, 21}, {16, 21}, {16, 29}};
    p.drawPolygon(head, 7);
    return ToMono(img);
}

QImage DrawShowArrow() {
    QImage img = Canvas(28, 37);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath shaft;
    shaft.moveTo(2, 6);
    shaft.cubicTo(12, 6, 16, 10, 16, 22);
    QPen pen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shaft);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QPointF head[] = {{6, 21}, {26, 21}, {16, 35}};
    p.drawPolygon(head, 3);
    return ToMono(img);
}

QImage DrawBackgroundTile() {
    QImage img = Canvas(160, 120);
    // Small four-point stars on a loose diagonal grid, with single dots between them.
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 8; ++col) {
            const int x = col * 20 + (row % 2) * 10 + 5;
            const int y = row * 20 + 5;
            img.setPixel(x, y, qRgb(0, 0, 0));
            if ((row + col) % 2 == 0) {
                img.setPixel(x - 1, y, qRgb(0, 0, 0));
                img.setPixel(x + 1, y, qRgb(0, 0, 0));
                img.setPixel(x, y - 1, qRgb(0, 0, 0));
                img.setPixel(x, y + 1, qRgb(0, 0, 0));
            }
        }
    }
    return ToMono(img);
}

QImage DrawHand() {
    QImage img = Canvas(217, 300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    // The cross.
    p.drawRect(QRectF(98, 12, 22, 190));
    p.drawRect(QRectF(58, 50, 102, 20));
    // The hand closed around the upright.
    QPainterPath hand;
    hand.moveTo(70, 296);
    hand.cubicTo(72, 250, 68, 225, 80, 200);
    hand.cubicTo(86, 190, 130, 185, 140, 196);
    hand.cubicTo(150, 210, 150, 240, 146, 296);
    p.drawPath(hand);
    for (int i = 0; i < 4; ++i) {
        const double y = 160 + i * 12;
        QPainterPath finger;
        finger.moveTo(92, y + 10);
        finger.cubicTo(100, y - 2, 132, y - 2, 134, y + 6);
        finger.cubicTo(136, y + 12, 120, y + 14, 96, y + 14);
        p.drawPath(finger);
    }
    QPainterPath thumb;
    thumb.moveTo(84, 205);
    thumb.cubicTo(70, 185, 74, 165, 88, 160);
    thumb.cubicTo(96, 158, 100, 170, 96, 184);
    p.drawPath(thumb);
    return ToMono(img);
}

} // namespace

QImage BackArrowPicture() {
    static const QImage img = DrawBackArrow();
    return img;
}

QImage ForwardArrowPicture() {
    static const QImage img = BackArrowPicture().mirrored(true, false);
    return img;
}

QImage ShowArrowPicture() {
    static const QImage img = DrawShowArrow();
    return img;
}

QImage BackgroundTile() {
    static const QImage img = DrawBackgroundTile();
    return img;
}

QImage HandPicture() {
    static const QImage img = DrawHand();
    return img;
}

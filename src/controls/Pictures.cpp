#include "Pictures.h"

#include "Look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

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

// A mid steel blue, with small four-point stars a shade lighter on a loose diagonal grid: the
// buttons on it stay readable in every state (navy, blue and white captions, white and grey
// frame edges).
QImage DrawBackgroundTile() {
    QImage img(160, 120, QImage::Format_RGB32);
    img.fill(TileColor);
    const QRgb star = TileStarColor;
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 8; ++col) {
            const int x = col * 20 + (row % 2) * 10 + 5;
            const int y = row * 20 + 5;
            img.setPixel(x, y, star);
            if ((row + col) % 2 == 0) {
                img.setPixel(x - 1, y, star);
                img.setPixel(x + 1, y, star);
                img.setPixel(x, y - 1, star);
                img.setPixel(x, y + 1, star);
            }
        }
    }
    return img.convertToFormat(QImage::Format_Indexed8);
}

// Outline in black over a white fill, so that what is drawn later hides what lies behind.
void Shape(QPainter& p, const QPainterPath& path) {
    p.setBrush(Qt::white);
    p.drawPath(path);
}

QPainterPath CrossPath(double inset) {
    const double l = 97 + inset, r = 119 - inset;                                     // the upright
    const double bl = 52 + inset, br = 164 - inset, bt = 46 + inset, bb = 68 - inset; // the bar
    QPainterPath path;
    path.moveTo(l, 6 + inset);
    path.lineTo(r, 6 + inset);
    path.lineTo(r, bt);
    path.lineTo(br, bt);
    path.lineTo(br, bb);
    path.lineTo(r, bb);
    path.lineTo(r, 210);
    path.lineTo(l, 210);
    path.lineTo(l, bb);
    path.lineTo(bl, bb);
    path.lineTo(bl, bt);
    path.lineTo(l, bt);
    path.closeSubpath();
    return path;
}

QImage DrawHand() {
    QImage img = Canvas(217, 300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);

    // Rays behind the cross.
    const QPointF centre(108, 57);
    for (int i = 0; i < 16; ++i) {
        if (i % 4 == 0 || i == 11 || i == 13)
            continue; // not along the arms, nor into the hand
        QLineF ray = QLineF::fromPolar(100, i * 22.5);
        ray.translate(centre);
        QLineF inner = QLineF::fromPolar(i % 2 ? 66 : 58, i * 22.5);
        p.drawLine(centre + inner.p2(), ray.p2());
    }

    Shape(p, CrossPath(0));
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(CrossPath(5));
    p.setPen(pen);

    // Forearm and sleeve.
    QPainterPath arm;
    arm.moveTo(92, 200);
    arm.cubicTo(90, 230, 86, 260, 84, 300);
    arm.lineTo(152, 300);
    arm.cubicTo(150, 262, 148, 232, 148, 200);
    Shape(p, arm);
    QPainterPath sleeve;
    sleeve.moveTo(70, 300);
    sleeve.cubicTo(72, 276, 74, 258, 76, 246);
    sleeve.cubicTo(100, 238, 140, 236, 164, 242);
    sleeve.cubicTo(166, 258, 168, 280, 170, 300);
    Shape(p, sleeve);
    p.drawLine(QPointF(96, 252), QPointF(92, 298));
    p.drawLine(QPointF(122, 250), QPointF(124, 298));
    p.drawLine(QPointF(148, 250), QPointF(154, 298));

    // Back of the hand behind the fingers.
    QPainterPath palm;
    palm.moveTo(118, 136);
    palm.cubicTo(144, 134, 158, 150, 158, 172);
    palm.cubicTo(158, 192, 154, 206, 148, 214);
    palm.lineTo(90, 216);
    palm.cubicTo(82, 200, 80, 160, 86, 140);
    palm.closeSubpath();
    Shape(p, palm);

    // Four curled fingers around the upright, the nails toward the thumb.
    const double tops[] = {137, 152, 167, 181};
    const double rights[] = {146, 148, 146, 140};
    for (int i = 0; i < 4; ++i) {
        const double top = tops[i];
        const double h = i == 3 ? 14 : 16;
        QPainterPath finger;
        finger.addRoundedRect(QRectF(86 + i, top, rights[i] - 86 - i, h), 7.5, 7.5);
        Shape(p, finger);
        QPainterPath nail;
        nail.moveTo(100 + i, top + 3);
        nail.cubicTo(94 + i, top + 5, 94 + i, top + h - 5, 100 + i, top + h - 3);
        p.setBrush(Qt::NoBrush);
        p.drawPath(nail);
        p.drawLine(QPointF(rights[i] - 12, top + 4), QPointF(rights[i] - 12, top + h - 4));
    }

    // The thumb, over the first two fingers.
    QPainterPath thumb;
    thumb.moveTo(90, 214);
    thumb.cubicTo(74, 196, 72, 160, 84, 146);
    thumb.cubicTo(92, 136, 114, 138, 124, 146);
    thumb.cubicTo(130, 152, 126, 160, 116, 160);
    thumb.cubicTo(104, 160, 96, 166, 96, 182);
    thumb.cubicTo(96, 196, 100, 206, 104, 214);
    Shape(p, thumb);
    QPainterPath thumbNail;
    thumbNail.moveTo(112, 144);
    thumbNail.cubicTo(120, 144, 124, 150, 120, 155);
    p.setBrush(Qt::NoBrush);
    p.drawPath(thumbNail);
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

void PaintTiled(QPainter& painter, const QPixmap& tile, QSize area) {
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0)
        return;
    for (int x = 1; x < area.width(); x += w)
        for (int y = 1; y < area.height(); y += h)
            painter.drawPixmap(x, y, tile);
}

namespace {

constexpr int VeilAlpha = 200;

} // namespace

void PaintTiledBackdrop(QPainter& painter, const QPixmap& tile, QSize area,
                        const QPalette& palette) {
    PaintTiled(painter, tile, area);
    if (IsDarkPalette(palette)) {
        QColor veil = palette.color(QPalette::Window);
        veil.setAlpha(VeilAlpha);
        painter.fillRect(QRect(QPoint(0, 0), area), veil);
    }
}

QColor TiledBackdropColor(const QPalette& palette) {
    const QColor tile = QColor::fromRgb(TileColor);
    if (!IsDarkPalette(palette))
        return tile;
    const QColor window = palette.color(QPalette::Window);
    const double share = VeilAlpha / 255.0;
    auto mix = [share](int t, int w) { return int(t + (w - t) * share); };
    return QColor(mix(tile.red(), window.red()), mix(tile.green(), window.green()),
                  mix(tile.blue(), window.blue()));
}

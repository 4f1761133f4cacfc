// The bitmap button: frames per state, the picture's transparent colour, the caption, and the
// click rule with real mouse events.
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Look.h"
#include "Messages.h"
#include "Pictures.h"

#include <QPainter>
#include <QtTest>

namespace {

const QColor Back(10, 120, 200);

// Counts its paints.
class CountingButton : public TMKvTranBtn {
public:
    using TMKvTranBtn::TMKvTranBtn;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override {
        ++paints;
        TMKvTranBtn::paintEvent(e);
    }
};

// The points of an image in a colour, shifted by an offset.
QList<QPoint> PointsOf(const QImage& img, const QColor& color, QPoint offset = {}) {
    QList<QPoint> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == color)
                out << QPoint(x, y) + offset;
    return out;
}

// The bounding box of the pixels that differ from the background.
QRect Ink(const QImage& img) {
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != Back)
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class KvTranBtnTest : public QObject {
    Q_OBJECT
    QWidget* parent = nullptr;
    CountingButton* btn = nullptr;
    QColor light, dark;
    int clicks = 0;

    QImage Shot() { return parent->grab(btn->geometry()).toImage(); }

    // Which frame the image shows: 0 none, 1 raised, 2 sunken.
    int FrameIn(const QImage& img) {
        const int w = img.width() - 1, h = img.height() - 1;
        const QColor tl = img.pixelColor(0, 0), br = img.pixelColor(w, h);
        if (tl == light && img.pixelColor(w, 0) == dark && img.pixelColor(0, h) == dark &&
            br == dark)
            return 1;
        if (tl == dark && img.pixelColor(w, 0) == light && img.pixelColor(0, h) == light &&
            br == light)
            return 2;
        if (tl == Back && br == Back)
            return 0;
        return -1;
    }

private slots:
    void init() {
        parent = new QWidget;
        parent->resize(200, 120);
        QPalette pal = parent->palette();
        pal.setColor(QPalette::Window, Back);
        parent->setPalette(pal);
        parent->setAutoFillBackground(true);
        btn = new CountingButton(parent);
        btn->setGeometry(20, 20, 40, 40);
        // As they land in an 8-bit image.
        light = QColor(btn->palette().color(QPalette::Active, QPalette::Light).rgb());
        dark = QColor(btn->palette().color(QPalette::Active, QPalette::Dark).rgb());
        QVERIFY(light != dark && light != Back && dark != Back);
        clicks = 0;
        connect(btn, &TMKvTranBtn::clicked, this, [this] { ++clicks; });
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent));
    }
    void cleanup() { delete parent; }

    void defaults() {
        TMKvTranBtn b;
        QCOMPARE(b.size(), QSize(30, 30));
        QCOMPARE(b.Border(), BsNormal);
        QCOMPARE(b.ColorIn, clBlue);
        QCOMPARE(b.ColorOut, clLime);
        QCOMPARE(b.ColorPush, clWhite);
        QCOMPARE(b.font().family(), QStringLiteral("Arial"));
        QCOMPARE(b.font().pointSize(), 10);
        QVERIFY(b.font().bold());
        QCOMPARE(b.focusPolicy(), Qt::NoFocus);
        QVERIFY(!b.Hovered() && !b.Pushed());
        QVERIFY(b.BitMap().isNull() && b.Caption().isEmpty());
    }

    void pictureWithoutItsWhite() {
        const QImage pic = BackArrowPicture();
        btn->setBorder(BsIe);
        btn->setBitMap(pic);
        const QImage img = Shot();
        const QPoint at((40 - pic.width()) / 2, (40 - pic.height()) / 2);
        QCOMPARE(btn->PictureRect(), QRect(at, pic.size()));
        const QList<QPoint> black = PointsOf(pic, Qt::black, at);
        QVERIFY(!black.isEmpty());
        QCOMPARE(PointsOf(img, Qt::black), black);
        QCOMPARE(img.pixelColor(at), Back); // white of the picture left out
        QCOMPARE(btn->BitMap(), pic);       // stored picture untouched
    }

    void framesOfAnIeButtonByState() {
        const QImage pic = ShowArrowPicture();
        btn->setBorder(BsIe);
        btn->setBitMap(pic);
        const QList<QPoint> normalInk = PointsOf(Shot(), Qt::black);
        QCOMPARE(FrameIn(Shot()), 0);
        btn->MouseEnter();
        QCOMPARE(FrameIn(Shot()), 1);
        btn->MouseDown(QPoint(5, 5));
        QVERIFY(btn->Pushed());
        QImage img = Shot();
        QCOMPARE(FrameIn(img), 2);
        QList<QPoint> shifted;
        for (QPoint p : normalInk)
            shifted << p + QPoint(1, 1);
        QCOMPARE(PointsOf(img, Qt::black), shifted);
        btn->MouseLeave(); // dragged off: still pushed
        QCOMPARE(FrameIn(Shot()), 2);
        btn->MouseUp(QPoint(-5, 50));
        QCOMPARE(clicks, 0);
        QVERIFY(!btn->Pushed());
        QCOMPARE(FrameIn(Shot()), 0);
        QCOMPARE(PointsOf(Shot(), Qt::black), normalInk);
    }

    void framesOfTheOtherStyles() {
        btn->setCaption(QStringLiteral("F"));
        QCOMPARE(FrameIn(Shot()), 1); // BsNormal
        btn->MouseEnter();
        QCOMPARE(FrameIn(Shot()), 1);
        btn->MouseDown(QPoint(5, 5));
        QCOMPARE(FrameIn(Shot()), 2);
        btn->MouseUp(QPoint(5, 5));
        QCOMPARE(clicks, 1);
        QCOMPARE(FrameIn(Shot()), 1);

        btn->setBorder(BSnone);
        btn->MouseEnter();
        QCOMPARE(FrameIn(Shot()), 0);
        btn->MouseMove(QPoint(20, 20));
        btn->MouseDown(QPoint(20, 20));
        QCOMPARE(FrameIn(Shot()), 0);
        btn->MouseUp(QPoint(20, 20));
    }

    void captionColoursAndPlace() {
        btn->setGeometry(20, 20, 60, 40);
        btn->setBorder(BSnone);
        btn->setCaption(QStringLiteral("W"));
        btn->ColorIn = 0x00FFFF; // yellow: blue's counterpart on this window is white, as pushed
        const int h = btn->fontMetrics().height();
        QImage img = Shot();
        const QRect normal = Ink(img);
        // Each colour as given, or its counterpart that keeps 4.5:1 on the button's window.
        const auto shown = [this](TColor c) {
            return ReadableOn(ToQColor(c), btn->palette().color(QPalette::Window));
        };
        QVERIFY(!PointsOf(img, shown(btn->ColorOut)).isEmpty());
        // Centred: the ink lies within the line box at (height - h) / 2.
        QVERIFY(normal.top() >= (40 - h) / 2 && normal.bottom() < (40 - h) / 2 + h);
        QVERIFY(qAbs(normal.center().x() - 30) <= 1);

        btn->MouseEnter();
        QVERIFY(!PointsOf(Shot(), shown(btn->ColorIn)).isEmpty());
        btn->MouseDown(QPoint(30, 20));
        img = Shot();
        QVERIFY(!PointsOf(img, shown(btn->ColorPush)).isEmpty());
        QVERIFY(PointsOf(img, shown(btn->ColorIn)).isEmpty());
        QCOMPARE(Ink(img), normal.translated(1, 1));
        btn->MouseUp(QPoint(30, 20));
    }

    // Black strokes on a dark window are drawn light, so that the picture stays in sight.
    void pictureStaysInSightOnADarkWindow() {
        QPalette pal = parent->palette();
        pal.setColor(QPalette::Window, QColor(40, 40, 40));
        parent->setPalette(pal);
        btn->setGeometry(20, 20, 60, 40);
        btn->setBorder(BSnone);
        btn->setBitMap(BackArrowPicture());
        const QImage img = Shot();
        int strokes = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                strokes += ContrastRatio(img.pixelColor(x, y), QColor(40, 40, 40)) >= 3.0;
        QVERIFY(strokes > 50);
    }

    void captionBelowPicture() {
        const QImage pic = BackArrowPicture();
        btn->setGeometry(20, 20, 60, 70);
        btn->setBorder(BSnone);
        btn->setBitMap(pic);
        btn->setCaption(QStringLiteral("Nazad"));
        const int h = btn->fontMetrics().height();
        Shot();
        QCOMPARE(btn->PictureRect().top(), (70 - pic.height() - h) / 2);
        const QImage img = Shot();
        const int below = btn->PictureRect().bottom() + 1;
        const QRect text = Ink(img.copy(0, below, 60, 70 - below));
        QVERIFY(!text.isEmpty());
        QVERIFY(text.bottom() < h);
    }

    void ampersandUnderlinesTheNextLetter() {
        btn->setGeometry(20, 20, 120, 40);
        btn->setBorder(BSnone);
        btn->setCaption(QStringLiteral("Tra\u017ei"));
        const QImage plain = Shot();
        btn->setCaption(QStringLiteral("&Tra\u017ei"));
        const QImage marked = Shot();
        QVERIFY(plain != marked); // an underline
        // No "&" drawn: the same extent, give or take the underline's end.
        QVERIFY(qAbs(Ink(marked).left() - Ink(plain).left()) <= 1);
        QVERIFY(qAbs(Ink(marked).right() - Ink(plain).right()) <= 1);
        QVERIFY(Ink(marked).bottom() >= Ink(plain).bottom());
        btn->setCaption(QStringLiteral("A&&B"));
        const QImage twice = Shot();
        btn->setCaption(QStringLiteral("A&B"));
        QVERIFY(Ink(twice).width() > Ink(Shot()).width()); // "&&" draws one "&"
    }

    void redrawRules() {
        QTRY_VERIFY(btn->paints > 0);
        QTest::qWait(20);
        btn->paints = 0;
        btn->setBorder(BsNormal); // its present value
        QTest::qWait(20);
        QCOMPARE(btn->paints, 0);
        btn->setCaption(btn->Caption()); // always
        QTRY_VERIFY(btn->paints > 0);
        btn->paints = 0;
        btn->setBorder(BsIe);
        QTRY_VERIFY(btn->paints > 0);
    }

    void clickRuleWithRealEvents() {
        btn->setBorder(BsIe);
        // Press, drag off, release off: no click.
        QTest::mousePress(btn, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(btn->Pushed());
        QTest::mouseMove(btn, QPoint(80, 10));
        QTest::mouseRelease(btn, Qt::LeftButton, {}, QPoint(80, 10));
        QCOMPARE(clicks, 0);
        QVERIFY(!btn->Pushed());
        // Press, leave, come back, release: a click, while still drawn pushed.
        bool pushedInClick = false;
        connect(btn, &TMKvTranBtn::clicked, this, [&] { pushedInClick = btn->Pushed(); });
        QTest::mousePress(btn, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseMove(btn, QPoint(80, 10));
        QTest::mouseMove(btn, QPoint(12, 12));
        QTest::mouseRelease(btn, Qt::LeftButton, {}, QPoint(12, 12));
        QCOMPARE(clicks, 1);
        QVERIFY(pushedInClick);
        QVERIFY(!btn->Pushed());
        // A right click is no click.
        QTest::mouseClick(btn, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(clicks, 1);
    }

    void doubleClickGivesOneClick() {
        // As the window system delivers it: press, release, double click, release.
        QTest::mousePress(btn, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(btn, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(btn, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!btn->Pushed());
        QTest::mouseRelease(btn, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks, 1);
    }

    void mouseSignals() {
        QList<QPoint> downs, moves, ups;
        connect(btn, &TMKvTranBtn::mousePressed, this, [&](QPoint p) { downs << p; });
        connect(btn, &TMKvTranBtn::mouseMoved, this, [&](QPoint p) { moves << p; });
        connect(btn, &TMKvTranBtn::mouseReleased, this, [&](QPoint p) {
            QCOMPARE(clicks, 1); // the click comes first
            ups << p;
        });
        QTest::mousePress(btn, Qt::LeftButton, {}, QPoint(3, 4));
        QTest::mouseMove(btn, QPoint(5, 6));
        QTest::mouseRelease(btn, Qt::LeftButton, {}, QPoint(5, 6));
        QCOMPARE(downs, QList<QPoint>{QPoint(3, 4)});
        QVERIFY(moves.contains(QPoint(5, 6)));
        QCOMPARE(ups, QList<QPoint>{QPoint(5, 6)});
    }

    void hitRuleOfAButtonWithoutFrame() {
        const QImage pic = BackArrowPicture();
        btn->setBorder(BSnone);
        btn->setBitMap(pic);
        Shot();
        const QPoint at = btn->PictureRect().topLeft();
        const QPoint ink = PointsOf(pic, Qt::black).first() + at;
        btn->MouseEnter();
        btn->MouseMove(at); // the picture's white corner
        QVERIFY(!btn->Hovered());
        btn->MouseDown(at);
        QVERIFY(!btn->Pushed());
        btn->MouseUp(at);
        QCOMPARE(clicks, 1); // inside the rectangle all the same

        btn->MouseMove(ink);
        QVERIFY(btn->Hovered());
        btn->MouseDown(ink);
        QVERIFY(btn->Pushed());
        btn->MouseMove(at); // released away from the picture: stays pushed
        btn->MouseUp(at);
        QVERIFY(btn->Pushed());
        btn->MouseDown(at); // the next press away from it clears it
        QVERIFY(!btn->Pushed());
        btn->MouseUp(at);
    }

    void transparentColour() {
        QCOMPARE(TMKvTranBtn::TransparentColorOf(BackArrowPicture()), qRgb(255, 255, 255));
        QImage rgb(4, 3, QImage::Format_RGB32);
        rgb.fill(Qt::red);
        rgb.setPixel(0, 2, qRgb(1, 2, 3));
        QCOMPARE(TMKvTranBtn::TransparentColorOf(rgb), qRgb(1, 2, 3));

        QImage target(4, 3, QImage::Format_RGB32);
        target.fill(Qt::green);
        const QImage before = rgb;
        QPainter p(&target);
        TMKvTranBtn::DrawTransparentBitmap(p, rgb, 0, 0, qRgb(1, 2, 3));
        p.end();
        QCOMPARE(rgb, before);
        QCOMPARE(target.pixelColor(0, 2), QColor(Qt::green));
        QCOMPARE(target.pixelColor(1, 2), QColor(Qt::red));
    }

    void clickingDoesNotTakeTheFocus() {
        QStringList messages;
        const MessageHandler old =
            SetMessageHandler([&](const QString& text) { messages << text; });
        auto* edit = new TKvEdit(parent);
        edit->Broj = Ceo;
        edit->move(100, 20);
        edit->show();
        parent->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(parent));
        edit->setFocus();
        edit->setText(QStringLiteral("x"));
        QTest::mouseClick(btn, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks, 1);
        QCOMPARE(QApplication::focusWidget(), edit);
        QVERIFY(messages.isEmpty());
        edit->setText(QStringLiteral("1"));
        SetMessageHandler(old);
    }
};

QTEST_MAIN(KvTranBtnTest)
#include "tst_kvtranbtn.moc"

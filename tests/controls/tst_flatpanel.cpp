// The flat panel: its frame, background, caption and child margin; and the program's pictures.
#include "FlatPanel.h"
#include "Pictures.h"

#include <QPainter>
#include <QSet>
#include <QVBoxLayout>
#include <QtTest>
#include <cmath>

namespace {

// A parent with a pattern, so that transparency shows.
class Checkered : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        for (int y = 0; y < height(); y += 3)
            for (int x = 0; x < width(); x += 3)
                p.fillRect(x, y, 3, 3, (x + y) % 2 ? QColor(200, 40, 40) : QColor(40, 40, 200));
    }
};

QColor At(const QImage& img, int x, int y) {
    return img.pixelColor(x, y);
}

} // namespace

class FlatPanelTest : public QObject {
    Q_OBJECT
    Checkered* parent = nullptr;
    TFlatPanel* panel = nullptr;

    QImage Shot() { return parent->grab(panel->geometry()).toImage(); }

private slots:
    void init() {
        parent = new Checkered;
        parent->resize(300, 200);
        panel = new TFlatPanel(parent);
        panel->move(13, 17);
        parent->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent));
    }
    void cleanup() { delete parent; }

    void defaults() {
        TFlatPanel p;
        QCOMPARE(p.size(), QSize(185, 41));
        QVERIFY(!p.Transparent());
        QCOMPARE(p.ColorHighLight(), TColor(0x8396A0));
        QCOMPARE(p.ColorShadow(), TColor(0x8396A0));
        QCOMPARE(p.Alignment, taCenter);
        QVERIFY(p.Caption().isEmpty());
        QVERIFY(p.ParentColor());
        QCOMPARE(p.contentsMargins(), QMargins(1, 1, 1, 1));
    }

    void frameEdgesAndCorners() {
        panel->setColor(0x00FFFF); // yellow
        panel->setColorHighLight(0x0000FF);
        panel->setColorShadow(0xFF0000);
        const QImage img = Shot();
        const int r = img.width() - 1, b = img.height() - 1;
        const QColor red(255, 0, 0), blue(0, 0, 255), yellow(255, 255, 0);
        QCOMPARE(At(img, 0, 0), red);
        QCOMPARE(At(img, 0, b - 1), red);
        QCOMPARE(At(img, r - 1, 0), red);
        QCOMPARE(At(img, r, 0), blue); // top-right corner: shadow
        QCOMPARE(At(img, 0, b), blue); // bottom-left corner: shadow
        QCOMPARE(At(img, r, b), blue);
        QCOMPARE(At(img, r, b / 2), blue);
        QCOMPARE(At(img, r / 2, b), blue);
        // Nothing but the fill inside: an empty caption draws nothing.
        for (int y = 1; y < b; ++y)
            for (int x = 1; x < r; ++x)
                QCOMPARE(At(img, x, y), yellow);
    }

    void whiteFrameIsAPlainRectangle() {
        panel->setTransparent(true);
        panel->setColorHighLight(clWhite);
        panel->setColorShadow(clWhite);
        const QImage img = Shot();
        const int r = img.width() - 1, b = img.height() - 1;
        for (int x = 0; x <= r; ++x) {
            QCOMPARE(At(img, x, 0), QColor(Qt::white));
            QCOMPARE(At(img, x, b), QColor(Qt::white));
        }
        for (int y = 0; y <= b; ++y) {
            QCOMPARE(At(img, 0, y), QColor(Qt::white));
            QCOMPARE(At(img, r, y), QColor(Qt::white));
        }
    }

    void transparentShowsTheParentsPixels() {
        panel->setTransparent(true);
        const QImage img = Shot();
        panel->hide();
        const QImage under = Shot();
        for (int y = 1; y < img.height() - 1; ++y)
            for (int x = 1; x < img.width() - 1; ++x)
                QCOMPARE(At(img, x, y), At(under, x, y));
        QCOMPARE(At(img, 0, 0), ToQColor(0x8396A0));
    }

    void parentColourFillsUntilAColourIsSet() {
        QPalette pal = parent->palette();
        pal.setColor(QPalette::Window, QColor(12, 34, 56));
        parent->setPalette(pal);
        QCOMPARE(Shot().pixelColor(5, 5), QColor(12, 34, 56));
        panel->setColor(0x00FF00);
        QCOMPARE(Shot().pixelColor(5, 5), QColor(0, 255, 0));
        QVERIFY(!panel->ParentColor());
    }

    void captionByAlignment() {
        panel->setColor(clWhite);
        panel->setCaption(QStringLiteral("Glava"));
        auto inkColumns = [&] {
            const QImage img = Shot();
            int first = -1, last = -1;
            for (int x = 1; x < img.width() - 1; ++x)
                for (int y = 1; y < img.height() - 1; ++y)
                    if (At(img, x, y) != QColor(Qt::white)) {
                        if (first < 0)
                            first = x;
                        last = x;
                    }
            return std::pair{first, last};
        };
        const auto centre = inkColumns();
        QVERIFY(qAbs((centre.first + centre.second) / 2 - panel->width() / 2) <= 2);
        panel->setAlignment(taLeftJustify);
        QVERIFY(inkColumns().first <= 2);
        panel->setAlignment(taRightJustify);
        QVERIFY(inkColumns().second >= panel->width() - 3);
    }

    void disabledCaptionIsEmbossed() {
        panel->setColor(0xFFFF00); // cyan: neither of the two colours
        panel->setCaption(QStringLiteral("I"));
        const QColor light(panel->palette().color(QPalette::Active, QPalette::Light).rgb());
        const QColor dark(panel->palette().color(QPalette::Active, QPalette::Dark).rgb());
        const QColor text(panel->palette().color(QPalette::Active, QPalette::WindowText).rgb());
        auto count = [&](const QImage& img, const QColor& c) {
            int n = 0;
            for (int y = 1; y < img.height() - 1; ++y)
                for (int x = 1; x < img.width() - 1; ++x)
                    n += At(img, x, y) == c;
            return n;
        };
        QVERIFY(count(Shot(), text) > 0);
        panel->setEnabled(false);
        const QImage img = Shot();
        QCOMPARE(count(img, text), 0);
        QVERIFY(count(img, light) > 0);
        QVERIFY(count(img, dark) > 0);
        // The highlight copy lies one pixel right and down of the shadow copy. Without
        // antialiasing each copy is exactly its colour.
        QFont plain = panel->font();
        plain.setStyleStrategy(QFont::NoAntialias);
        panel->setFont(plain);
        const QImage sharp = Shot();
        int lights = 0;
        for (int y = 1; y < sharp.height() - 1; ++y)
            for (int x = 1; x < sharp.width() - 1; ++x)
                if (At(sharp, x, y) == light) {
                    ++lights;
                    QCOMPARE(At(sharp, x - 1, y - 1), dark);
                }
        QVERIFY(lights > 0);
    }

    void childInsideTheMargin() {
        auto* layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0); // the panel's own margin only
        layout->setSpacing(0);
        auto* child = new QWidget;
        layout->addWidget(child);
        child->show();
        panel->resize(120, 60);
        layout->activate();
        QCOMPARE(child->geometry(), QRect(1, 1, 118, 58));
    }

    void pictures() {
        const QImage back = BackArrowPicture();
        QCOMPARE(back.size(), QSize(36, 32));
        QCOMPARE(ForwardArrowPicture(), back.mirrored(true, false));
        QCOMPARE(ShowArrowPicture().size(), QSize(28, 37));
        QCOMPARE(BackgroundTile().size(), QSize(160, 120));
        QCOMPARE(HandPicture().size(), QSize(217, 300));
        for (const QImage& img : {back, ShowArrowPicture(), HandPicture()}) {
            QCOMPARE(img.depth(), 1); // two colours, black on white
            int black = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    const QRgb c = img.pixel(x, y) & 0xFFFFFF;
                    QVERIFY(c == 0 || c == 0xFFFFFF);
                    black += c == 0;
                }
            QVERIFY(black > 0);
            QVERIFY(black < img.width() * img.height() / 2);
        }
        // The back arrow points left: its left third is taller in ink than its right third.
        auto inkRows = [&](int x) {
            int n = 0;
            for (int y = 0; y < back.height(); ++y)
                n += (back.pixel(x, y) & 0xFFFFFF) == 0;
            return n;
        };
        QVERIFY(inkRows(12) > inkRows(30));
        // Every caption colour of the buttons on the tile (navy, blue when hovered, white when
        // pushed) keeps a readable contrast against each colour of the tile.
        auto luminance = [](QRgb c) {
            auto lin = [](int v) {
                const double s = v / 255.0;
                return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
        };
        const QImage tile = BackgroundTile();
        QSet<QRgb> colours;
        for (int y = 0; y < tile.height(); ++y)
            for (int x = 0; x < tile.width(); ++x)
                colours.insert(tile.pixel(x, y));
        for (QRgb caption : {qRgb(0, 0, 128), qRgb(0, 0, 255), qRgb(255, 255, 255)})
            for (QRgb c : colours) {
                const double a = luminance(caption) + 0.05, b = luminance(c) + 0.05;
                QVERIFY2(std::max(a, b) / std::min(a, b) >= 2.4,
                         qPrintable(QString::number(c, 16)));
            }
    }
};

QTEST_MAIN(FlatPanelTest)
#include "tst_flatpanel.moc"

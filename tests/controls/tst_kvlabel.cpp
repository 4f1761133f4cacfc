// The verse label: dressing by kind, measurements, hover colours and styles, clicks and menus.
#include "Kvlabel.h"
#include "Look.h"
#include "PopupMenu.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QPainter>
#include <QtTest>

namespace {

// Wrapped lines of a text as the label lays it out: a whole number of line heights.
int Lines(const QFont& font, int width, const QString& text) {
    QFontMetrics fm(font);
    const QRect r =
        fm.boundingRect(QRect(0, 0, width, 1 << 24), Qt::TextWordWrap | Qt::TextShowMnemonic, text);
    return 1 + qRound(double(r.height() - fm.height()) / fm.lineSpacing());
}

int LineHeightOf(const QFont& font) {
    return KvLineHeight(QFontMetrics(font));
}

const QString Verse = QStringLiteral(
    "1 U po\u010detku stvori Bog nebo i zemlju. A zemlja be\u0161e bez obli\u010dja i pusta, "
    "i be\u0161e tama nad bezdanom; i duh Bo\u017eji diza\u0161e se nad vodom.");

// A parent that notes the context menus that reach it.
class Pane : public QWidget {
public:
    int menus = 0;

protected:
    void contextMenuEvent(QContextMenuEvent*) override { ++menus; }
};

} // namespace

class KvlabelTest : public QObject {
    Q_OBJECT
    Pane* pane = nullptr;

    TKvlabel* NewLabel() {
        auto* l = new TKvlabel(pane);
        l->FontTekst.Name = QStringLiteral("Liberation Serif");
        l->FontPok.Name = QStringLiteral("Arial");
        return l;
    }

private slots:
    void init() {
        pane = new Pane;
        pane->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        pane->resize(400, 300);
    }
    void cleanup() { delete pane; }

    void defaults() {
        TKvlabel l(pane);
        QCOMPARE(l.Vrsta(), Tekst1);
        QCOMPARE(l.LineWidth(), 0);
        QCOMPARE(l.TextHeight(), 0);
        QCOMPARE(l.Sirina, 0);
        QCOMPARE(l.ColorIn, clBlack);
        QCOMPARE(l.ColorOut, clBlack);
        QCOMPARE(l.FontTekst.Name, QStringLiteral("Miroslavljeva Cirilica"));
        QCOMPARE(l.FontTekst.Size, 13);
        QCOMPARE(l.FontTekst.Style, int(fsBold));
        QCOMPARE(l.FontTekst.Color, clBlack);
        QCOMPARE(l.FontPok.Name, QStringLiteral("Arial cirilica"));
        QCOMPARE(l.FontPok.Size, 10);
        QCOMPARE(l.FontPok.Style, 0);
        QCOMPARE(l.FontPok.Color, clBlue);
        // Not dressed until Vrsta is set: the parent's font.
        QCOMPARE(l.font(), pane->font());
    }

    void emptyText() {
        for (VRSTA_SKUP kind : {Tekst1, Pok1, Knjiga1}) {
            TKvlabel* l = NewLabel();
            l->Sirina = 120;
            l->setVrsta(kind);
            l->setTekst(QString());
            QCOMPARE(l->LineWidth(), 0);
            QCOMPARE(l->TextHeight(), LineHeightOf(l->font()));
            QCOMPARE(l->height(), l->TextHeight());
            QCOMPARE(l->width(), kind == Tekst1 ? 120 : 0);
        }
    }

    void referenceIsOneLineAsWideAsItsText() {
        TKvlabel* l = NewLabel();
        l->Sirina = 50; // no part in a reference
        l->setVrsta(Pok1);
        const QString ref = QStringLiteral("1 MOJ 10:5,");
        l->setTekst(ref);
        QCOMPARE(l->Tekst(), ref);
        QCOMPARE(l->text(), ref);
        QFontMetrics fm(l->font());
        QCOMPARE(l->LineWidth(), fm.horizontalAdvance(ref));
        QCOMPARE(l->TextHeight(), LineHeightOf(l->font()));
        QCOMPARE(l->size(), QSize(l->LineWidth(), l->TextHeight()));
        QVERIFY(!l->WordWrap());
    }

    void verseWrapsAtSirina() {
        TKvlabel* l = NewLabel();
        l->Sirina = 180;
        l->setVrsta(Tekst1);
        l->setTekst(Verse);
        QFontMetrics fm(l->font());
        const int line = LineHeightOf(l->font());
        QCOMPARE(l->LineWidth(), fm.horizontalAdvance(Verse));
        QVERIFY(l->LineWidth() > l->Sirina);
        QCOMPARE(l->TextHeight() % line, 0);
        QVERIFY(l->TextHeight() > line);
        QCOMPARE(l->TextHeight(), Lines(l->font(), 180, Verse) * line);
        QCOMPARE(l->size(), QSize(180, l->TextHeight()));
        QVERIFY(l->WordWrap());

        // Every line is drawn: ink in the last line, none below the label's height.
        l->move(0, 0);
        l->show();
        pane->show();
        QImage img = l->grab().toImage();
        bool inkInLastLine = false;
        for (int row = l->TextHeight() - line; row < l->TextHeight(); ++row)
            for (int col = 0; col < img.width(); ++col)
                inkInLastLine = inkInLastLine || qGray(img.pixel(col, row)) < 100;
        QVERIFY(inkInLastLine);
    }

    void longWordIsNotBroken() {
        TKvlabel* l = NewLabel();
        l->Sirina = 30;
        l->setVrsta(Tekst1);
        l->setTekst(QStringLiteral("Nabuhodonosorovih"));
        QCOMPARE(l->TextHeight(), LineHeightOf(l->font()));
    }

    void acceleratorMark() {
        QCOMPARE(StripAccelerators(QStringLiteral("&Tra\u017ei")), QStringLiteral("Tra\u017ei"));
        QCOMPARE(StripAccelerators(QStringLiteral("A && B&")), QStringLiteral("A & B"));
        QCOMPARE(StripAccelerators(QStringLiteral("&&&x")), QStringLiteral("&x"));
        TKvlabel* l = NewLabel();
        l->setVrsta(Knjiga1);
        l->setTekst(QStringLiteral("R && &D"));
        QCOMPARE(l->LineWidth(),
                 QFontMetrics(l->font()).horizontalAdvance(QStringLiteral("R & D")));
        QCOMPARE(l->Tekst(), QStringLiteral("R && &D"));
        // A screen reader reads the caption as drawn.
        QCOMPARE(QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name),
                 QStringLiteral("R & D"));
        // A reference without the comma that parts it from the next.
        l->setVrsta(Pok1);
        l->setTekst(QStringLiteral("PS 33:6,"));
        QCOMPARE(QAccessible::queryAccessibleInterface(l)->text(QAccessible::Name),
                 QStringLiteral("PS 33:6"));
    }

    void tekstBeforeVrstaMeasuresInTheOldFont() {
        TKvlabel* l = NewLabel();
        const QString ref = QStringLiteral("PS 33:6,");
        l->setTekst(ref); // a fresh label: the parent's font
        const int x = QFontMetrics(pane->font()).horizontalAdvance(ref);
        QCOMPARE(l->LineWidth(), x);
        l->setVrsta(Pok1);
        QCOMPARE(l->font().family(), QStringLiteral("Arial"));
        QCOMPARE(l->LineWidth(), x); // stale until the next Tekst
        l->setTekst(ref);
        QCOMPARE(l->LineWidth(), QFontMetrics(l->font()).horizontalAdvance(ref));
        QVERIFY(l->LineWidth() != x);
    }

    void restylingByKind() {
        TKvlabel* l = NewLabel();
        l->FontTekst.Color = clRed;
        l->FontTekst.Size = 15;
        l->setVrsta(Tekst1);
        QCOMPARE(l->font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(l->font().pointSize(), 15);
        QVERIFY(l->font().bold());
        QCOMPARE(l->FontColor(), clRed);
        QCOMPARE(l->cursor().shape(), Qt::ArrowCursor);

        l->setVrsta(Knjiga1); // keeps the verse face
        QCOMPARE(l->font().family(), QStringLiteral("Liberation Serif"));
        QCOMPARE(l->font().pointSize(), 11);
        QVERIFY(l->font().bold());
        QCOMPARE(l->FontColor(), clBlue);
        QCOMPARE(l->ColorIn, clRed);
        QCOMPARE(l->ColorOut, clBlue);
        QCOMPARE(l->cursor().shape(), Qt::PointingHandCursor);

        l->FontPok.Style = fsBold | fsUnderline;
        l->FontPok.Color = clNavy;
        l->setVrsta(Pok1);
        QCOMPARE(l->font().family(), QStringLiteral("Arial"));
        QCOMPARE(l->font().pointSize(), 10);
        QVERIFY(l->font().bold() && l->font().underline() && !l->font().italic());
        QCOMPARE(l->FontColor(), clNavy);
        QCOMPARE(l->ColorIn, clRed);
        QCOMPARE(l->ColorOut, clNavy);

        // A reference's handler and menu go when the label becomes verse text again.
        TPopupMenu menu;
        l->setClickable(true);
        l->PopupMenu = &menu;
        l->setOpaqueBackground(clLime);
        l->setVrsta(Pok1); // leaves them
        QVERIFY(l->Clickable());
        QCOMPARE(l->PopupMenu, &menu);
        QVERIFY(l->isTransparent());
        l->setVrsta(Tekst1);
        QVERIFY(!l->Clickable());
        QVERIFY(!l->PopupMenu);
        QVERIFY(l->isVisibleTo(pane));
    }

    void hoverColoursAndStyles() {
        TKvlabel* l = NewLabel();
        l->FontTekst.Color = clRed;
        l->Sirina = 200;
        l->setVrsta(Tekst1);
        l->setTekst(Verse);
        const int x = l->LineWidth(), y = l->TextHeight();
        l->MouseEnter();
        QCOMPARE(l->FontColor(), TColor(0x460000));
        l->MouseLeave();
        QCOMPARE(l->FontColor(), clBlack); // not the font's red
        QCOMPARE(l->LineWidth(), x);
        QCOMPARE(l->TextHeight(), y);

        l->FontPok.Style = fsBold;
        l->setVrsta(Pok1);
        l->setTekst(QStringLiteral("JOV 1:1,"));
        const int px = l->LineWidth(), py = l->TextHeight();
        l->MouseEnter();
        QCOMPARE(l->FontColor(), clRed);
        QVERIFY(l->font().italic() && !l->font().bold());
        l->MouseLeave();
        QCOMPARE(l->FontColor(), clBlue);
        QVERIFY(!l->font().italic() && !l->font().bold()); // shown plain from now on
        QCOMPARE(l->LineWidth(), px);
        QCOMPARE(l->TextHeight(), py);
        // The label fits its restyled text, as the measurements of the plain font say.
        QCOMPARE(l->width(), QFontMetrics(l->font()).horizontalAdvance(l->Tekst()));

        l->setVrsta(Knjiga1);
        l->ColorIn = clLime;
        l->MouseEnter();
        QCOMPARE(l->FontColor(), clLime);
        QVERIFY(l->font().bold());
        l->MouseLeave();
        QCOMPARE(l->FontColor(), clBlue);
        QVERIFY(l->font().bold() && !l->font().italic());
    }

    void pointerEventsReachTheHoverRules() {
        TKvlabel* l = NewLabel();
        l->setVrsta(Pok1);
        l->setTekst(QStringLiteral("JOV 1:1"));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(l, &enter);
        QCOMPARE(l->FontColor(), clRed);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(l, &leave);
        QCOMPARE(l->FontColor(), clBlue);
    }

    void clickAndPopupMenu() {
        TKvlabel* l = NewLabel();
        l->setVrsta(Pok1);
        l->setTekst(QStringLiteral("MAT 5:3"));
        l->move(10, 10);
        pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane));
        TKvlabel* clicked = nullptr;
        int clicks = 0;
        l->setClickable(true);
        QObject::connect(l, &TKvlabel::clicked, [&](TKvlabel* who) {
            clicked = who;
            ++clicks;
        });
        QTest::mouseClick(l, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(clicked, l);
        QTest::mouseClick(l, Qt::RightButton, {}, QPoint(3, 3));
        QCOMPARE(clicks, 1);

        // Without a menu of its own the pane's menu opens.
        const int menus = pane->menus;
        QContextMenuEvent plain(QContextMenuEvent::Mouse, QPoint(3, 3),
                                l->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(l, &plain);
        QCOMPARE(pane->menus, menus + 1);

        TPopupMenu menu;
        menu.addAction(QStringLiteral("Ubaci u podsetnik"));
        l->PopupMenu = &menu;
        QContextMenuEvent own(QContextMenuEvent::Mouse, QPoint(3, 3), l->mapToGlobal(QPoint(3, 3)));
        QCoreApplication::sendEvent(l, &own);
        QCOMPARE(pane->menus, menus + 1);
        QCOMPARE(menu.PopupComponent(), l);
        menu.close();
    }

    void closingMenuEndsHoverAwayFromPointer() {
        TKvlabel* left = NewLabel();
        TKvlabel* under = NewLabel();
        for (TKvlabel* l : {left, under}) {
            l->setVrsta(Pok1);
            l->setTekst(QStringLiteral("MAT 5:3,"));
        }
        left->move(10, 10);
        under->move(10, 100);
        pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane));
        left->MouseEnter();
        under->MouseEnter();
        TPopupMenu menu;
        menu.addAction(QStringLiteral("Podsetnik"));
        menu.popupFor(left, left->mapToGlobal(QPoint(3, 3)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QCursor::setPos(under->mapToGlobal(QPoint(3, 3)));
        menu.hide();
        QCOMPARE(left->FontColor(), clBlue);
        QVERIFY(!left->font().italic());
        QCOMPARE(under->FontColor(), clRed); // still under the pointer
    }

    void opaqueHighlight() {
        pane->setAutoFillBackground(true);
        QPalette pal = pane->palette();
        pal.setColor(QPalette::Window, QColor(10, 200, 30));
        pane->setPalette(pal);
        TKvlabel* l = NewLabel();
        l->Sirina = 300;
        l->setVrsta(Tekst1);
        l->setTekst(QStringLiteral("kratko"));
        l->move(0, 0);
        pane->show();
        QVERIFY(QTest::qWaitForWindowExposed(pane));
        const QPoint blank(290, 2); // right of the short text
        QCOMPARE(pane->grab(l->geometry()).toImage().pixelColor(blank), QColor(10, 200, 30));
        l->setOpaqueBackground(0x80FFFF); // light yellow
        QCOMPARE(pane->grab(l->geometry()).toImage().pixelColor(blank), ToQColor(0x80FFFF));
        l->setTransparent();
        QCOMPARE(pane->grab(l->geometry()).toImage().pixelColor(blank), QColor(10, 200, 30));
    }

    void heightCoversTheInk_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("text");
        const QString latin = QStringLiteral("1. Gospod je pastir moj; ništa mi neće nedostajati, "
                                             "Šđžćč gjpqy ĐŽ Ą ę,");
        const QString cyrillic = QStringLiteral("1. Господ је пастир мој; ништа ми неће "
                                                "недостајати, ЂЏЖ џјђцщдфру Й,");
        for (int style : {0, int(fsBold), int(fsItalic), fsBold | fsItalic})
            for (int size : {16, 24}) {
                const QByteArray name = QByteArray::number(style) + "/" + QByteArray::number(size);
                QTest::newRow(name + " latin") << style << size << latin;
                QTest::newRow(name + " cyrillic") << style << size << cyrillic;
            }
    }
    // Every pixel the label's text inks lies within the label: nothing is cut off below.
    void heightCoversTheInk() {
        QFETCH(int, style);
        QFETCH(int, size);
        QFETCH(QString, text);
        TKvlabel* l = NewLabel();
        l->FontTekst = TKvFont{QStringLiteral("Arial"), size, style, clBlack, 238};
        l->Sirina = 300;
        l->setVrsta(Tekst1);
        l->setTekst(text);
        QImage ink(l->Sirina, l->TextHeight() * 3, QImage::Format_ARGB32);
        ink.fill(Qt::transparent);
        QPainter p(&ink);
        p.setFont(l->font());
        p.drawText(QRect(0, 0, l->Sirina, ink.height()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
        p.end();
        int bottom = -1;
        for (int y = 0; y < ink.height(); ++y)
            for (int x = 0; x < ink.width(); ++x)
                if (qAlpha(ink.pixel(x, y)) != 0)
                    bottom = y;
        QVERIFY(bottom > 0);
        QVERIFY2(
            bottom < l->TextHeight(),
            qPrintable(QStringLiteral("ink to %1, label %2").arg(bottom).arg(l->TextHeight())));
    }

    // A colour that would be lost on its background takes a counterpart that keeps 4.5:1.
    void readableOnItsBackground_data() {
        QTest::addColumn<QColor>("fore");
        QTest::addColumn<QColor>("back");
        QTest::newRow("black on white, as it is") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("red on white") << QColor(Qt::red) << QColor(Qt::white);
        QTest::newRow("black on dark") << QColor(Qt::black) << QColor(30, 30, 32);
        QTest::newRow("navy on dark") << QColor(0, 0, 128) << QColor(45, 45, 48);
        QTest::newRow("blue on the dark highlight") << QColor(Qt::blue) << QColor(62, 62, 94);
    }
    void readableOnItsBackground() {
        QFETCH(QColor, fore);
        QFETCH(QColor, back);
        const QColor shown = ReadableOn(fore, back);
        QVERIFY(ContrastRatio(shown, back) >= 4.5);
        if (ContrastRatio(fore, back) >= 4.5)
            QCOMPARE(shown, fore);
        // The chosen verse's text on its highlight.
        TKvlabel* l = NewLabel();
        l->setOpaqueBackground(HighlightColor);
        QVERIFY(ContrastRatio(l->ShownTextColor(), l->ShownBackground()) >= 4.5);
    }

    void colourConversion() {
        QCOMPARE(ToQColor(0x460000), QColor(0, 0, 70));
        QCOMPARE(ToQColor(0x8396A0), QColor(160, 150, 131));
        QCOMPARE(FromQColor(QColor(160, 150, 131)), TColor(0x8396A0));
        QCOMPARE(FromQColor(ToQColor(0x123456)), TColor(0x123456));
    }
};

QTEST_MAIN(KvlabelTest)
#include "tst_kvlabel.moc"

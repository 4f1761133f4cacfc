#include "FontDialog.h"

#include <QComboBox>
#include <QtTest>

class TestFontDialog : public QObject {
    Q_OBJECT
private slots:
    void givesBackTheStartFont();
    void colourRowPicksTheColour();
    void missingFaceKeepsItsStyle();
};

void TestFontDialog::givesBackTheStartFont() {
    const TKvFont start{QStringLiteral("DejaVu Serif"), 14, fsBold | fsUnderline, 0x008000, 238};
    TFontDialog dialog(start);
    QCOMPARE(dialog.Chosen(), start);
    QVERIFY(dialog.isAncestorOf(dialog.ColorBox));
}

void TestFontDialog::colourRowPicksTheColour() {
    // A colour outside the sixteen stays on offer; the box changes the chosen colour.
    TFontDialog dialog(TKvFont{QStringLiteral("DejaVu Sans"), 10, 0, 0x123456, 238});
    QCOMPARE(dialog.ChosenColor(), TColor(0x123456));
    QCOMPARE(dialog.ColorBox->count(), 17);
    dialog.ColorBox->setCurrentIndex(dialog.ColorBox->findText(QStringLiteral("Crvena")));
    QCOMPARE(dialog.Chosen().Color, clRed);
}

void TestFontDialog::missingFaceKeepsItsStyle() {
    const TKvFont start{QStringLiteral("Nema Takvog Fonta"), 13, fsBold, clBlack, 238};
    const TKvFont chosen = TFontDialog(start).Chosen();
    QCOMPARE(chosen.Name, QFontInfo(start.toQFont()).family());
    QCOMPARE(chosen.Size, 13);
    QCOMPARE(chosen.Style, int(fsBold));
}

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"

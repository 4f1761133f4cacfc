#include "FontDialog.h"

#include <QComboBox>
#include <QtTest>

class TestFontDialog : public QObject {
    Q_OBJECT
private slots:
    void givesBackTheStartFont();
    void colourRowPicksTheColour();
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

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"

#include "FontDialog.h"

#include <QComboBox>
#include <QtTest>

class TestFontDialog : public QObject {
    Q_OBJECT
private slots:
    void givesBackTheStartFont();
    void colourRowPicksTheColour();
    void missingFaceKeepsItsStyle();
    void unchangedDialogGivesTheFontBack_data();
    void unchangedDialogGivesTheFontBack();
};

void TestFontDialog::givesBackTheStartFont() {
    const TKvFont start{QStringLiteral("DejaVu Serif"), 14, fsBold | fsUnderline, 0x008000, 238};
    TFontDialog dialog(start);
    QCOMPARE(dialog.Chosen(), start);
    QVERIFY(dialog.isAncestorOf(dialog.ColorList()));
}

void TestFontDialog::colourRowPicksTheColour() {
    // A colour outside the sixteen stays on offer; the box changes the chosen colour.
    TFontDialog dialog(TKvFont{QStringLiteral("DejaVu Sans"), 10, 0, 0x123456, 238});
    QCOMPARE(dialog.ChosenColor(), TColor(0x123456));
    QCOMPARE(dialog.ColorList()->count(), 17);
    dialog.ColorList()->setCurrentIndex(dialog.ColorList()->findText(QStringLiteral("Crvena")));
    QCOMPARE(dialog.Chosen().Color, clRed);
}

void TestFontDialog::missingFaceKeepsItsStyle() {
    const TKvFont start{QStringLiteral("Nema Takvog Fonta"), 13, fsBold, clBlack, 238};
    const TKvFont chosen = TFontDialog(start).Chosen();
    QCOMPARE(chosen.Name, QFontInfo(start.toQFont()).family());
    QCOMPARE(chosen.Size, 13);
    QCOMPARE(chosen.Style, int(fsBold));
}

void TestFontDialog::unchangedDialogGivesTheFontBack_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("style");
    QTest::newRow("Arial bold") << "Arial" << int(fsBold);
    QTest::newRow("Arial") << "Arial" << 0;
    QTest::newRow("italic") << "DejaVu Sans" << int(fsItalic);
    QTest::newRow("bold italic") << "DejaVu Serif" << int(fsBold | fsItalic);
    QTest::newRow("missing italic") << "Nema Takvog Fonta" << int(fsItalic);
}

void TestFontDialog::unchangedDialogGivesTheFontBack() {
    QFETCH(QString, face);
    QFETCH(int, style);
    const TKvFont start{face, 13, style, 0x800000, 238};
    const TKvFont chosen = TFontDialog(start).Chosen();
    QCOMPARE(chosen.Name, QFontInfo(start.toQFont()).family());
    QCOMPARE(chosen.Size, start.Size);
    QCOMPARE(chosen.Style, start.Style);
    QCOMPARE(chosen.Color, start.Color);
}

QTEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"

#pragma once

#include "Colors.h"

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class TKvlabel;
class TReaderState;

// The dialog for a pane's text and reference fonts, shown modally. Two hidden labels under
// its panel hold the fonts being edited; the main window takes them from there on OK.
class TfPodesiFont : public QDialog {
    Q_OBJECT
public:
    explicit TfPodesiFont(QWidget* parent = nullptr);
    ~TfPodesiFont() override;

    // The reader whose pane fonts the dialog starts from, and the pane (1..3), set before
    // each showing.
    void setPanes(const TReaderState* panes) { panes_ = panes; }
    int FontPane = 1;

    // Asks the user for a font, starting from the given one; false when cancelled. The
    // system font dialog unless replaced.
    std::function<bool(TKvFont& font)> ChooseFont;
    // Shows the dialog modally and gives its result. exec() unless replaced.
    std::function<int()> ShowModal;

    // The fonts being edited, as the two labels hold them.
    TKvFont TextFontOfLabel() const;
    TKvFont RefFontOfLabel() const;
    TKvlabel* LabelTekstProba() const { return labelTekstProba_; }
    TKvlabel* LabelTekstPok() const { return labelTekstPok_; }

    // The controls, for tests: the buttons of the text and the reference font, and the sample
    // of the text font.
    QPushButton* TextFontButton() const { return BtnFontTekst; }
    QPushButton* RefFontButton() const { return BtnFontPok; }
    QLabel* TextSample() const { return LabelUzorakTeksta; }

    // Handlers.
    void FormCreate();
    void FormActivate();
    void BtnFontTekstClick();
    void BtnFontPokClick();
    void FormDestroy();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFrame* Panel1;
    QLabel* Label1;
    QPushButton* BtnFontTekst;
    QLabel* Label2;
    QPushButton* BtnFontPok;
    QPushButton* BtnOk;
    // Samples in the fonts being edited, so that the user sees what OK applies.
    QLabel* LabelUzorakTeksta;
    QLabel* LabelUzorakPok;

    const TKvFont* StoredTextFont() const;
    const TKvFont* StoredRefFont() const;
    void Choose(const TKvFont* stored, TKvlabel* label, int& charset);
    void ShowSamples();

    const TReaderState* panes_ = nullptr;
    TKvlabel* labelTekstProba_ = nullptr;
    TKvlabel* labelTekstPok_ = nullptr;
    // The toolkit's fonts carry no character set: the labels' sets are kept here.
    int textCharset_ = 238;
    int refCharset_ = 238;
};

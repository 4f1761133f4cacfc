#pragma once

#include "Colors.h"

#include <QFontDialog>

class QComboBox;

// A font object of the program as the toolkit font f, text colour color and character set
// charset describe it; the size is rounded to whole points.
TKvFont KvFontOf(const QFont& f, TColor color, int charset);

// The toolkit's font dialog with a colour row under its effects, like the system font dialog
// of the program's fonts: it starts from a font object and gives one back, colour included.
// The toolkit's font has no character set: the chosen font keeps the start font's.
class TFontDialog : public QFontDialog {
    Q_OBJECT
public:
    explicit TFontDialog(const TKvFont& start, QWidget* parent = nullptr);

    // The font as chosen so far.
    TKvFont Chosen() const;
    TColor ChosenColor() const;
    void setChosenColor(TColor color);

    // The colour row's list, for tests.
    QComboBox* ColorList() const { return ColorBox; }

private:
    QComboBox* ColorBox;
    int charset_;
};

// Runs the font dialog modally from font; on OK puts the choice into font and returns true.
bool AskFont(TKvFont& font, QWidget* parent);

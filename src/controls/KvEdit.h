#pragma once

#include <QLineEdit>

enum eBroj { Ceo = 0, Realni = 1, Slova = 2, Datum = 3 };

// A one-line edit for one kind of value: typed characters are filtered by Broj, and the
// whole text is checked each time the edit loses the focus (a message, then the focus back).
class TKvEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TKvEdit(QWidget* parent = nullptr);

    eBroj Broj = Datum;
    int Tag = 0;

    // The filter: the character the edit gets instead of c (13 for a refused one).
    QChar FilterKey(QChar c) const;
    // The check on leaving; false after a message.
    bool CheckText();
    // Whether the text is a value of the kind (no message); the message of the kind.
    bool TextIsValid() const;
    QString MessageText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

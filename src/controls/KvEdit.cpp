#include "KvEdit.h"

#include "Messages.h"
#include "ValueChecks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace {

// Set while an edit shows its message and takes the focus back, so that the focus changes
// this causes run no other check.
bool checking = false;

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

TKvEdit::TKvEdit(QWidget* parent) : QLineEdit(parent) {}

QChar TKvEdit::FilterKey(QChar c) const {
    const QChar refused(13);
    const QChar backspace(8);
    switch (Broj) {
    case Ceo:
        return IsDigit(c) || c == backspace ? c : refused;
    case Realni:
        if (IsDigit(c) || c == backspace)
            return c;
        if (c == QLatin1Char('.') && !text().contains(QLatin1Char('.')))
            return c;
        return refused;
    case Slova:
        return c;
    case Datum:
        return IsDigit(c) || c == backspace || c == QLatin1Char('/') || c == QLatin1Char('-')
                   ? c
                   : refused;
    }
    return refused;
}

void TKvEdit::keyPressEvent(QKeyEvent* event) {
    // Only typed characters pass the filter; editing keys and shortcuts (control characters)
    // work as in any edit.
    const QString typed = event->text();
    bool printable = !typed.isEmpty();
    for (QChar c : typed)
        printable = printable && c.unicode() >= 32 && c.unicode() != 127;
    if (printable && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        for (QChar c : typed) {
            if (FilterKey(c) != c) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

bool TKvEdit::TextIsValid() const {
    switch (Broj) {
    case Ceo:
        return IsWholeNumber(text().trimmed().remove(QLatin1Char(',')));
    case Realni:
        return IsRealNumber(text().trimmed().remove(QLatin1Char(',')));
    case Datum:
        return IsShortDate(text());
    case Slova:
        return true;
    }
    return true;
}

QString TKvEdit::MessageText() const {
    switch (Broj) {
    case Ceo:
        return QStringLiteral("Unesite ceo broj!");
    case Realni:
        return QStringLiteral("Unesite realni broj!");
    case Datum:
        return QStringLiteral("Unesite ispravno datum\r    dd/mm/yyyy");
    case Slova:
        break;
    }
    return {};
}

bool TKvEdit::CheckText() {
    if (Broj != Datum && text().trimmed().isEmpty())
        setText(QStringLiteral("0"));
    if (TextIsValid())
        return true;
    checking = true;
    ShowMessage(MessageText());
    if (isVisible())
        setFocus(Qt::OtherFocusReason);
    checking = false;
    return false;
}

void TKvEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (the edit's own context menu) does not leave the edit; a hidden edit is not
    // checked.
    if (checking || event->reason() == Qt::PopupFocusReason || !isVisible())
        return;
    if (event->reason() == Qt::ActiveWindowFocusReason) {
        // The window lost the activation, perhaps because it is closing: check once that has
        // settled, unless the edit is gone, hidden or back in focus by then.
        // A modal window of the program (a message about this very text) gives the focus back
        // when it closes: no check behind it, which would rewrite the text meanwhile.
        QTimer::singleShot(0, this, [this] {
            if (!checking && !QApplication::activeModalWidget() && isVisible() && !hasFocus())
                CheckText();
        });
        return;
    }
    CheckText();
}

#include "ReminderEntry.h"

#include "Kvlabel.h"

QString VerseEntry(const QString& knjiga, const QString& glava, const QString& rbr) {
    return knjiga + ' ' + glava + ':' + rbr;
}

QString ReferenceEntry(const QString& labelText) {
    return labelText.isEmpty() ? QString() : labelText.chopped(1);
}

QString PaneLabelEntry(const TKvlabel& label) {
    if (label.Vrsta() == Pok1)
        return ReferenceEntry(label.Tekst());
    return VerseLabelEntry(label);
}

QString VerseLabelEntry(const TKvlabel& label) {
    return VerseEntry(label.Knjiga, label.Glava, label.Rbr);
}

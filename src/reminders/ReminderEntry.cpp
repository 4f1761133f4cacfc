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

QString EntryInNumbering(const QString& entry, Numbering from, Numbering to) {
    const qsizetype blank = entry.lastIndexOf(u' ');
    const qsizetype colon = entry.indexOf(u':', blank + 1);
    bool chapterOk = false, verseOk = false;
    int chapter = entry.mid(blank + 1, colon - blank - 1).toInt(&chapterOk);
    int verse = entry.mid(colon + 1).toInt(&verseOk);
    if (from == to || blank < 1 || colon < 0 || !chapterOk || !verseOk)
        return entry;
    const QString book = entry.left(blank);
    MapPlace(book, chapter, verse, from, to);
    return VerseEntry(book, QString::number(chapter), QString::number(verse));
}

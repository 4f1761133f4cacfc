#pragma once

#include "Numbering.h"

#include <QString>

class TKvlabel;

// The entries of the reminder list, in the form "KNJIGA glava:rbr", numbered as the default
// translation (an Izbor file keeps no numbering): an entry taken from a pane or a search of
// another numbering is moved into it, and shown moved into the numbering of the pane.

// The place of a verse: book code, a blank, chapter, ":", verse.
QString VerseEntry(const QString& knjiga, const QString& glava, const QString& rbr);

// A reference label shows its reference followed by ","; the entry is the text without its
// last character.
QString ReferenceEntry(const QString& labelText);

// The entry of a label of a reading pane: the reference it shows for a reference label
// (Vrsta Pok1), the verse's own place for any other label.
QString PaneLabelEntry(const TKvlabel& label);

// The entry of a heading or verse label of the results window: the verse's own place.
QString VerseLabelEntry(const TKvlabel& label);

// An entry's place moved from one numbering into another; any other text stays.
QString EntryInNumbering(const QString& entry, Numbering from, Numbering to);

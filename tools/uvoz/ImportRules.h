#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The rules that turn a SWORD module's entries into rows of a translation file and that keep
// the translation list up to date. None of them needs libsword.

// The catalogue book (1..66) of an OSIS book name ("Gen", "Matt"), 0 for books outside the 66.
int CatalogueBookOfOsis(const QString& osisBook);

// "Isa.40.3" as "ISA 40:3"; of a range ("Isa.40.3-Isa.40.5") only its first verse. Empty for
// a book outside the 66 or a reference that names no single verse.
QString CatalogueReference(const QString& osisRef);

// Whether a text is "CODE chapter:verse" with a catalogue code.
bool IsCatalogueReference(const QString& text);

// An entry's OSIS text without its notes, and what its cross-reference notes point to.
struct EntryNotes {
    QString text;               // the markup with every note taken out
    QStringList osisRefs;       // osisRef attributes of the references
    QStringList referenceTexts; // references written out ("Isaiah 40:3; 53:1")
};
// Takes the notes out of an entry. A note that stands between two words becomes a blank, so
// that the words do not run together.
EntryNotes SplitNotes(const QString& osis);

// An entry's OSIS text without what is not the verse itself: the headings before it (the
// "preverse" part), titles, and whatever follows the end of its chapter (a glossary after the
// last verse of a book, for example).
QString WithoutHeadings(const QString& osis);

// An OSIS entry whose word elements have lost their attributes (Strong's numbers, morphology,
// lemmas, glosses, transliterations), which a renderer would otherwise write out.
QString WithoutWordMarkup(const QString& osis);

// A written-out reference list made readable for the SWORD parser: dashes as "-", no "See".
QString NormalizeReferenceText(const QString& text);

// Plain text as stored: no paragraph signs, no markup token left in angle brackets ("<G1520>"),
// blanks collapsed, trimmed.
QString CleanVerseText(const QString& text);

// The references joined by "|", each once, in their first order.
QString JoinReferences(const QStringList& references);

// Why a translation file name cannot be used, or the empty text when it can.
QString FileNameProblem(const QString& fileName);
// Why a caption cannot be used, or the empty text when it can.
QString CaptionProblem(const QString& caption);

// The list file's bytes with the translation's line put in: the line of the same file is
// replaced where it stands, otherwise the line goes at the end of the list (before the first
// empty line, which ends the list). Every other byte stays as it was.
QByteArray UpdateTranslationList(const QByteArray& listFile, const QString& fileName,
                                 const QString& caption);

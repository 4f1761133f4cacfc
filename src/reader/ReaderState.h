#pragma once

#include "Colors.h"
#include "Numbering.h"

#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

inline constexpr int PaneCount = 3;

// How many of a verse's cross references a pane shows: all, the first three followed by a
// label that opens the rest, or none.
enum class ReferenceMode { All, FirstThree, None };

// What one reading pane shows and how: its translation, its place in the window's book, whether
// it follows the active pane, and its fonts and colour.
struct PaneEntry {
    QString file;                                 // translation file in baza/
    QString table = QStringLiteral("vidoslov");   // the verse table
    QString caption = QStringLiteral("Osnovnik"); // as the pane menu names the translation
    int chapter = 0;
    int verse = 0;
    bool linked = false;                  // takes the active pane's chapter and verse
    Numbering numbering = Numbering::Kjv; // how the translation numbers chapter and verse
    TKvFont textFont{QStringLiteral("Arial"), 13, fsBold, clBlack, 238};
    TKvFont refFont{QStringLiteral("Arial"), 10, 0, clBlue, 238};
    TColor color = clWhite;
    int zoom = 0; // steps of enlargement (negative: smaller), see ZoomedSize
    ReferenceMode references = ReferenceMode::All;
};

inline constexpr int MinZoom = -5;
inline constexpr int MaxZoom = 10;
// A font size enlarged by zoom steps of a tenth each, never below 4 points.
int ZoomedSize(int size, int zoom);

// The reader's state: the active pane, the one book of the window and an entry per pane
// (1 left, 2 right, 3 middle). Every window that moves the reader goes through it; it tells
// of each change, the windows draw what it holds.
class TReaderState : public QObject {
    Q_OBJECT
public:
    explicit TReaderState(QObject* parent = nullptr);

    int ActivePane() const { return activePane_; }
    // Anything but 1 or 2 is the middle pane.
    void SetActivePane(int pane);
    const QString& BookCode() const { return bookCode_; }
    void SetBookCode(const QString& code);

    // The entry of pane 1, 2 or 3; another number gives the middle pane's.
    const PaneEntry& Pane(int pane) const { return panes_[Index(pane)]; }
    int Chapter(int pane) const { return Pane(pane).chapter; }
    int Verse(int pane) const { return Pane(pane).verse; }
    void SetChapter(int pane, int chapter);
    void SetVerse(int pane, int verse);
    void SetLinked(int pane, bool linked);
    // Also reads the translation's numbering.
    void SetTranslation(int pane, const QString& file, const QString& caption);
    // How a translation file numbers chapters and verses (empty: the default translation);
    // by default read from the file in baza/ of the running program's folder.
    Numbering NumberingOf(const QString& file) const;
    void SetNumberingSource(std::function<Numbering(const QString& file)> source);
    void SetTable(int pane, const QString& table);
    void SetFonts(int pane, const TKvFont& text, const TKvFont& ref);
    void SetColor(int pane, TColor color);
    // Held within MinZoom..MaxZoom.
    void SetZoom(int pane, int zoom);
    void SetReferenceMode(int pane, ReferenceMode mode);

    // A place to show in a pane: the window's book, the pane's chapter and verse; the pane
    // becomes the active one and the linked panes follow it.
    void ShowPlace(int pane, const QString& book, int chapter, int verse);
    // Sets the window's book and the pane's chapter and verse from a place given in a
    // numbering, moved into the pane's numbering.
    void SetPlace(int pane, const QString& book, int chapter, int verse, Numbering numbering);
    // A reference ("RIM 3:7") numbered as `numbering` as the active pane's place; what the text
    // leaves out stays as the pane has it. Throws ConvertError for a text that is no reference
    // and AppError for a book the catalogue does not know, and then changes nothing.
    void SetActiveReference(const QString& text, Numbering numbering);
    // The linked panes take the active pane's chapter and verse, moved into each one's
    // numbering; returns them in the order they are loaded.
    QList<int> FollowActive();

    // The pane the last result was opened in.
    int ResultsPane() const { return resultsPane_; }
    void SetResultsPane(int pane) { resultsPane_ = Index(pane); }

    static bool IsPane(int pane) { return pane >= 1 && pane <= PaneCount; }

signals:
    // A pane's entry or the window's book changed (pane 0 for the book).
    void changed(int pane);
    void activePaneChanged(int pane);

private:
    static int Index(int pane) { return pane == 1 || pane == 2 ? pane : 3; }

    int activePane_ = 1;
    int resultsPane_ = 1;
    QString bookCode_;
    PaneEntry panes_[PaneCount + 1];
    std::function<Numbering(const QString&)> numberingOf_;
};

// The chapter after and the chapter before, held at the ends of the number range.
int NextChapter(int chapter);
int PreviousChapter(int chapter);

// A pane's heading: the book's title and the chapter ("Sveto jevanđenje po Mateju 6"); empty
// for a book not in the catalogue.
QString PaneHeading(const QString& bookTitle, int chapter);

// The panes that follow the active pane, in the order they are loaded.
std::array<int, 2> FollowerOrder(int activePane);

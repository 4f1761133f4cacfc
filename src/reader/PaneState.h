#pragma once

#include "BookCatalogue.h"
#include "Colors.h"
#include "LabelIndex.h"

#include <QString>
#include <array>
#include <functional>

class QAction;
class TKvlabel;
class TPopupMenu;

inline constexpr int PaneCount = 3;
// Background of the chosen verse: red 210, green 210, blue 227.
inline constexpr TColor HighlightColor = 14930642;

// The reader window's run-time state: the active pane, the one book of the window, each
// pane's chapter, verse, translation, labels and fonts, and the book catalogue. Arrays over
// the panes run 1..3 and the book items 1..66; index 0 is not used.
struct TPaneState : BookCatalogue {
    int ActivePane = 1;
    QString BookCode;
    int Chapter[PaneCount + 1] = {};
    int Verse[PaneCount + 1] = {};
    int HighlightTop = 0;
    int ResultsPane = 1;
    QString VerseTable[PaneCount + 1];
    QString TranslationCaption[PaneCount + 1];
    int LabelsUsed[PaneCount + 1] = {};
    int LabelsCreated[PaneCount + 1] = {};
    TKvlabel* CurrentLabel = nullptr;
    int RightMargin = 20;
    TKvFont TextFont[PaneCount + 1];
    TKvFont RefFont[PaneCount + 1];
    QAction* BookItems[BookCount + 1] = {};

    // What the layout gives the labels it places: the pane menu and the reference click.
    TPopupMenu* PopUpMenu = nullptr;
    std::function<void(TKvlabel*)> OnReferenceClick;
    // The numbered labels of all three panes ("labela" + pane + number).
    TLabelIndex Labels;

    // The start values of the state (not the chapters and verses, which start at 0).
    void SetStartValues();
};

// The chapter after and the chapter before, held at the ends of the number range.
int NextChapter(int chapter);
int PreviousChapter(int chapter);

// A pane's heading: the book's title and the chapter ("Sveto jevanđenje po Mateju 6"); empty
// for a book not in the catalogue.
QString PaneHeading(const QString& bookTitle, int chapter);

// The panes that follow the active pane, in the order they are loaded.
std::array<int, 2> FollowerOrder(int activePane);

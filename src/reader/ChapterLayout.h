#pragma once

#include <QString>

class Query;
class TLabelIndex;
class TKvlabel;
class TScrollBox;
struct PaneEntry;
enum class ReferenceMode;
struct PaneLabels;

// The pane a scroll box belongs to: its Tag.
int PaneOfBox(const TScrollBox& box);

// The scroll position that shows the chosen verse: its bottom 100 pixels below the top of the
// view, or its top just below the top of the view when the verse is taller than that.
int HighlightScrollPosition(int verseTop, int verseBottom);

// Lays the rows of an open chapter query out in a pane's scroll box: a verse label per row
// and a reference label per cross reference, reusing the pane's numbered labels, in the
// pane's fonts. Highlights the first verse equal to the pane's chosen verse and scrolls it into
// view. Leaves the query on its first row. A verse number that is no number is shown as it is and,
// once the chapter is laid out, reported with the file, book and chapter.
void LayoutChapter(PaneLabels& state, const PaneEntry& pane, TScrollBox& box, Query& query);

// Makes CurrentLabel the pane's label number LabelsUsed[pane], creating it when missing, and
// prepares it for placing. The label shows once the box's content size is set.
void AcquireLabel(PaneLabels& state, const PaneEntry& pane, TScrollBox& box);

// How many labels a pane prepares ahead of need: the longest chapter of the texts the program
// brings, with all its references, takes 2,499 (Psalm 119).
constexpr int PreparedLabelCount = 2500;

// Creates labels of a pane ahead of need, as AcquireLabel would create them, hidden, until the
// pane has upTo of them, at most most of them in one call. Returns whether more remain.
bool PrepareLabels(PaneLabels& state, const PaneEntry& pane, TScrollBox& box, int upTo, int most);

// Empties and hides the labels prefix + k for k = used + 1 .. created.
void HideSurplusLabels(const TLabelIndex& labels, const QString& prefix, int used, int created);
// The same for the pane of a scroll box.
void HideSurplusLabels(PaneLabels& state, TScrollBox& box);

// The text of the label that stands for a verse's references left out ("još 8"), and whether a
// label is one.
QString MoreReferencesText(int count);
bool IsMoreReferences(const TKvlabel& label);
// How many of a verse's count references a pane shows in a mode, its verse opened or not.
int ShownReferences(ReferenceMode mode, int count, bool opened);

// Moves the highlight of a pane to a verse label of its layout: the chosen verse becomes the
// clicked one. Keeps HighlightTop at the new verse's bottom.
void MoveHighlight(PaneLabels& state, int pane, TKvlabel& verse);

// Label number k of a pane, found by its number (by its name when the pane has it only so).
TKvlabel* PaneLabel(const PaneLabels& state, int pane, int k);

// Deletes a pane's labels; the next layout creates them afresh.
void FreePaneLabels(PaneLabels& state, int pane);

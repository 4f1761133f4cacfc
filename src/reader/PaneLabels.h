#pragma once

#include "LabelIndex.h"
#include "Look.h"
#include "ReaderState.h"

#include <QPointer>
#include <QSet>
#include <vector>

class TKvlabel;
class TPopupMenu;

// The labels the chapter layout keeps for the panes: how many each pane uses and has, the one
// being placed, and what the layout gives them. Arrays over the panes run 1..3.
struct PaneLabels {
    int LabelsUsed[PaneCount + 1] = {};
    int LabelsCreated[PaneCount + 1] = {};
    TKvlabel* CurrentLabel = nullptr;
    int RightMargin = 20;
    // Where the last layout put the chosen verse; 0 when it found none.
    int HighlightTop = 0;
    TPopupMenu* PopUpMenu = nullptr;
    // The verses (by number) whose references a pane shows all of, whatever its mode: opened
    // with "još N"; a new chapter closes them.
    QSet<QString> Opened[PaneCount + 1];
    // The numbered labels of all three panes ("labela" + pane + number).
    TLabelIndex Labels;
    // The same by pane and number: Numbered[p][k - 1] is pane p's label k, found without
    // its name while a chapter is laid out.
    std::vector<QPointer<TKvlabel>> Numbered[PaneCount + 1];
};

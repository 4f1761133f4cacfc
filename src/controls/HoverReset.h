#pragma once

class QMenu;

// When a popup menu closes away from the label it was opened on, the label gets no leave
// notice and keeps its pointer-over colours. These put every label that is not under the
// pointer back into its normal colours.
void ResetHoverOfLabels();
// The same each time the menu hides; for any window's popup menu.
void ResetHoverWhenHidden(QMenu* menu);

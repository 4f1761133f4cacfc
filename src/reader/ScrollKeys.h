#pragma once

class QAbstractScrollArea;

// Scrolls a box by a navigation key (a Qt::Key): Up and Down by 15 pixels, Page Up and Page
// Down by the box's height less 50, Home to 1, End to the bottom, Left and Right by 15 pixels
// sideways. Other keys do nothing. Returns whether the key was a navigation key.
bool ScrollByKey(int key, QAbstractScrollArea& box);
// Whether ScrollByKey scrolls by `key`.
bool IsNavigationKey(int key);

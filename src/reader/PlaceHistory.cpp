#include "PlaceHistory.h"

void PlaceHistory::Push(const PanePlace& left) {
    if (left.book.isEmpty() || (!back_.isEmpty() && back_.last() == left))
        return;
    back_.append(left);
    if (back_.size() > Limit)
        back_.removeFirst();
    forward_.clear();
}

PanePlace PlaceHistory::Back(const PanePlace& current) {
    if (back_.isEmpty())
        return current;
    forward_.append(current);
    return back_.takeLast();
}

PanePlace PlaceHistory::Forward(const PanePlace& current) {
    if (forward_.isEmpty())
        return current;
    back_.append(current);
    return forward_.takeLast();
}

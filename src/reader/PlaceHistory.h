#pragma once

#include <QList>
#include <QString>

// A place a pane showed: book code, chapter and verse.
struct PanePlace {
    QString book;
    int chapter = 0;
    int verse = 0;
    bool operator==(const PanePlace&) const = default;
};

// A pane's way back and forward: the places it left by a jump (a cross reference, a search
// result, a reminder), as a browser keeps them.
class PlaceHistory {
public:
    static constexpr int Limit = 100;

    // The place left by a jump; the way forward is forgotten.
    void Push(const PanePlace& left);
    bool CanBack() const { return !back_.isEmpty(); }
    bool CanForward() const { return !forward_.isEmpty(); }
    // The place to return to; `current` becomes the way forward (back again for Forward).
    PanePlace Back(const PanePlace& current);
    PanePlace Forward(const PanePlace& current);

private:
    QList<PanePlace> back_;
    QList<PanePlace> forward_;
};

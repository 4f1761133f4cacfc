#pragma once

#include <QHash>
#include <QPointer>
#include <QString>

class TKvlabel;

// The numbered labels of a window, found by name without regard to letter case.
class TLabelIndex {
public:
    TLabelIndex() = default;
    TLabelIndex(const TLabelIndex&) = delete;
    TLabelIndex& operator=(const TLabelIndex&) = delete;

    TKvlabel* Find(const QString& name) const;
    // Files the label under its object name.
    void Add(TKvlabel* label);
    // Deletes the labels named prefix + a number; returns how many there were.
    int FreeNumbered(const QString& prefix);
    // Deletes every label.
    void FreeAll();
    int Count() const { return byName_.size(); }

private:
    QHash<QString, QPointer<TKvlabel>> byName_;
};

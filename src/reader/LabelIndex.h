#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <vector>

class TKvlabel;

// The numbered labels of a window, found by name without regard to letter case. Labels are
// filed by name when first looked for: a chapter adds thousands that are found by number.
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
    int Count() const;

private:
    // Files the labels added since the last look-up under their names.
    void fileNames() const;

    std::vector<QPointer<TKvlabel>> added_;
    mutable size_t filed_ = 0; // labels of added_ filed in byName_
    mutable QHash<QString, QPointer<TKvlabel>> byName_;
};

#include "LabelIndex.h"

#include "Kvlabel.h"

void TLabelIndex::fileNames() const {
    for (; filed_ < added_.size(); ++filed_)
        if (TKvlabel* label = added_[filed_].data())
            byName_.insert(label->objectName().toLower(), label);
}

TKvlabel* TLabelIndex::Find(const QString& name) const {
    fileNames();
    return byName_.value(name.toLower());
}

void TLabelIndex::Add(TKvlabel* label) {
    added_.emplace_back(label);
}

int TLabelIndex::Count() const {
    fileNames();
    return int(byName_.size());
}

int TLabelIndex::FreeNumbered(const QString& prefix) {
    fileNames();
    const QString lower = prefix.toLower();
    int freed = 0;
    for (auto it = byName_.begin(); it != byName_.end();) {
        const QString& name = it.key();
        bool numbered = name.size() > lower.size() && name.startsWith(lower);
        for (qsizetype k = lower.size(); numbered && k < name.size(); ++k)
            numbered = name[k].isDigit();
        if (!numbered) {
            ++it;
            continue;
        }
        delete it.value().data();
        it = byName_.erase(it);
        ++freed;
    }
    added_.assign(byName_.cbegin(), byName_.cend());
    filed_ = added_.size();
    return freed;
}

void TLabelIndex::FreeAll() {
    fileNames();
    for (const QPointer<TKvlabel>& label : std::as_const(byName_))
        delete label.data();
    byName_.clear();
    added_.clear();
    filed_ = 0;
}

#include "LabelIndex.h"

#include "Kvlabel.h"

TKvlabel* TLabelIndex::Find(const QString& name) const {
    return byName_.value(name.toLower());
}

void TLabelIndex::Add(TKvlabel* label) {
    byName_.insert(label->objectName().toLower(), label);
}

int TLabelIndex::FreeNumbered(const QString& prefix) {
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
    return freed;
}

void TLabelIndex::FreeAll() {
    for (const QPointer<TKvlabel>& label : std::as_const(byName_))
        delete label.data();
    byName_.clear();
}

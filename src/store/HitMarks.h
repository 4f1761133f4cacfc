#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A run of characters of a text: where it starts and how many UTF-16 units it holds.
struct HitRange {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const HitRange&) const = default;
};

// Where the words occur in a verse text, in order and merged where they meet or overlap. A
// plain search matches regardless of letter case; a folded one compares the folded text with
// the folded words (FoldForSearch) and marks the original letters that fold into the match.
// A phrase in quotes marks its words and what parts them (Phrase.h). Empty words mark nothing.
QList<HitRange> HitRanges(const QString& text, const QStringList& words, bool folded);

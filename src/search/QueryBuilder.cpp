#include "QueryBuilder.h"

#include "Folding.h"

namespace {

// A word as a like pattern in quotes: any text around it; an apostrophe of the word is
// doubled so that it is searched for as typed. A NUL would end the statement: it is dropped.
QString Pattern(const QString& word) {
    QString quoted = word;
    quoted.remove(QChar(u'\0'));
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QStringLiteral("'%") + quoted + QStringLiteral("%'");
}

// One part of the WHERE line: each word as prefix + pattern + joint, trimmed, then the last
// `drop` characters cut off; empty when the trimmed text is shorter than `shortest`.
QString Part(const QStringList& words, const QString& prefix, const QString& joint,
             qsizetype shortest, qsizetype drop, bool fold) {
    QString text;
    for (const QString& word : words)
        text += prefix + Pattern(fold ? FoldForSearch(word) : word) + joint;
    text = TrimSearchText(text);
    if (text.size() < shortest)
        return {};
    text.chop(drop);
    return text;
}

} // namespace

QString TrimSearchText(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text[from].unicode() <= u' ')
        ++from;
    while (to > from && text[to - 1].unicode() <= u' ')
        --to;
    return text.mid(from, to - from);
}

QString BuildWordCondition(const SearchWords& words, bool ignoreMarks) {
    const QString like = ignoreMarks
                             ? QStringLiteral("%1(tekst) like ").arg(QLatin1String(FoldedFunction))
                             : QStringLiteral("tekst like ");
    const QString andJoint = QStringLiteral(" and ");
    const QString required = Part(words.required, u' ' + like, andJoint, 5, 4, ignoreMarks);
    const QString excluded =
        Part(words.excluded, QStringLiteral(" not ") + like, andJoint, 5, 3, ignoreMarks);
    const QString alternatives =
        Part(words.alternatives, like, QStringLiteral(" or "), 3, 3, ignoreMarks);

    QString where = QStringLiteral("where ");
    if (!required.isEmpty())
        where += QStringLiteral(" and (") + required + QStringLiteral(") ");
    if (!excluded.isEmpty())
        where += QStringLiteral(" and  (") + excluded + QStringLiteral(") ");
    if (!alternatives.isEmpty())
        where += QStringLiteral(" and (") + alternatives + u')';
    if (where.size() < 7)
        return {};
    where.remove(6, 4); // the " and" after "where "
    return where;
}

QString BuildBookCondition(const TestamentChoice& oldTestament,
                           const TestamentChoice& newTestament) {
    if (oldTestament.whole && newTestament.whole)
        return {};
    QString books;
    for (const TestamentChoice* list : {&oldTestament, &newTestament})
        for (qsizetype i = 0; i < list->codes.size(); ++i)
            if (list->whole || list->marked.value(i))
                books += QStringLiteral(" knjiga='") + list->codes[i] + QStringLiteral("' or ");
    books.chop(3); // "or "
    return books;
}

QString SearchWhereLine(const QString& wordCondition, const QString& bookCondition) {
    QString line = TrimSearchText(wordCondition);
    if (!bookCondition.isEmpty())
        line += QStringLiteral(" and (") + bookCondition + u')';
    return line;
}

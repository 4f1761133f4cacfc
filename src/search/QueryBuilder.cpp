#include "QueryBuilder.h"

#include "Folding.h"
#include "Phrase.h"
#include "Query.h"
#include "SearchIndex.h"

namespace {

// A text as an SQL literal in quotes, apostrophes doubled, NULs dropped.
QString Literal(const QString& text) {
    QString quoted = text;
    quoted.remove(QChar(u'\0'));
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

// A word as a like pattern in quotes: any text around it; an apostrophe of the word is
// doubled so that it is searched for as typed. A NUL would end the statement: it is dropped.
QString Pattern(const QString& word) {
    return Literal(u'%' + word + u'%');
}

// The condition of one entry on the verse text (subject): a word with `like`, a phrase with the
// phrase function over its words, folded when fold is set.
QString Condition(const QString& word, const QString& subject, bool fold) {
    if (!IsPhrase(word))
        return subject + QStringLiteral(" like ") + Pattern(fold ? FoldForSearch(word) : word);
    QString words = PhraseWords(word).join(u' ');
    return QStringLiteral("%1(%2, %3)")
        .arg(QLatin1String(PhraseFunction), subject, Literal(fold ? FoldForSearch(words) : words));
}

// One part of the WHERE line: each word as prefix + condition + joint, trimmed, then the last
// `drop` characters cut off; empty when the trimmed text is shorter than `shortest`.
QString Part(const QStringList& words, const QString& prefix, const QString& subject,
             const QString& joint, qsizetype shortest, qsizetype drop, bool fold) {
    QString text;
    for (const QString& word : words)
        text += prefix + Condition(word, subject, fold) + joint;
    text = TrimSearchText(text);
    if (text.size() < shortest)
        return {};
    text.chop(drop);
    return text;
}

// The index expression of one entry: what every verse it finds matches; empty when the index
// cannot answer it.
QString EntryExpression(const QString& word, bool fold) {
    if (!IsPhrase(word)) {
        QString w = word;
        w.remove(QChar(u'\0'));
        return IndexExpression(fold ? FoldForSearch(w) : w, fold);
    }
    QStringList terms;
    for (QString w : PhraseWords(word)) {
        w.remove(QChar(u'\0'));
        const QString e = IndexExpression(fold ? FoldForSearch(w) : w, fold, true);
        if (!e.isEmpty())
            terms << e;
    }
    return terms.join(QStringLiteral(" AND "));
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
    const QString subject = ignoreMarks
                                ? QStringLiteral("%1(tekst)").arg(QLatin1String(FoldedFunction))
                                : QStringLiteral("tekst");
    const QString andJoint = QStringLiteral(" and ");
    const QString required =
        Part(words.required, QStringLiteral(" "), subject, andJoint, 5, 4, ignoreMarks);
    const QString excluded =
        Part(words.excluded, QStringLiteral(" not "), subject, andJoint, 5, 3, ignoreMarks);
    const QString alternatives =
        Part(words.alternatives, QString(), subject, QStringLiteral(" or "), 3, 3, ignoreMarks);

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

QStringList SelectedBooks(const TestamentChoice& oldTestament,
                          const TestamentChoice& newTestament) {
    if (oldTestament.whole && newTestament.whole)
        return {};
    QStringList books;
    for (const TestamentChoice* list : {&oldTestament, &newTestament})
        for (qsizetype i = 0; i < list->codes.size(); ++i)
            if (list->whole || list->marked.value(i))
                books << list->codes[i];
    return books;
}

QString BuildBookCondition(const TestamentChoice& oldTestament,
                           const TestamentChoice& newTestament) {
    QString books;
    for (const QString& code : SelectedBooks(oldTestament, newTestament))
        books += QStringLiteral(" knjiga='") + code + QStringLiteral("' or ");
    books.chop(3); // "or "
    return books;
}

QString SearchWhereLine(const QString& wordCondition, const QString& bookCondition) {
    QString line = TrimSearchText(wordCondition);
    if (!bookCondition.isEmpty())
        line += QStringLiteral(" and (") + bookCondition + u')';
    return line;
}

QString IndexCondition(const SearchWords& words, bool ignoreMarks) {
    QStringList parts;
    for (const QString& word : words.required) {
        const QString e = EntryExpression(word, ignoreMarks);
        if (!e.isEmpty())
            parts << e;
    }
    // Alternatives narrow only when the index answers each of them.
    QStringList any;
    for (const QString& word : words.alternatives) {
        const QString e = EntryExpression(word, ignoreMarks);
        if (e.isEmpty()) {
            any.clear();
            break;
        }
        any << u'(' + e + u')';
    }
    if (!any.isEmpty())
        parts << u'(' + any.join(QStringLiteral(" OR ")) + u')';
    if (parts.isEmpty())
        return {};
    return QStringLiteral("rowid in (select rowid from %1 where %1 match %2)")
        .arg(QLatin1String(SearchIndexTable), Literal(parts.join(QStringLiteral(" AND "))));
}

QStringList SearchStatement(const SearchWords& words, bool ignoreMarks,
                            const QString& bookCondition, bool indexed) {
    const QString where = TrimSearchText(BuildWordCondition(words, ignoreMarks));
    if (where.isEmpty())
        return {};
    QString line = SearchWhereLine(where, bookCondition);
    const QString narrowing = indexed ? IndexCondition(words, ignoreMarks) : QString();
    if (!narrowing.isEmpty())
        line += QStringLiteral(" and ") + narrowing;
    return {QString::fromLatin1(SearchSelectLine), line};
}

int CountSearch(Query& counter, const SearchWords& words, bool ignoreMarks,
                const QString& bookCondition) {
    const QStringList lines =
        SearchStatement(words, ignoreMarks, bookCondition, counter.hasSearchIndex());
    if (lines.isEmpty())
        return 0;
    counter.close();
    counter.clearSql();
    counter.addLine(QStringLiteral("select count(*) as n from vidoslov"));
    counter.addLine(lines[1]);
    counter.open();
    return counter.fieldAsText(QStringLiteral("n")).toInt();
}

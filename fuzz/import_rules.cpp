// The importer's rules on any text: OSIS references become catalogue references or nothing,
// the text cleaners end, joined references split back into distinct ones, and putting a line
// into a list file keeps every other line and gives the line of the file.
// Input: one byte choosing the rule, then its text (UTF-8).
#include "ImportRules.h"
#include "TranslationList.h"
#include "Win1250.h"

#include <QSet>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void References(const QString& text) {
    QStringList refs;
    for (const QString& osisRef : text.split(QLatin1Char(' '))) {
        const QString ref = CatalogueReference(osisRef);
        Check(ref.isEmpty() || IsCatalogueReference(ref));
        refs << ref;
    }
    const QString joined = JoinReferences(refs);
    if (joined.isEmpty())
        return;
    const QStringList parts = joined.split(QLatin1Char('|'));
    Check(QSet<QString>(parts.begin(), parts.end()).size() == parts.size());
    for (const QString& part : parts)
        Check(!part.isEmpty() && refs.contains(part));
}

void Cleaners(const QString& text) {
    const EntryNotes notes = SplitNotes(text);
    const QString clean = CleanVerseText(WithoutHeadings(notes.text));
    Check(clean == clean.trimmed() && !clean.contains(QStringLiteral("  ")));
    NormalizeReferenceText(text);
}

// The text up to the first line break is a list line (the file name padded to 20 characters,
// then the caption), the remainder the old list.
void ListUpdate(const QByteArray& bytes) {
    const qsizetype cut = bytes.indexOf('\n');
    const QString line = QString::fromUtf8(bytes.left(cut < 0 ? bytes.size() : cut));
    QString name = line.left(20);
    while (name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    const QString caption = line.mid(20);
    if (!FileNameProblem(name).isEmpty() || !CaptionProblem(caption).isEmpty())
        return;
    const QByteArray old = cut < 0 ? QByteArray() : bytes.mid(cut + 1);
    const QByteArray updated = UpdateTranslationList(old, name, caption);
    const QList<TranslationEntry> before = ParseTranslationList(old);
    const QList<TranslationEntry> after = ParseTranslationList(updated);
    const QString field = name.leftJustified(20, QLatin1Char(' '));
    const auto isTheFile = [&](const TranslationEntry& e) {
        return e.fileName.leftJustified(20, QLatin1Char(' ')) ==
               DecodeWin1250(EncodeWin1250(field));
    };
    qsizetype at = -1;
    for (qsizetype i = 0; i < after.size() && at < 0; ++i)
        if (isTheFile(after[i]))
            at = i;
    Check(at >= 0 && after[at].caption == DecodeWin1250(EncodeWin1250(caption)));
    // Every other entry stays where it was.
    Check(after.size() == before.size() || after.size() == before.size() + 1);
    for (qsizetype i = 0; i < after.size(); ++i)
        if (i != at)
            Check(i < before.size() && after[i].fileName == before[i].fileName &&
                  after[i].caption == before[i].caption);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0:
        References(QString::fromUtf8(bytes));
        break;
    case 1:
        Cleaners(QString::fromUtf8(bytes));
        break;
    default:
        ListUpdate(bytes);
        break;
    }
    return 0;
}

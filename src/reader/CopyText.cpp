#include "CopyText.h"

#include "DataModule.h"
#include "Query.h"
#include "Reference.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

QString InTranslation(const QString& translation) {
    return translation.isEmpty() ? QString() : QStringLiteral(" (") + translation + u')';
}

} // namespace

QString VerseCopyText(const QString& bookTitle, const QString& chapter, const CopiedVerse& verse,
                      const QString& translation) {
    return bookTitle + u' ' + chapter + u':' + verse.rbr + QStringLiteral(" — ") +
           TrimBlanks(verse.tekst) + InTranslation(translation);
}

QString ChapterCopyText(const QString& bookTitle, const QString& chapter,
                        const QList<CopiedVerse>& verses, const QString& translation) {
    QString text = bookTitle + u' ' + chapter + InTranslation(translation) + u'\n';
    for (const CopiedVerse& verse : verses)
        text += verse.rbr + QStringLiteral(". ") + TrimBlanks(verse.tekst) + u'\n';
    return text;
}

QString CaptionOfFile(const QString& fileName, const QList<TranslationEntry>& list) {
    const QString wanted = TrimBlanks(fileName);
    for (const TranslationEntry& entry : list)
        if (TrimBlanks(entry.fileName).compare(wanted, Qt::CaseInsensitive) == 0)
            return TrimBlanks(entry.caption);
    return {};
}

QString TranslationName(const QString& paneCaption, const QList<TranslationEntry>& list) {
    const QString name = TrimBlanks(paneCaption);
    if (name != QLatin1String("Osnovnik"))
        return name;
    const QString listed = CaptionOfFile(QLatin1String(DefaultTranslationFile), list);
    return listed.isEmpty() ? name : listed;
}

bool ReadCopiedChapter(Query& q, QString& knjiga, QString& glava, QList<CopiedVerse>& verses) {
    verses.clear();
    if (!q.isOpen())
        return false;
    q.first();
    if (!q.eof()) {
        knjiga = q.fieldAsText(QStringLiteral("knjiga"));
        glava = q.fieldAsText(QStringLiteral("glava"));
    }
    for (; !q.eof(); q.next())
        verses << CopiedVerse{q.fieldAsText(QStringLiteral("rbr")),
                              q.fieldAsText(QStringLiteral("tekst"))};
    q.first();
    return !verses.isEmpty();
}

void CopyToClipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text, QClipboard::Clipboard);
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

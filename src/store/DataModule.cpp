#include "DataModule.h"

#include "ConnectionString.h"
#include "ProgramFolder.h"

QString TranslationFilePath(const QString& file, const QString& programFolder) {
    // A translation of the system's or the user's folder is named by its absolute path.
    return file.startsWith(QLatin1Char('/')) ? file
                                             : programFolder + QStringLiteral("baza/") + file;
}

QString TranslationConnectionString(const QString& file, const QString& programFolder) {
    const QString path = TranslationFilePath(file, programFolder);
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + ConnectionValue(path) +
           QStringLiteral(";Persist Security Info=False;Jet OLEDB:Database Password=zelmorka");
}

QString TranslationConnectionString(const QString& file) {
    return TranslationConnectionString(file, ProgramFolder());
}

TBaze::TBaze(const QString& programFolder) : programFolder_(programFolder) {
    Query1.addLine(QStringLiteral("SELECT * FROM vidoslov"));
    for (Query* q : {&Query2, &Query3, &QueryTekst})
        q->addLine(QStringLiteral("select * from vidoslov;"));
    DataModuleCreate();
}

TBaze::TBaze() : TBaze(ProgramFolder()) {}

TBaze::~TBaze() {
    DataModuleDestroy();
}

void TBaze::DataModuleCreate() {
    const QString text = TranslationConnectionString(DefaultTranslationFile, programFolder_);
    for (Query* q : {&QueryTekst, &Query1, &Query2, &Query3})
        q->setConnectionString(text);
}

void TBaze::DataModuleDestroy() {
    for (Query* q : {&QueryTekst, &Query1, &Query2, &Query3})
        q->close();
}

Query& TBaze::PaneQuery(int pane) {
    switch (pane) {
    case 1:
        return Query1;
    case 2:
        return Query2;
    default:
        return Query3;
    }
}

QString BookCodeLiteral(const QString& bookCode) {
    // A NUL would end the statement: a code holding one is written as the bytes of its text,
    // one literal however many NULs it holds.
    if (bookCode.contains(QChar(0)))
        return QStringLiteral("cast(x'%1' as text)")
            .arg(QString::fromLatin1(bookCode.toUtf8().toHex()));
    // A quote in the code is doubled so that it stays part of the value.
    QString code = bookCode;
    code.replace('\'', QStringLiteral("''"));
    return QLatin1Char('\'') + code + QLatin1Char('\'');
}

QStringList ChapterStatement(const QString& table, const QString& bookCode, int chapter) {
    return {QStringLiteral("select * from ") + table,
            QStringLiteral("where knjiga=") + BookCodeLiteral(bookCode) +
                QStringLiteral(" and glava=") + QString::number(chapter)};
}

void LoadChapter(const QString& table, const QString& bookCode, int chapter, Query& q,
                 const std::function<void(Query&)>& layout) {
    if (q.isOpen())
        q.close();
    q.clearSql();
    for (const QString& line : ChapterStatement(table, bookCode, chapter))
        q.addLine(line);
    q.open();
    q.first();
    if (layout)
        layout(q);
    q.first();
}

QString VerseText(const QString& table, const QString& bookCode, int chapter, int verse,
                  const Query& paneQuery) {
    Query q;
    q.setConnectionString(paneQuery.connectionString());
    q.addLine(QStringLiteral("select tekst from ") + table);
    q.addLine(QStringLiteral("where knjiga=") + BookCodeLiteral(bookCode) +
              QStringLiteral(" and glava=") + QString::number(chapter) +
              QStringLiteral(" and rbr=") + QString::number(verse));
    q.open();
    return q.eof() ? QString() : q.fieldAsText(QStringLiteral("tekst"));
}

int LastChapter(const QString& table, const QString& bookCode, const Query& paneQuery) {
    Query q;
    q.setConnectionString(paneQuery.connectionString());
    q.addLine(QStringLiteral("select max(glava) as glava from ") + table);
    q.addLine(QStringLiteral("where knjiga=") + BookCodeLiteral(bookCode));
    q.open();
    return q.fieldAsText(QStringLiteral("glava")).toInt();
}

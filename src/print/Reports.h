#pragma once

#include "ReportLayout.h"

#include <QStringList>
#include <vector>

class Query;

// Light grey of the headings: red, green and blue 226.
inline constexpr QRgb LightGrey = 0xFFE2E2E2;
inline constexpr QRgb White = 0xFFFFFFFF;

// The chapter report QRTekst: the book and chapter once, then each verse.
ReportDefinition ChapterReport();
// The results report QRPretraga: each found verse under its book, chapter and verse.
ReportDefinition ResultsReport();

// The report with a title line printed once, above everything else, on the first page.
ReportDefinition WithTitleLine(ReportDefinition report, const QString& line);
// The results report with the searched words marked in the verse texts.
ReportDefinition MarkingWords(ReportDefinition report, const QStringList& words, bool folded);

// The title line of a chapter report: "Prva knjiga Mojsijeva 1 — translation".
QString ChapterTitleLine(const QString& bookTitle, const QString& chapter,
                         const QString& translation);
// The title line of a results report: the translation, the searched words and the count.
QString ResultsTitleLine(const QString& translation, const QStringList& words, int count);

// A report row of a verse: the chapter and verse numbers as decimals.
ReportRow VerseReportRow(const QString& knjiga, const QString& glava, const QString& rbr,
                         const QString& tekst);
// The rows of an open query, from its first; the query is left on its first row.
std::vector<ReportRow> ReadReportRows(Query& query);

// Whether a statement reads the whole verse table, as the pane queries do before their
// first chapter.
bool ReadsWholeTable(const QStringList& statement);

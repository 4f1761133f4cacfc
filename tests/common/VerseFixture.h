#pragma once

#include <QString>
#include <QVariant>
#include <QVector>

// A row of a test translation file; a null QVariant stores NULL.
struct FixtureRow {
    QVariant knjiga, glava, rbr, tekst, pok;
};

// Writes a translation file with the program's verse table and the given rows, in order, and
// the numbering it records when one is named. Throws std::runtime_error when the file cannot
// be written.
void WriteVerseFile(const QString& path, const QVector<FixtureRow>& rows,
                    const QString& numbering = QString());

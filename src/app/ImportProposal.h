#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A Bible module as the importer lists it ("name - description").
struct ModuleLine {
    QString name;
    QString description;
};

// The modules of the importer's --list output.
QList<ModuleLine> ParseModuleLines(const QString& output);

// A free translation file name for a module: its name in lower-case letters and digits, at
// most 20 characters with ".mdb", numbered when `taken` (compared without letter case) holds it.
QString ProposedFileName(const QString& module, const QStringList& taken);

// The share done of an importer output line "progress N"; -1 for any other line.
int ProgressOfLine(const QString& line);

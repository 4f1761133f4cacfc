#pragma once

#include <QString>

// Where a save dialog opens: the folder the user last saved into during this run, otherwise
// the Documents folder (or home when there is none). Never the program's own folder.
QString SaveFolder();

// Remembers the folder of a file the user chose to save.
void RememberSaveFolder(const QString& savedFile);

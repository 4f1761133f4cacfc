#pragma once

#include <QString>

// The path up to and including its last "/"; empty when there is none.
QString ProgramFolderOf(const QString& path);

// The folder of the running executable, with its trailing "/".
QString ProgramFolder();

#pragma once

#include <QString>

// The database engine's messages as the user reads them: SQLite's English words in Serbian.
// A message without a Serbian form keeps its words after a Serbian lead.
QString EngineErrorText(const QString& english);

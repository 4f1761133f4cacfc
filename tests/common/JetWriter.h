#pragma once

#include "JetTable.h"
#include "VerseFixture.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <cstdint>
#include <set>
#include <vector>

// A column of a table the test writer writes: JetLong, JetInteger, JetText (of textSize
// characters) or JetMemo.
struct JetWriterColumn {
    QString name;
    uint8_t type;
    int textSize = 0;
};

struct JetWriterOptions {
    QString password = {};          // Database Password; empty for none
    uint32_t pageKey = 0;           // masks every page after the first when not 0
    bool compress = true;           // Unicode compression of texts where it is shorter
    int inlineMemo = 1000;          // bytes of a memo kept in its row; a longer one goes to a
    int longValuePiece = 4000;      // long-value page, in a chain of pieces of this size
    std::set<int> movedRows = {};   // rows kept on another page, their place pointing there
    std::set<int> deletedRows = {}; // rows preceded by a deleted copy of themselves
    bool indirectMap = false;       // usage maps on map pages rather than in their row
};

// Where the writer put things, for tests that damage a file.
struct JetWriterLayout {
    uint32_t tableDefinition = 0;
    std::vector<uint32_t> dataPages, longValuePages;
};

// Writes a Jet 4 file with one user table and no indexes, as Access lays it out.
// Throws std::runtime_error when the file cannot be written.
JetWriterLayout WriteJetFile(const QString& path, const QString& table,
                             const std::vector<JetWriterColumn>& columns,
                             const QVector<QVector<QVariant>>& rows,
                             const JetWriterOptions& options = {});

// The program's verse table with the given rows, in the Jet 4 format.
JetWriterLayout WriteJetVerseFile(const QString& path, const QVector<FixtureRow>& rows,
                                  const JetWriterOptions& options = {});

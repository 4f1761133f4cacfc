#pragma once

#include "JetFile.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Jet column types the reader reads.
enum JetType : uint8_t {
    JetBoolean = 0x01,
    JetByte = 0x02,
    JetInteger = 0x03,
    JetLong = 0x04,
    JetText = 0x0A,
    JetOle = 0x0B,
    JetMemo = 0x0C,
};

struct JetColumn {
    QString name;
    uint8_t type = 0;
    uint16_t number = 0;   // bit of the null mask
    uint16_t varIndex = 0; // place in the table of variable columns
    uint16_t fixedAt = 0;  // place among the fixed columns
    uint16_t size = 0;
    bool fixed = false;
    bool isText() const { return type == JetText || type == JetMemo; }
    bool isNumber() const {
        return type == JetBoolean || type == JetByte || type == JetInteger || type == JetLong;
    }
};

// One value of a row: null, a number or a text.
struct JetValue {
    enum Kind { Null, Number, Text } kind = Null;
    int64_t number = 0;
    std::u16string text;
};

// A table definition with the pages its rows lie on.
struct JetTableDefinition {
    uint32_t page = 0;
    uint32_t rowCount = 0;
    int varColumns = 0;
    std::vector<JetColumn> columns;
    std::vector<uint32_t> dataPages;
};

// Reading tables of a Jet 4 file. Every offset, length, page and chain is checked against the
// file; damage throws JetFormatError, so a table is read whole or not at all.
class JetTableReader {
public:
    explicit JetTableReader(const JetPages& pages) : pages_(pages) {}

    // The definition page of the user table of that name (letter case ignored); 0 for none.
    uint32_t findTable(const QString& name) const;
    JetTableDefinition definition(uint32_t page) const;
    // Calls row with the values of the chosen columns (indexes into definition.columns) of
    // every row, in page order; then checks that the rows were as many as the definition says.
    void readRows(const JetTableDefinition& table, const std::vector<int>& chosen,
                  const std::function<void(const std::vector<JetValue>&)>& row) const;

private:
    std::vector<uint32_t> usedPages(uint32_t mapPointer, uint32_t table) const;
    void readValue(const JetColumn& column, const uint8_t* row, int size,
                   const std::vector<uint16_t>& varOffsets, int varCount, JetValue& value) const;
    void readMemo(const uint8_t* field, int size, std::string& bytes) const;

    const JetPages& pages_;
    mutable std::string memo_;
    // Bytes of memo values left to read in this table: each long-value row belongs to one
    // value, so a sound file's values together are no longer than the file.
    mutable uint64_t memoBudget_ = 0;
};

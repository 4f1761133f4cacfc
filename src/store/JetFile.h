#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <string>

// The kinds of database file the store tells apart by their first bytes.
enum class DatabaseFormat {
    Other,    // neither SQLite nor Jet: SQLite's own open decides
    Sqlite,   // "SQLite format 3"
    Jet4,     // "Standard Jet DB", version 1 (Access 2000-2003)
    OtherJet, // Jet 3, or "Standard ACE DB" (Access 2007 and later): not read
};
inline constexpr int JetHeadSize = 0x15;
// The format of a file from its first JetHeadSize bytes (fewer read as Other).
DatabaseFormat DatabaseFormatOf(const QByteArray& head);

// A Jet file that is damaged or not what the reader understands; the text says what is wrong.
class JetFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr int JetPageSize = 4096;
// The largest Jet file read: a real translation is about 10 MB.
inline constexpr qint64 MaxJetFileBytes = 256LL << 20;

// What page 0 of a Jet 4 file says: the key every later page is masked with (0 for none) and
// the Database Password (empty for none).
struct JetHeader {
    uint32_t pageKey = 0;
    QString password;
};
// Reads the header page; throws JetFormatError.
JetHeader ReadJetHeader(const QByteArray& page0);
// Whether a connection's password opens a file with this stored password: a file without one
// opens with any; otherwise letter case counts.
bool JetPasswordAccepts(const QString& stored, const QString& given);

// RC4, which masks the header and, with a page key, every later page.
void Rc4(const uint8_t* key, int keySize, uint8_t* data, int size);

// A whole Jet 4 file with its pages unmasked, and the checked look-ups every reading goes
// through: each throws JetFormatError rather than read outside the file or its page.
class JetPages {
public:
    // file: the whole file; unmasked here when the header names a page key.
    JetPages(QByteArray file, uint32_t pageKey);

    uint32_t count() const { return count_; }
    const uint8_t* page(uint32_t number) const;
    // A row of a data page: its start, its length and its flags (0x8000 deleted, 0x4000
    // moved to the page and row its 4 bytes name).
    struct Row {
        const uint8_t* data;
        int size;
        uint16_t flags;
    };
    // The row count of a data page, checked against the room of its offset table.
    int rowCount(uint32_t number) const;
    Row row(uint32_t number, int index) const;
    // The row a 4-byte pointer (page << 8 | row) names.
    Row rowAt(uint32_t pointer) const;

private:
    QByteArray file_;
    uint32_t count_ = 0;
};

// Little-endian fields.
inline uint16_t Le16(const uint8_t* p) {
    return uint16_t(p[0] | p[1] << 8);
}
inline uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// A Jet 4 text value into UTF-16: plain UTF-16LE, or after FF FE the compressed form where a
// NUL byte switches between one byte per character and two. Throws on an odd length.
void DecodeJetText(const uint8_t* data, int size, std::u16string& out);

// The error texts.
QString UnrecognizedFormatText(const QString& file);
QString NotValidPasswordText();
QString JetTooLargeText(const QString& file);
QString JetChangedText(const QString& file);

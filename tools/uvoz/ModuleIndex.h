#pragma once

#include <QByteArray>
#include <QString>

// The verse index of a module kept by libsword's rawText or zText driver (or their 4-byte
// variants), read from the module's own files: where each verse's text lies. The importer
// checks it against the data files and against what libsword delivers.
class ModuleIndex {
public:
    struct Entry {
        quint64 block = 0; // zText: the compressed block holding the verse
        quint64 start = 0;
        quint64 size = 0;
    };

    // The index of a module of that driver and (zText) block type, as its configuration names
    // them; an index without entries for any other driver.
    ModuleIndex(const QString& driver, const QString& blockType, const QString& dataFolder);

    // The entry of verse `index` of testament 1 (Old) or 2 (New); an empty one past the end.
    Entry entry(int testament, long index) const;
    // Whether the data files hold the whole text an entry promises.
    bool holds(int testament, const Entry& entry) const;

private:
    struct Testament {
        QByteArray verses, blocks;
        qint64 dataSize = 0;
    };
    Testament testaments_[2];
    int entryBytes_ = 0;
    bool compressed_ = false;
};

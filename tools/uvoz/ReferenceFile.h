#pragma once

#include <QString>
#include <map>
#include <tuple>

// The cross references of another translation file, by place: what a translation without
// references of its own takes over.
class ReferenceFile {
public:
    // Reads the `pok` of every verse of the file. Throws ImportError (ExitUsage) when the file
    // is no translation file.
    explicit ReferenceFile(const QString& path);

    // The references of a verse (book 1..66), empty when the file has none there.
    QString at(int book, int chapter, int verse) const;

private:
    std::map<std::tuple<int, int, int>, QString> pok_;
};

#pragma once

#include <QString>
#include <memory>

class QTemporaryFile;
struct sqlite3;
struct sqlite3_stmt;

// Writes a translation file: the verse table filled in one transaction in a temporary file
// beside the target, which takes the target's place only on commit. Until then an existing
// file stays as it was; a writer dropped without commit removes its temporary file.
class VerseFileWriter {
public:
    // Throws ImportError (ExitCannotWrite) when the folder takes no file.
    explicit VerseFileWriter(const QString& target);
    ~VerseFileWriter();
    VerseFileWriter(const VerseFileWriter&) = delete;
    VerseFileWriter& operator=(const VerseFileWriter&) = delete;

    void add(const QString& code, int chapter, int verse, const QString& text, const QString& pok);
    // Records a property of the translation in the file's key/value table.
    void setProperty(const QString& key, const QString& value);
    // Completes the file: the search index built, the file compacted and closed.
    void complete();
    // Completes the file unless done and renames it into place.
    void commit();

private:
    void start();
    void fail(const QString& what) const;
    void release();

    QString target_;
    std::unique_ptr<QTemporaryFile> temp_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* insert_ = nullptr;
};

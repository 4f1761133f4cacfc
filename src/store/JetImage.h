#pragma once

#include "JetFile.h"
#include "SqliteHandles.h"

#include <QByteArray>
#include <QString>
#include <exception>
#include <memory>
#include <mutex>

// The verse table of a Jet 4 file loaded into an in-memory SQLite database with the schema
// and text rules of the program's own files, kept as one serialized image per file.
class JetImage : public std::enable_shared_from_this<JetImage> {
public:
    JetImage(unsigned char* data, long long size, QString password);
    ~JetImage();
    JetImage(const JetImage&) = delete;
    JetImage& operator=(const JetImage&) = delete;

    // A new read-only connection on the image, which the connection keeps alive until it is
    // closed.
    SqliteDatabase connect() const;
    const QString& password() const { return password_; }
    // Writes the image into the cache folder as the image of a key (JetCache.h).
    void keep(const QString& cacheKey) const;
    // A copy of the image with the search index (SearchIndex.h) built in, or nullptr when the
    // image holds no verse table with text; marked as the image of a cache key when one is given
    // (JetCache.h).
    std::shared_ptr<const JetImage> withSearchIndex(const QString& cacheKey = {}) const;

    // The copy of this image with the search index once it is built, which its connections
    // are best made on again, so that this one is let go; none before.
    std::shared_ptr<const JetImage> successor() const;
    void setSuccessor(std::shared_ptr<const JetImage> indexed) const;
    // Puts a writable copy of the image into the main database of a connection; false when the
    // image is empty or the copy cannot be made.
    bool copyInto(sqlite3* db) const;
    // A new image of the main database of a connection, with this image's password.
    std::shared_ptr<const JetImage> serialized(sqlite3* db) const;

private:
    unsigned char* data_;
    long long size_;
    QString password_; // the file's Database Password
    mutable std::mutex successorLock_;
    mutable std::shared_ptr<const JetImage> successor_;
};

// A wrong Database Password.
class JetPasswordError : public std::exception {};

// Loads the table `table` of a whole Jet 4 file into an image, unmasking the file's bytes in
// place; throws JetFormatError, or JetPasswordError when the password is not the file's.
std::shared_ptr<const JetImage> LoadJetImage(QByteArray file, const QString& password,
                                             const QString& table = QStringLiteral("vidoslov"));

class QIODevice;
// Reads `size` bytes, the size the file had when it was opened, from the start of a device into
// one buffer; false when the device holds fewer or more (a file that changes while read).
bool ReadWholeFile(QIODevice& in, qint64 size, QByteArray& bytes);

// Opens a connection on a file when it is a Jet file; returns none for any other file. The image
// of a file is loaded on its first open and shared, by path, size and modification time, by every
// later one: taken from the cache folder (JetCache.h) when an earlier session kept it, else read
// from the file, its search index then built and the image kept for later sessions. A file over
// MaxJetFileBytes is refused unread. Throws DatabaseError naming the file.
// `image`, when given, receives the image the connection is made on.
SqliteDatabase OpenJetDatabase(const QString& file, const QString& password,
                               std::shared_ptr<const JetImage>* image = nullptr);

// Drops the loaded images, so that the next open of each file loads it again (benchmarks).
void ForgetJetImages();

// The search index of a Jet file read from the file is built into a copy of its image on a thread
// of its own, which the file's connections use from then on; until then a search reads every
// verse. Starts that build for a loaded file; does nothing for any other file or when it was
// started before (by the file's first open).
void AskForJetSearchIndex(const QString& file);
// Waits until every such build has ended and its image has been kept, or with `kept` false only
// until the index serves (tests, benchmarks).
void WaitForJetSearchIndexes(bool kept = true);

// The Database Password a connection string names ("Jet OLEDB:Database Password=..."); empty
// when it names none.
QString DatabasePasswordOf(const QString& connectionString);

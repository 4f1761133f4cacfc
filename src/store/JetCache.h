#pragma once

#include <QString>

struct sqlite3;

// The image of a Jet file with its search index, kept in the user's cache folder as a plain
// SQLite file, so that later sessions need not convert the file again. An image is found by the
// Jet file's identity (canonical path, size, modification time, device and inode) and the
// format of the image; anything else is never used.

// The identity of a Jet file as it is now; empty when the file cannot be examined.
QString JetCacheKey(const QString& jetFile);

// The folder the images are kept in; empty when the system names no cache folder.
QString JetCacheFolder();

// An image with its size, in memory from sqlite3_malloc64, which the receiver frees.
struct CachedImage {
    unsigned char* data = nullptr;
    long long size = 0;
};

// The kept image of `key`: none when there is none, or it is unreadable, damaged, of another
// key or format, or holds no verse table with the search index.
CachedImage ReadJetCache(const QString& key);

// Marks the database of a connection as the image of `key` (inside the caller's transaction).
// Throws std::runtime_error with the engine's text.
void MarkJetCacheImage(sqlite3* db, const QString& key);

// Keeps an image marked by MarkJetCacheImage, replacing the old one at once (a new file renamed
// over it). An image that cannot be written is simply not kept.
void WriteJetCache(const QString& key, const unsigned char* data, long long size);

#include "JetCache.h"

#include "JetFile.h"
#include "ReadOnlyFile.h"
#include "SearchIndex.h"
#include "SqliteHandles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstring>
#include <sqlite3.h>
#include <stdexcept>

namespace {

// Changes whenever the image changes its form: its tables, the search index or the folding.
constexpr int ImageFormat = 1;

// The 64-bit checksum of an image is kept in its header, in the fields SQLite leaves to the
// program (user version at 60, application id at 68); the checksum reads them as zeros.
constexpr int ChecksumAt[2] = {60, 68};
constexpr long long HeaderSize = 100;

quint64 Checksum(const unsigned char* data, long long size) {
    quint64 h = 0x9E3779B97F4A7C15ULL ^ quint64(size);
    const auto mix = [&h](quint64 word) {
        h = (h ^ word) * 0xFF51AFD7ED558CCDULL;
        h ^= h >> 29;
    };
    unsigned char header[HeaderSize];
    std::memcpy(header, data, HeaderSize);
    for (const int at : ChecksumAt)
        std::memset(header + at, 0, 4);
    const auto words = [&mix](const unsigned char* from, long long bytes) {
        long long i = 0;
        for (quint64 word; i + 8 <= bytes; i += 8) {
            std::memcpy(&word, from + i, 8);
            mix(word);
        }
        quint64 rest = 0;
        std::memcpy(&rest, from + i, size_t(bytes - i));
        mix(rest);
    };
    words(header, HeaderSize);
    words(data + HeaderSize, size - HeaderSize);
    return h;
}

quint64 StoredChecksum(const unsigned char* data) {
    quint32 parts[2];
    for (int i = 0; i < 2; ++i)
        parts[i] = quint32(data[ChecksumAt[i]]) << 24 | quint32(data[ChecksumAt[i] + 1]) << 16 |
                   quint32(data[ChecksumAt[i] + 2]) << 8 | quint32(data[ChecksumAt[i] + 3]);
    return quint64(parts[0]) << 32 | parts[1];
}

void StoreChecksum(unsigned char* data, quint64 sum) {
    const quint32 parts[2] = {quint32(sum >> 32), quint32(sum)};
    for (int i = 0; i < 2; ++i)
        for (int b = 0; b < 4; ++b)
            data[ChecksumAt[i] + b] = static_cast<unsigned char>(parts[i] >> (24 - 8 * b));
}

// The file of a key is named by the key's format and path alone, so that a changed Jet file's
// new image replaces the old one.
QString CachePath(const QString& key) {
    const QString folder = JetCacheFolder();
    if (folder.isEmpty())
        return {};
    const QByteArray name = key.section(u'\n', 0, 1).toUtf8();
    return folder + u'/' +
           QString::fromLatin1(QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".sqlite");
}

// Whether a whole image is one this program wrote for `key`.
bool ImageServes(unsigned char* data, long long size, const QString& key) {
    if (size < HeaderSize || size % 512 != 0 || Checksum(data, size) != StoredChecksum(data))
        return false;
    SqliteDatabase db;
    if (OpenSqlite(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, db) != SQLITE_OK ||
        sqlite3_deserialize(db.get(), "main", data, size, size, SQLITE_DESERIALIZE_READONLY) !=
            SQLITE_OK)
        return false;
    SqliteStatement stmt;
    const QByteArray expected = key.toUtf8();
    const bool marked =
        PrepareSqlite(db.get(), "SELECT key FROM vidoslov_cache", -1, stmt) == SQLITE_OK &&
        sqlite3_step(stmt.get()) == SQLITE_ROW &&
        QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt.get(), 0)),
                   sqlite3_column_bytes(stmt.get(), 0)) == expected;
    stmt.reset();
    return marked && VerseTableError(db.get()).isEmpty() && HasSearchIndex(db.get());
}

} // namespace

QString JetCacheKey(const QString& jetFile) {
    const QString path = QFileInfo(jetFile).canonicalFilePath();
    const FileStamp stamp = StampOf(path);
    if (path.isEmpty() || !stamp.valid())
        return {};
    return QStringLiteral("vidoslov jet image %1\n%2\n%3 %4 %5 %6")
        .arg(ImageFormat)
        .arg(path)
        .arg(stamp.size)
        .arg(stamp.modified)
        .arg(stamp.device)
        .arg(stamp.inode);
}

QString JetCacheFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return folder.isEmpty() ? folder : folder + QStringLiteral("/jet");
}

CachedImage ReadJetCache(const QString& key) {
    const QString path = key.isEmpty() ? QString() : CachePath(key);
    if (path.isEmpty() || !IsRegularFile(path))
        return {};
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    const qint64 size = in.size();
    // The image of a file is a little larger than its text; a far larger one is none of ours.
    if (size < HeaderSize || size > 2 * MaxJetFileBytes)
        return {};
    auto* data = static_cast<unsigned char*>(sqlite3_malloc64(sqlite3_uint64(size)));
    if (!data)
        return {};
    qint64 got = 0;
    for (qint64 n = 1; got < size && n > 0; got += n)
        n = std::max<qint64>(in.read(reinterpret_cast<char*>(data) + got, size - got), 0);
    if (got != size || !ImageServes(data, size, key)) {
        sqlite3_free(data);
        return {};
    }
    return {data, size};
}

void MarkJetCacheImage(sqlite3* db, const QString& key) {
    SqliteStatement stmt;
    char* error = nullptr;
    if (sqlite3_exec(db, "CREATE TABLE vidoslov_cache (key BLOB)", nullptr, nullptr, &error) !=
        SQLITE_OK) {
        const std::string text = error ? error : "vidoslov_cache";
        sqlite3_free(error);
        throw std::runtime_error(text);
    }
    const QByteArray bytes = key.toUtf8();
    if (PrepareSqlite(db, "INSERT INTO vidoslov_cache VALUES (?)", -1, stmt) != SQLITE_OK ||
        sqlite3_bind_blob(stmt.get(), 1, bytes.constData(), int(bytes.size()), SQLITE_STATIC) !=
            SQLITE_OK ||
        sqlite3_step(stmt.get()) != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db));
}

void WriteJetCache(const QString& key, const unsigned char* data, long long size) {
    const QString path = key.isEmpty() ? QString() : CachePath(key);
    if (path.isEmpty() || size < HeaderSize || !QDir().mkpath(QFileInfo(path).path()))
        return;
    // The checksum goes into a copy of the header; the image itself is shared by connections.
    unsigned char header[HeaderSize];
    std::memcpy(header, data, HeaderSize);
    StoreChecksum(header, Checksum(data, size));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return;
    // The texts of a file with a Database Password: for the user alone.
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (out.write(reinterpret_cast<const char*>(header), HeaderSize) == HeaderSize &&
        out.write(reinterpret_cast<const char*>(data) + HeaderSize, size - HeaderSize) ==
            size - HeaderSize)
        out.commit();
}

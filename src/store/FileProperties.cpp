#include "FileProperties.h"

#include "ReadOnlyFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <sqlite3.h>

QString FileProperty(const QString& path, const QString& key) {
    // A FIFO or device would block the open or be read without end.
    if (!IsRegularFile(path))
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(16).startsWith("SQLite format 3"))
        return {};
    file.close();
    SqliteDatabase db;
    QString value;
    const QByteArray k = key.toUtf8();
    // Opened as the pane's query opens it: nothing written beside the file, a WAL file too.
    SqliteStatement stmt;
    if (OpenImmutable(path, db) == SQLITE_OK &&
        PrepareSqlite(db.get(), "SELECT value FROM properties WHERE key = ?", -1, stmt) ==
            SQLITE_OK) {
        sqlite3_bind_text(stmt.get(), 1, k.constData(), int(k.size()), SQLITE_STATIC);
        if (sqlite3_step(stmt.get()) == SQLITE_ROW)
            value = QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
    }
    return value;
}

Numbering NumberingOfFile(const QString& path) {
    return NumberingOfName(FileProperty(path, QString::fromLatin1(NumberingKey)));
}

Numbering CachedNumberingOfFile(const QString& path) {
    struct Known {
        QDateTime modified;
        qint64 size;
        Numbering numbering;
    };
    static QHash<QString, Known> known;
    const QFileInfo info(path);
    const QDateTime modified = info.lastModified();
    const auto found = known.constFind(path);
    if (found != known.cend() && found->modified == modified && found->size == info.size())
        return found->numbering;
    const Numbering numbering = NumberingOfFile(path);
    known.insert(path, {modified, info.size(), numbering});
    return numbering;
}

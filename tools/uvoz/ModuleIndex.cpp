#include "ModuleIndex.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

// No versification has more verses than this many entries of the largest kind can index.
constexpr qint64 MaxIndexBytes = 1 << 20;

QByteArray ReadIndex(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(MaxIndexBytes) : QByteArray();
}

quint64 Number(const QByteArray& bytes, qint64 at, int width) {
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData() + at);
    return width == 2 ? qFromLittleEndian<quint16>(p) : qFromLittleEndian<quint32>(p);
}

} // namespace

ModuleIndex::ModuleIndex(const QString& driver, const QString& blockType,
                         const QString& dataFolder) {
    const QString kind = driver.toLower();
    compressed_ = kind.startsWith(QLatin1Char('z'));
    entryBytes_ = kind == QLatin1String("rawtext")    ? 6
                  : kind == QLatin1String("rawtext4") ? 8
                  : kind == QLatin1String("ztext")    ? 10
                  : kind == QLatin1String("ztext4")   ? 12
                                                      : 0;
    if (entryBytes_ == 0)
        return;
    // A compressed module's files are named by their blocks: ot.bzv for books, ot.czv for
    // chapters (as libsword reads any other or no block type), ot.vzv for verses.
    const QString blocks = blockType.toUpper();
    const QString z = blocks == QLatin1String("BOOK")    ? QStringLiteral(".bz")
                      : blocks == QLatin1String("VERSE") ? QStringLiteral(".vz")
                                                         : QStringLiteral(".cz");
    const QString folder = dataFolder.endsWith(QLatin1Char('/')) ? dataFolder : dataFolder + '/';
    for (int t = 0; t < 2; ++t) {
        const QString base = folder + (t == 0 ? "ot" : "nt");
        Testament& testament = testaments_[t];
        testament.verses = ReadIndex(compressed_ ? base + z + 'v' : base + ".vss");
        testament.dataSize = QFileInfo(compressed_ ? base + z + 'z' : base).size();
        if (compressed_)
            testament.blocks = ReadIndex(base + z + 's');
    }
}

ModuleIndex::Entry ModuleIndex::entry(int testament, long index) const {
    if (entryBytes_ == 0 || testament < 1 || testament > 2 || index < 0)
        return {};
    const QByteArray& verses = testaments_[testament - 1].verses;
    const qint64 at = qint64(index) * entryBytes_;
    if (at + entryBytes_ > verses.size())
        return {};
    const int sizeWidth = entryBytes_ % 4 == 2 ? 2 : 4;
    if (!compressed_)
        return {0, Number(verses, at, 4), Number(verses, at + 4, sizeWidth)};
    return {Number(verses, at, 4), Number(verses, at + 4, 4), Number(verses, at + 8, sizeWidth)};
}

bool ModuleIndex::holds(int testament, const Entry& entry) const {
    if (entry.size == 0 || testament < 1 || testament > 2)
        return true;
    const Testament& t = testaments_[testament - 1];
    if (!compressed_)
        return entry.start + entry.size <= quint64(t.dataSize);
    // A block: where its compressed bytes lie, and how many bytes they unpack to.
    const qint64 at = qint64(entry.block) * 12;
    if (entry.block > quint64(MaxIndexBytes) || at + 12 > t.blocks.size())
        return false;
    const quint64 offset = Number(t.blocks, at, 4), packed = Number(t.blocks, at + 4, 4),
                  unpacked = Number(t.blocks, at + 8, 4);
    return offset + packed <= quint64(t.dataSize) && entry.start + entry.size <= unpacked;
}

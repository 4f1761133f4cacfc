#include "CrossReferences.h"

#include "BookCatalogue.h"
#include "ImportError.h"
#include "InputFiles.h"

#include <QFile>
#include <algorithm>
#include <lzma.h>

namespace {

// The collection's codes of the 66 books, in the catalogue's order.
const char* const CollectionBooks[BookCatalogue::BookCount] = {
    "gen", "exo", "lev", "num", "deu", "jos", "jdg", "rut", "1sa", "2sa", "1ki",
    "2ki", "1ch", "2ch", "ezr", "neh", "est", "job", "psa", "pro", "ecc", "sng",
    "isa", "jer", "lam", "ezk", "dan", "hos", "jol", "amo", "oba", "jon", "mic",
    "nam", "hab", "zep", "hag", "zec", "mal", "mat", "mrk", "luk", "jhn", "act",
    "rom", "1co", "2co", "gal", "eph", "php", "col", "1th", "2th", "1ti", "2ti",
    "tit", "phm", "heb", "jas", "1pe", "2pe", "1jn", "2jn", "3jn", "jud", "rev"};

// More than any collection of references needs: a file that unpacks to more is refused.
constexpr qsizetype MaxUnpacked = qsizetype(256) << 20;

const QByteArrayView XzMagic("\xFD"
                             "7zXZ\0",
                             6);

// A whole number of at most four digits, from 1; 0 when the text is none.
int Number(QByteArrayView text) {
    if (text.isEmpty() || text.size() > 4)
        return 0;
    int n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

// "gen 1:1" as a place; an empty text when it is one, otherwise what is wrong with it.
QString ParsePlace(QByteArrayView text, PlaceKey& place) {
    const qsizetype blank = text.indexOf(' ');
    const qsizetype colon = text.indexOf(':');
    if (blank < 0 || colon < blank)
        return QStringLiteral("\"%1\" is no place \"book chapter:verse\"")
            .arg(QString::fromUtf8(text));
    const int book = CatalogueBookOfCollectionCode(text.first(blank));
    if (!book)
        return QStringLiteral("unknown book code \"%1\"").arg(QString::fromUtf8(text.first(blank)));
    const int chapter = Number(text.sliced(blank + 1, colon - blank - 1));
    const int verse = Number(text.sliced(colon + 1));
    if (!chapter || !verse || chapter > 999 || verse > 999)
        return QStringLiteral("\"%1\" is no place \"book chapter:verse\"")
            .arg(QString::fromUtf8(text));
    place = KeyOfPlace(book, chapter, verse);
    return {};
}

QString TextOfPlace(PlaceKey place) {
    const int verse = place % 1000, chapter = place / 1000 % 1000, book = place / 1000000;
    return QStringLiteral("%1 %2:%3")
        .arg(QString::fromUtf8(BookCatalogue::Codes[book - 1]))
        .arg(chapter)
        .arg(verse);
}

QByteArray Unxz(const QByteArray& packed, const QString& path) {
    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_stream_decoder(&stream, UINT64_MAX, LZMA_CONCATENATED) != LZMA_OK)
        throw ImportError(ExitUsage, QStringLiteral("Cannot unpack %1: out of memory.").arg(path));
    QByteArray out;
    out.resize(packed.size() * 6);
    stream.next_in = reinterpret_cast<const uint8_t*>(packed.constData());
    stream.avail_in = size_t(packed.size());
    lzma_ret rc = LZMA_OK;
    while (rc == LZMA_OK) {
        if (stream.total_out == uint64_t(out.size())) {
            if (out.size() >= MaxUnpacked) {
                lzma_end(&stream);
                throw ImportError(ExitUsage,
                                  QStringLiteral("Cannot unpack %1: it unpacks to more than %2 MB.")
                                      .arg(path)
                                      .arg(MaxUnpacked >> 20));
            }
            out.resize(std::min(out.size() * 2, MaxUnpacked));
        }
        stream.next_out = reinterpret_cast<uint8_t*>(out.data()) + stream.total_out;
        stream.avail_out = size_t(out.size()) - size_t(stream.total_out);
        rc = lzma_code(&stream, LZMA_FINISH);
    }
    out.resize(qsizetype(stream.total_out));
    lzma_end(&stream);
    if (rc != LZMA_STREAM_END)
        throw ImportError(ExitUsage,
                          QStringLiteral("Cannot unpack %1: it is no whole xz file (error %2).")
                              .arg(path)
                              .arg(int(rc)));
    return out;
}

} // namespace

int CatalogueBookOfCollectionCode(QByteArrayView code) {
    for (int i = 0; i < BookCatalogue::BookCount; ++i)
        if (code == CollectionBooks[i])
            return i + 1;
    return 0;
}

QString ParseCrossReferenceLine(QByteArrayView line, PlaceKey& verse,
                                std::vector<PlaceKey>& references) {
    references.clear();
    const qsizetype tab = line.indexOf('\t');
    if (tab < 0)
        return QStringLiteral("there is no tab between the verse and its references");
    QString problem = ParsePlace(line.first(tab), verse);
    if (!problem.isEmpty())
        return problem;
    QByteArrayView rest = line.sliced(tab + 1);
    while (!rest.isEmpty()) {
        const qsizetype end = rest.indexOf(';');
        PlaceKey place = 0;
        problem = ParsePlace(end < 0 ? rest : rest.first(end), place);
        if (!problem.isEmpty())
            return problem;
        if (std::find(references.begin(), references.end(), place) == references.end())
            references.push_back(place);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }
    if (references.empty())
        return QStringLiteral("the verse has no references");
    return {};
}

QByteArray ReadMaybeXz(const QString& path) {
    const QString problem = InputFileProblem(path, MaxCollectionBytes);
    if (!problem.isEmpty())
        throw ImportError(
            ExitUsage, QStringLiteral("Unakrsne reference se ne mogu pročitati: %1.").arg(problem));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ImportError(ExitUsage, QStringLiteral("Cannot read the cross references %1: %2.")
                                         .arg(path, file.errorString()));
    // Bounded even if the file grew since it was looked at.
    const QByteArray bytes = file.read(MaxCollectionBytes + 1);
    if (bytes.size() > MaxCollectionBytes)
        throw ImportError(ExitUsage, QStringLiteral("Unakrsne reference se ne mogu pročitati: "
                                                    "%1: datoteka je veća od %2 MB.")
                                         .arg(path)
                                         .arg(MaxCollectionBytes >> 20));
    return bytes.startsWith(XzMagic) ? Unxz(bytes, path) : bytes;
}

CrossReferences::CrossReferences(const QString& path) {
    read(ReadMaybeXz(path), path);
}

CrossReferences::CrossReferences(const QByteArray& text, const QString& name) {
    read(text, name);
}

void CrossReferences::read(const QByteArray& text, const QString& name) {
    std::vector<PlaceKey> refs;
    qsizetype from = 0;
    for (int number = 1; from < text.size(); ++number) {
        qsizetype end = text.indexOf('\n', from);
        if (end < 0)
            end = text.size();
        QByteArrayView line(text.constData() + from, end - from);
        from = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        PlaceKey verse = 0;
        const QString problem = ParseCrossReferenceLine(line, verse, refs);
        if (!problem.isEmpty())
            throw ImportError(ExitUsage, QStringLiteral("Cannot read the cross references %1, "
                                                        "line %2: %3.")
                                             .arg(name)
                                             .arg(number)
                                             .arg(problem));
        std::vector<PlaceKey>& all = references_[verse];
        for (const PlaceKey place : refs)
            if (std::find(all.begin(), all.end(), place) == all.end()) {
                all.push_back(place);
                ++size_;
            }
    }
    if (references_.empty())
        throw ImportError(ExitUsage,
                          QStringLiteral("The cross references %1 hold no verse.").arg(name));
}

QString CrossReferences::pokOf(PlaceKey verse, const std::unordered_set<PlaceKey>& held) const {
    const auto found = references_.find(verse);
    if (found == references_.end())
        return {};
    QString pok;
    for (const PlaceKey place : found->second) {
        if (!held.count(place))
            continue;
        if (!pok.isEmpty())
            pok += '|';
        pok += TextOfPlace(place);
    }
    return pok;
}

void CrossReferences::mapPlaces(const std::function<PlaceKey(PlaceKey)>& map) {
    // In the collection's order of verses, so that merged verses list the first one's first.
    std::vector<PlaceKey> verses;
    verses.reserve(references_.size());
    for (const auto& [verse, places] : references_)
        verses.push_back(verse);
    std::sort(verses.begin(), verses.end());
    std::unordered_map<PlaceKey, std::vector<PlaceKey>> mapped;
    mapped.reserve(references_.size());
    size_ = 0;
    for (const PlaceKey verse : verses) {
        const PlaceKey to = map(verse);
        std::vector<PlaceKey>& all = mapped[to];
        for (const PlaceKey place : references_[verse]) {
            const PlaceKey target = map(place);
            if (target != to && std::find(all.begin(), all.end(), target) == all.end()) {
                all.push_back(target);
                ++size_;
            }
        }
    }
    references_ = std::move(mapped);
}

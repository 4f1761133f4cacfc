#include "JetFile.h"

#include <cmath>
#include <cstring>
#include <utility>

namespace {

constexpr uint8_t HeaderKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
constexpr int MaskedFrom = 0x18, MaskedSize = 128;
constexpr int PageKeyAt = 0x3E, PasswordAt = 0x42, PasswordUnits = 20, CreatedAt = 0x72;
constexpr int DataRowsAt = 12, DataOffsetsAt = 14;
constexpr uint16_t OffsetMask = 0x1FFF;

bool StartsWith(const QByteArray& head, const char* magic, int size) {
    return head.size() >= size && std::memcmp(head.constData(), magic, size_t(size)) == 0;
}

} // namespace

DatabaseFormat DatabaseFormatOf(const QByteArray& head) {
    static const char sqlite[] = "SQLite format 3";
    static const char jet[] = "\x00\x01\x00\x00Standard Jet DB";
    static const char ace[] = "\x00\x01\x00\x00Standard ACE DB";
    if (StartsWith(head, sqlite, sizeof sqlite))
        return DatabaseFormat::Sqlite;
    if (head.size() >= JetHeadSize && StartsWith(head, ace, sizeof ace))
        return DatabaseFormat::OtherJet;
    if (head.size() >= JetHeadSize && StartsWith(head, jet, sizeof jet))
        return head[0x14] == 1 ? DatabaseFormat::Jet4 : DatabaseFormat::OtherJet;
    return DatabaseFormat::Other;
}

void Rc4(const uint8_t* key, int keySize, uint8_t* data, int size) {
    uint8_t s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = uint8_t(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % keySize]) & 255;
        std::swap(s[i], s[j]);
    }
    uint8_t i = 0, j = 0;
    for (int n = 0; n < size; ++n) {
        i = uint8_t(i + 1);
        j = uint8_t(j + s[i]);
        std::swap(s[i], s[j]);
        data[n] ^= s[uint8_t(s[i] + s[j])];
    }
}

JetHeader ReadJetHeader(const QByteArray& page0) {
    if (page0.size() < JetPageSize)
        throw JetFormatError("datoteka je kraća od svoje stranice zaglavlja");
    uint8_t head[JetPageSize];
    std::memcpy(head, page0.constData(), JetPageSize);
    if (head[0] != 0)
        throw JetFormatError("stranica 0 nije stranica zaglavlja");
    Rc4(HeaderKey, 4, head + MaskedFrom, MaskedSize);
    JetHeader header;
    header.pageKey = Le32(head + PageKeyAt);
    // The password is masked with the whole days of the creation date.
    double created = 0;
    std::memcpy(&created, head + CreatedAt, sizeof created);
    if (!std::isfinite(created) || created < -2147483648.0 || created >= 2147483648.0)
        throw JetFormatError("datum nastanka u zaglavlju nije datum");
    const auto days = uint32_t(int32_t(std::floor(created)));
    const uint8_t mask[4] = {uint8_t(days), uint8_t(days >> 8), uint8_t(days >> 16),
                             uint8_t(days >> 24)};
    for (int i = 0; i < PasswordUnits; ++i) {
        const uint8_t* p = head + PasswordAt + 2 * i;
        const char16_t unit =
            char16_t((p[0] ^ mask[(2 * i) % 4]) | (p[1] ^ mask[(2 * i + 1) % 4]) << 8);
        if (unit == 0)
            break;
        header.password += QChar(unit);
    }
    return header;
}

bool JetPasswordAccepts(const QString& stored, const QString& given) {
    return stored.isEmpty() || stored == given;
}

JetPages::JetPages(QByteArray file, uint32_t pageKey) : file_(std::move(file)) {
    if (file_.size() % JetPageSize != 0)
        throw JetFormatError("datoteka se završava usred stranice " +
                             std::to_string(file_.size() / JetPageSize));
    count_ = uint32_t(file_.size() / JetPageSize);
    if (pageKey == 0)
        return;
    auto* bytes = reinterpret_cast<uint8_t*>(file_.data());
    for (uint32_t n = 1; n < count_; ++n) {
        const uint32_t key = pageKey ^ n;
        const uint8_t k[4] = {uint8_t(key), uint8_t(key >> 8), uint8_t(key >> 16),
                              uint8_t(key >> 24)};
        Rc4(k, 4, bytes + size_t(n) * JetPageSize, JetPageSize);
    }
}

const uint8_t* JetPages::page(uint32_t number) const {
    if (number == 0 || number >= count_)
        throw JetFormatError("stranica " + std::to_string(number) + " je van datoteke");
    return reinterpret_cast<const uint8_t*>(file_.constData()) + size_t(number) * JetPageSize;
}

int JetPages::rowCount(uint32_t number) const {
    const uint8_t* p = page(number);
    if (p[0] != 0x01)
        throw JetFormatError("stranica " + std::to_string(number) + " nije stranica podataka");
    const int rows = Le16(p + DataRowsAt);
    if (DataOffsetsAt + 2 * rows > JetPageSize)
        throw JetFormatError("stranica " + std::to_string(number) + " ima previše redova");
    return rows;
}

JetPages::Row JetPages::row(uint32_t number, int index) const {
    const int rows = rowCount(number);
    const std::string where =
        "red " + std::to_string(index) + " na stranici " + std::to_string(number);
    if (index < 0 || index >= rows)
        throw JetFormatError(where + " ne postoji");
    const uint8_t* p = page(number);
    const uint16_t at = Le16(p + DataOffsetsAt + 2 * index);
    const int start = at & OffsetMask;
    const int end = index == 0 ? JetPageSize : Le16(p + DataOffsetsAt + 2 * index - 2) & OffsetMask;
    if (start < DataOffsetsAt + 2 * rows || start > end || end > JetPageSize)
        throw JetFormatError(where + " je van svoje stranice");
    return {p + start, end - start, uint16_t(at & ~OffsetMask)};
}

JetPages::Row JetPages::rowAt(uint32_t pointer) const {
    return row(pointer >> 8, int(pointer & 0xFF));
}

void DecodeJetText(const uint8_t* data, int size, std::u16string& out) {
    out.clear();
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        // At most one character a byte; written in place, then cut to what was written.
        out.resize(size_t(size - 2));
        char16_t* to = out.data();
        bool compressed = true;
        for (int i = 2; i < size;) {
            if (data[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                *to++ = char16_t(data[i++]);
            } else {
                if (i + 1 >= size)
                    throw JetFormatError("sažeti tekst se završava usred znaka");
                *to++ = char16_t(Le16(data + i));
                i += 2;
            }
        }
        out.resize(size_t(to - out.data()));
        return;
    }
    if (size % 2 != 0)
        throw JetFormatError("tekst se završava usred znaka");
    out.resize(size_t(size / 2));
    for (int i = 0; i < size / 2; ++i)
        out[size_t(i)] = char16_t(Le16(data + 2 * i));
}

QString UnrecognizedFormatText(const QString& file) {
    return QStringLiteral("Nepoznat oblik baze podataka '%1'.").arg(file);
}

QString NotValidPasswordText() {
    return QStringLiteral("Lozinka baze podataka nije ispravna.");
}

QString JetTooLargeText(const QString& file) {
    return QStringLiteral("Datoteka '%1' je veća od %2 MB: to nije baza podataka ovog programa.")
        .arg(file)
        .arg(MaxJetFileBytes >> 20);
}

QString JetChangedText(const QString& file) {
    return QStringLiteral("Datoteka '%1' se promenila dok je čitana: pokušajte ponovo kad bude "
                          "cela.")
        .arg(file);
}

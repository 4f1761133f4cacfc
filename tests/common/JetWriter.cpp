#include "JetWriter.h"

#include "JetFile.h"
#include "JetTable.h"

#include <QFile>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

using Bytes = std::string;

void Put16(Bytes& b, size_t at, uint32_t v) {
    b[at] = char(v);
    b[at + 1] = char(v >> 8);
}
void Put32(Bytes& b, size_t at, uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}
void Add16(Bytes& b, uint32_t v) {
    b += char(v);
    b += char(v >> 8);
}
void Add32(Bytes& b, uint32_t v) {
    Add16(b, v & 0xFFFF);
    Add16(b, v >> 16);
}

Bytes Utf16(const QString& s) {
    Bytes b;
    for (QChar c : s)
        Add16(b, c.unicode());
    return b;
}

// Compressed when every character's low byte is not 0 and it comes out shorter: FF FE, then
// one byte per character below U+0100 and two for others, a NUL switching between the two.
Bytes EncodeText(const QString& s, bool compress) {
    bool possible = compress;
    for (QChar c : s)
        possible = possible && (c.unicode() & 0xFF) != 0;
    if (possible) {
        Bytes b("\xFF\xFE", 2);
        bool single = true;
        for (QChar c : s) {
            const bool narrow = c.unicode() < 0x100;
            if (narrow != single) {
                b += '\0';
                single = narrow;
            }
            if (narrow)
                b += char(c.unicode());
            else
                Add16(b, c.unicode());
        }
        if (b.size() < size_t(s.size()) * 2)
            return b;
    }
    return Utf16(s);
}

class Writer {
public:
    explicit Writer(const JetWriterOptions& o) : options(o), pages(5, Bytes(JetPageSize, '\0')) {}

    JetWriterOptions options;
    std::vector<Bytes> pages;
    JetWriterLayout layout;

    uint32_t newPage(uint32_t table, bool longValue = false) {
        Bytes p(JetPageSize, '\0');
        p[0] = 0x01;
        p[1] = 0x01;
        if (longValue)
            p.replace(4, 4, "LVAL");
        else
            Put32(p, 4, table);
        Put16(p, 2, JetPageSize - 14);
        pages.push_back(p);
        return uint32_t(pages.size() - 1);
    }

    static int rowsOn(const Bytes& p) { return uint8_t(p[12]) | uint8_t(p[13]) << 8; }
    static int freeOn(const Bytes& p) { return uint8_t(p[2]) | uint8_t(p[3]) << 8; }

    bool fits(uint32_t page, size_t size) const {
        const Bytes& p = pages[page];
        return rowsOn(p) < 255 && size + 2 <= size_t(freeOn(p));
    }

    // Puts a row on a page; returns its pointer (page << 8 | row).
    uint32_t addRow(uint32_t page, const Bytes& row, uint16_t flags = 0) {
        Bytes& p = pages[page];
        const int rows = rowsOn(p);
        const int end = rows == 0
                            ? JetPageSize
                            : (uint8_t(p[12 + 2 * rows]) | uint8_t(p[13 + 2 * rows]) << 8) & 0x1FFF;
        const int start = end - int(row.size());
        p.replace(size_t(start), row.size(), row);
        Put16(p, size_t(14 + 2 * rows), uint32_t(start) | flags);
        Put16(p, 12, uint32_t(rows + 1));
        Put16(p, 2, uint32_t(start - 14 - 2 * (rows + 1)));
        return page << 8 | uint32_t(rows);
    }

    // The 12-byte memo field, with its value inline, on one long-value page or in a chain.
    Bytes memo(const Bytes& value) {
        Bytes field(12, '\0');
        const auto length = uint32_t(value.size());
        if (int(value.size()) <= options.inlineMemo) {
            Put32(field, 0, length | 0x80000000u);
            return field + value;
        }
        if (int(value.size()) <= options.longValuePiece) {
            Put32(field, 0, length | 0x40000000u);
            Put32(field, 4, addRow(longValuePage(), value));
            return field;
        }
        // The chain is written from its end, so that each piece knows the next.
        uint32_t next = 0;
        const size_t piece = size_t(options.longValuePiece);
        for (size_t at = (value.size() - 1) / piece * piece;; at -= piece) {
            Bytes row(4, '\0');
            Put32(row, 0, next);
            next = addRow(longValuePage(), row + value.substr(at, piece));
            if (at == 0)
                break;
        }
        Put32(field, 0, length);
        Put32(field, 4, next);
        return field;
    }

    uint32_t longValuePage() {
        const uint32_t page = newPage(0, true);
        layout.longValuePages.push_back(page);
        return page;
    }

    Bytes encodeRow(const std::vector<JetWriterColumn>& columns, const QVector<QVariant>& values) {
        const int n = int(columns.size());
        Bytes fixed, var, mask(size_t((n + 7) / 8), '\0');
        std::vector<uint32_t> offsets;
        for (int c = 0; c < n; ++c) {
            const JetWriterColumn& col = columns[size_t(c)];
            const QVariant& v = c < values.size() ? values[c] : QVariant();
            if (!v.isNull())
                mask[size_t(c / 8)] = char(mask[size_t(c / 8)] | 1 << (c % 8));
            if (col.type == JetLong)
                Add32(fixed, uint32_t(v.toInt()));
            else if (col.type == JetInteger)
                Add16(fixed, uint32_t(v.toInt()));
        }
        for (int c = 0; c < n; ++c) {
            const JetWriterColumn& col = columns[size_t(c)];
            if (col.type == JetLong || col.type == JetInteger)
                continue;
            offsets.push_back(uint32_t(2 + fixed.size() + var.size()));
            const QVariant& v = c < values.size() ? values[c] : QVariant();
            if (v.isNull())
                continue;
            const Bytes text = EncodeText(v.toString(), options.compress);
            var += col.type == JetMemo ? memo(text) : text;
        }
        Bytes row;
        Add16(row, uint32_t(n));
        row += fixed + var;
        if (!offsets.empty()) {
            Add16(row, uint32_t(2 + fixed.size() + var.size())); // end of the data
            for (size_t k = offsets.size(); k-- > 0;)
                Add16(row, offsets[k]);
            Add16(row, uint32_t(offsets.size()));
        }
        return row + mask;
    }

    Bytes definition(const QString& name, const std::vector<JetWriterColumn>& columns,
                     uint32_t rowCount, uint32_t usedPages, bool system) {
        Bytes d(63, '\0');
        d[0] = 0x02;
        d[1] = 0x01;
        Put32(d, 16, rowCount);
        d[40] = system ? 0x53 : 0x4E;
        int fixedAt = 0, varIndex = 0;
        for (const JetWriterColumn& c : columns)
            varIndex += c.type == JetLong || c.type == JetInteger ? 0 : 1;
        Put16(d, 41, uint32_t(columns.size()));
        Put16(d, 43, uint32_t(varIndex));
        Put16(d, 45, uint32_t(columns.size()));
        Put32(d, 55, usedPages);
        Put32(d, 59, usedPages); // the pages with free room: the same
        varIndex = 0;
        for (size_t i = 0; i < columns.size(); ++i) {
            const JetWriterColumn& c = columns[i];
            const bool fixed = c.type == JetLong || c.type == JetInteger;
            Bytes e(25, '\0');
            e[0] = char(c.type);
            Put16(e, 5, uint32_t(i));
            Put16(e, 7, fixed ? 0 : uint32_t(varIndex++));
            Put16(e, 9, uint32_t(i));
            if (!fixed) {
                Put16(e, 11, 0x409);
                e[16] = options.compress ? 0x01 : 0x00;
            }
            e[15] = fixed ? 0x03 : 0x02;
            const int size = c.type == JetLong      ? 4
                             : c.type == JetInteger ? 2
                             : c.type == JetText    ? 2 * c.textSize
                                                    : 0;
            Put16(e, 21, fixed ? uint32_t(fixedAt) : 0);
            Put16(e, 23, uint32_t(size));
            fixedAt += fixed ? size : 0;
            d += e;
        }
        for (const JetWriterColumn& c : columns) {
            const Bytes n = Utf16(c.name);
            Add16(d, uint32_t(n.size()));
            d += n;
        }
        Add16(d, 0xFFFF);
        (void)name;
        if (d.size() > JetPageSize)
            throw std::runtime_error("table definition too long");
        Put16(d, 2, uint32_t(JetPageSize - d.size()));
        Put32(d, 8, uint32_t(d.size() - 8));
        d.resize(JetPageSize, '\0');
        return d;
    }

    // The usage map of a table's pages.
    Bytes usageMap(const std::vector<uint32_t>& used) {
        const uint32_t count = uint32_t(pages.size());
        if (!options.indirectMap) {
            Bytes m(5 + size_t(count + 7) / 8, '\0');
            for (uint32_t p : used)
                m[5 + p / 8] = char(m[5 + p / 8] | 1 << (p % 8));
            return m;
        }
        constexpr uint32_t perPage = (JetPageSize - 4) * 8;
        Bytes m(1, '\x01');
        for (uint32_t first = 0; first < count; first += perPage) {
            Bytes p(JetPageSize, '\0');
            p[0] = 0x05;
            p[1] = 0x01;
            for (uint32_t u : used)
                if (u >= first && u < first + perPage)
                    p[4 + (u - first) / 8] = char(p[4 + (u - first) / 8] | 1 << ((u - first) % 8));
            pages.push_back(p);
            Add32(m, uint32_t(pages.size() - 1));
        }
        return m;
    }

    Bytes header() const {
        Bytes h(JetPageSize, '\0');
        h.replace(0, 20, Bytes("\x00\x01\x00\x00Standard Jet DB\x00", 20));
        h[0x14] = 0x01;
        Put16(h, 0x3C, 1252);
        Put32(h, 0x3E, options.pageKey);
        Put16(h, 0x6E, 0x409);
        const double created = 44568.75;
        std::memcpy(&h[0x72], &created, sizeof created);
        const uint32_t days = 44568;
        const Bytes password = Utf16(options.password.left(20));
        for (size_t i = 0; i < password.size(); ++i)
            h[0x42 + i] = char(password[i] ^ char(days >> (8 * (i % 4))));
        for (size_t i = password.size(); i < 40; ++i)
            h[0x42 + i] = char(days >> (8 * (i % 4)));
        static const uint8_t key[4] = {0xC7, 0xDA, 0x39, 0x6B};
        Rc4(key, 4, reinterpret_cast<uint8_t*>(&h[0x18]), 128);
        return h;
    }
};

} // namespace

JetWriterLayout WriteJetFile(const QString& path, const QString& table,
                             const std::vector<JetWriterColumn>& columns,
                             const QVector<QVector<QVariant>>& rows,
                             const JetWriterOptions& options) {
    Writer w(options);
    constexpr uint32_t MapPage = 1, CatalogPage = 2, CatalogData = 3, TablePage = 4;
    w.layout.tableDefinition = TablePage;
    for (uint32_t p : {MapPage, CatalogData}) {
        w.pages[p][0] = 0x01;
        w.pages[p][1] = 0x01;
        Put32(w.pages[p], 4, p == CatalogData ? CatalogPage : 0);
        Put16(w.pages[p], 2, JetPageSize - 14);
    }
    const std::vector<JetWriterColumn> catalog = {{"Id", JetLong},
                                                  {"Name", JetText, 255},
                                                  {"Type", JetInteger},
                                                  {"Flags", JetLong},
                                                  {"LvProp", JetOle}};
    w.addRow(CatalogData, w.encodeRow(catalog, {int(TablePage), table, 1, 0, QVariant()}));

    std::vector<uint32_t> used;
    uint32_t page = 0, moved = 0;
    auto pageFor = [&](uint32_t& current, size_t size) {
        if (current == 0 || !w.fits(current, size)) {
            current = w.newPage(TablePage);
            used.push_back(current);
        }
        return current;
    };
    for (int i = 0; i < rows.size(); ++i) {
        const Bytes row = w.encodeRow(columns, rows[i]);
        if (row.size() > JetPageSize - 16)
            throw std::runtime_error("row too long for a page");
        // As Access marks them: a deleted row with both flags, a moved row's place with 0x4000
        // and the moved row itself with 0x8000, so that a scan passes it by.
        if (options.deletedRows.count(i))
            w.addRow(pageFor(page, row.size()), row, 0xC000);
        if (options.movedRows.count(i)) {
            Bytes pointer(4, '\0');
            const uint32_t target = pageFor(moved, row.size());
            Put32(pointer, 0, w.addRow(target, row, 0x8000));
            w.addRow(pageFor(page, 4), pointer, 0x4000);
        } else {
            w.addRow(pageFor(page, row.size()), row);
        }
    }
    w.layout.dataPages = used;
    w.pages[CatalogPage] = w.definition("MSysObjects", catalog, 1, MapPage << 8 | 0, true);
    w.pages[TablePage] =
        w.definition(table, columns, uint32_t(rows.size()), MapPage << 8 | 1, false);
    const Bytes catalogMap = w.usageMap({CatalogData});
    const Bytes tableMap = w.usageMap(used);
    w.addRow(MapPage, catalogMap);
    w.addRow(MapPage, tableMap);
    w.pages[0] = w.header();

    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot create " + path.toStdString());
    for (uint32_t n = 0; n < w.pages.size(); ++n) {
        Bytes& p = w.pages[n];
        if (n > 0 && options.pageKey != 0) {
            const uint32_t key = options.pageKey ^ n;
            const uint8_t k[4] = {uint8_t(key), uint8_t(key >> 8), uint8_t(key >> 16),
                                  uint8_t(key >> 24)};
            Rc4(k, 4, reinterpret_cast<uint8_t*>(p.data()), JetPageSize);
        }
        if (out.write(p.data(), JetPageSize) != JetPageSize)
            throw std::runtime_error("cannot write " + path.toStdString());
    }
    return w.layout;
}

JetWriterLayout WriteJetVerseFile(const QString& path, const QVector<FixtureRow>& rows,
                                  const JetWriterOptions& options) {
    QVector<QVector<QVariant>> values;
    for (const FixtureRow& r : rows)
        values.push_back({r.knjiga, r.glava, r.rbr, r.tekst, r.pok});
    return WriteJetFile(path, "vidoslov",
                        {{"knjiga", JetText, 6},
                         {"glava", JetLong},
                         {"rbr", JetInteger},
                         {"tekst", JetMemo},
                         {"pok", JetMemo}},
                        values, options);
}

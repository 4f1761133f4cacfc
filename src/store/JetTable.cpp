#include "JetTable.h"

#include <cstring>
#include <set>

namespace {

constexpr int NextPageAt = 4, RowCountAt = 16, VarColumnsAt = 43, ColumnCountAt = 45;
constexpr int RealIndexCountAt = 51, UsedPagesAt = 55, RealIndexesAt = 63;
constexpr int RealIndexSize = 12, ColumnSize = 25;
constexpr int MemoHeader = 12;
constexpr int MaxOverflowHops = 8;
constexpr uint32_t CatalogPage = 2;
constexpr int64_t CatalogTable = 1;

std::string PageText(uint32_t page) {
    return "stranica " + std::to_string(page);
}

std::string OnPage(uint32_t page) {
    return "na stranici " + std::to_string(page);
}

[[noreturn]] void Fail(const std::string& what) {
    throw JetFormatError(what);
}

} // namespace

JetTableDefinition JetTableReader::definition(uint32_t page) const {
    // The definition may go on over further pages, each adding its bytes after the first 8.
    std::string def;
    std::set<uint32_t> seen;
    for (uint32_t at = page; at != 0;) {
        if (!seen.insert(at).second || seen.size() > pages_.count())
            Fail("definicija tabele " + OnPage(page) + " ide u krug");
        const uint8_t* p = pages_.page(at);
        if (p[0] != 0x02)
            Fail(PageText(at) + " nije definicija tabele");
        def.append(reinterpret_cast<const char*>(p) + (def.empty() ? 0 : 8),
                   size_t(def.empty() ? JetPageSize : JetPageSize - 8));
        at = Le32(p + NextPageAt);
    }
    const auto* d = reinterpret_cast<const uint8_t*>(def.data());
    const size_t size = def.size();
    JetTableDefinition table;
    table.page = page;
    table.rowCount = Le32(d + RowCountAt);
    table.varColumns = Le16(d + VarColumnsAt);
    const int columns = Le16(d + ColumnCountAt);
    const uint32_t realIndexes = Le32(d + RealIndexCountAt);
    if (realIndexes > size / RealIndexSize)
        Fail("definicija tabele " + OnPage(page) + " ima previše indeksa");
    size_t at = RealIndexesAt + size_t(realIndexes) * RealIndexSize;
    if (at + size_t(columns) * ColumnSize > size)
        Fail("kolone tabele " + OnPage(page) + " prelaze njenu definiciju");
    int varColumns = 0;
    for (int c = 0; c < columns; ++c, at += ColumnSize) {
        const uint8_t* e = d + at;
        JetColumn column;
        column.type = e[0];
        column.number = Le16(e + 5);
        column.varIndex = Le16(e + 7);
        column.fixed = e[15] & 0x01;
        column.fixedAt = Le16(e + 21);
        column.size = Le16(e + 23);
        varColumns += column.fixed ? 0 : 1;
        table.columns.push_back(column);
    }
    if (varColumns != table.varColumns)
        Fail("tabela " + OnPage(page) + " pogrešno broji promenljive kolone");
    std::u16string name;
    for (JetColumn& column : table.columns) {
        if (at + 2 > size || at + 2 + Le16(d + at) > size)
            Fail("ime kolone tabele " + OnPage(page) + " prelazi njenu definiciju");
        DecodeJetText(d + at + 2, Le16(d + at), name);
        column.name = QString::fromStdU16String(name);
        at += 2 + Le16(d + at);
    }
    table.dataPages = usedPages(Le32(d + UsedPagesAt), page);
    return table;
}

std::vector<uint32_t> JetTableReader::usedPages(uint32_t mapPointer, uint32_t table) const {
    const JetPages::Row map = pages_.rowAt(mapPointer);
    std::vector<uint32_t> candidates;
    auto addBits = [&](const uint8_t* bits, size_t bytes, uint64_t first) {
        for (size_t i = 0; i < bytes; ++i)
            for (int b = 0; b < 8; ++b)
                if (bits[i] >> b & 1) {
                    const uint64_t page = first + i * 8 + uint64_t(b);
                    if (page == 0 || page >= pages_.count())
                        Fail("mapa stranica tabele " + OnPage(table) +
                             " navodi stranicu van datoteke");
                    candidates.push_back(uint32_t(page));
                }
    };
    if (map.size >= 5 && map.data[0] == 0) {
        addBits(map.data + 5, size_t(map.size - 5), Le32(map.data + 1));
    } else if (map.size >= 1 && map.data[0] == 1) {
        constexpr uint64_t PagesPerMap = (JetPageSize - 4) * 8;
        for (int i = 0; 1 + 4 * i + 4 <= map.size; ++i) {
            const uint32_t at = Le32(map.data + 1 + 4 * i);
            if (at == 0)
                continue;
            const uint8_t* p = pages_.page(at);
            if (p[0] != 0x05)
                Fail(PageText(at) + " nije mapa stranica");
            addBits(p + 4, JetPageSize - 4, uint64_t(i) * PagesPerMap);
        }
    } else {
        Fail("mapa stranica tabele " + OnPage(table) + " je nepoznate vrste");
    }
    // The map may name pages of other kinds; the table's rows lie on its own data pages.
    std::vector<uint32_t> pages;
    for (uint32_t page : candidates) {
        const uint8_t* p = pages_.page(page);
        if (p[0] == 0x01 && Le32(p + 4) == table)
            pages.push_back(page);
    }
    return pages;
}

void JetTableReader::readMemo(const uint8_t* field, int size, std::string& bytes) const {
    bytes.clear();
    if (size < MemoHeader)
        Fail("memo vrednost je kraća od svog zaglavlja");
    const uint32_t length = Le32(field) & 0x3FFFFFFF;
    const uint8_t kind = field[3] & 0xC0;
    if (length > memoBudget_)
        Fail("memo vrednosti su duže od datoteke");
    memoBudget_ -= length;
    if (kind == 0x80) {
        if (uint32_t(size - MemoHeader) != length)
            Fail("memo vrednost u redu nema navedenu dužinu");
        bytes.assign(reinterpret_cast<const char*>(field) + MemoHeader, length);
        return;
    }
    auto longValueRow = [&](uint32_t pointer) {
        const JetPages::Row row = pages_.rowAt(pointer);
        if (std::memcmp(pages_.page(pointer >> 8) + 4, "LVAL", 4) != 0)
            Fail("memo vrednost pokazuje na stranicu " + std::to_string(pointer >> 8) +
                 ", koja nije stranica dugih vrednosti");
        return row;
    };
    if (kind == 0x40) {
        const JetPages::Row row = longValueRow(Le32(field + 4));
        if (uint32_t(row.size) < length)
            Fail("memo vrednost je kraća od navedene dužine");
        bytes.assign(reinterpret_cast<const char*>(row.data), length);
        return;
    }
    if (kind != 0)
        Fail("memo vrednost je nepoznate vrste");
    // A chain of rows, each the next row's pointer followed by a piece; every piece adds a
    // byte at least, so the chain ends within the stated length.
    uint32_t next = Le32(field + 4);
    while (bytes.size() < length) {
        if (next == 0)
            Fail("lanac memo vrednosti se završava pre navedene dužine");
        const JetPages::Row row = longValueRow(next);
        if (row.size <= 4 || bytes.size() + size_t(row.size - 4) > length)
            Fail("lanac memo vrednosti ne daje navedenu dužinu");
        bytes.append(reinterpret_cast<const char*>(row.data) + 4, size_t(row.size - 4));
        next = Le32(row.data);
    }
    if (next != 0)
        Fail("lanac memo vrednosti ide dalje od navedene dužine");
}

void JetTableReader::readValue(const JetColumn& column, const uint8_t* row, int size,
                               const std::vector<uint16_t>& varOffsets, int varCount,
                               JetValue& value) const {
    const int columns = Le16(row);
    const int maskSize = (columns + 7) / 8;
    const bool present = column.number < columns &&
                         (row[size - maskSize + column.number / 8] >> (column.number % 8) & 1);
    value.kind = JetValue::Null;
    if (column.type == JetBoolean) {
        value.kind = JetValue::Number;
        value.number = present ? 1 : 0;
        return;
    }
    if (!present)
        return;
    if (column.fixed) {
        static constexpr int sizes[] = {0, 0, 1, 2, 4};
        if (!column.isNumber())
            Fail("kolona " + column.name.toStdString() + " je vrste koju program ne čita");
        const int width = sizes[column.type];
        const int fixedEnd = varOffsets.empty() ? size - maskSize : varOffsets[0];
        if (2 + column.fixedAt + width > fixedEnd)
            Fail("kolona stalne širine prelazi stalni deo svog reda");
        const uint8_t* p = row + 2 + column.fixedAt;
        value.kind = JetValue::Number;
        value.number = width == 1 ? p[0] : width == 2 ? int16_t(Le16(p)) : int32_t(Le32(p));
        return;
    }
    if (column.varIndex >= varCount)
        return;
    const int from = varOffsets[column.varIndex], to = varOffsets[column.varIndex + 1];
    value.kind = JetValue::Text;
    if (column.type == JetText) {
        DecodeJetText(row + from, to - from, value.text);
    } else if (column.type == JetMemo) {
        readMemo(row + from, to - from, memo_);
        DecodeJetText(reinterpret_cast<const uint8_t*>(memo_.data()), int(memo_.size()),
                      value.text);
    } else {
        Fail("kolona " + column.name.toStdString() + " je vrste koju program ne čita");
    }
}

void JetTableReader::readRows(const JetTableDefinition& table, const std::vector<int>& chosen,
                              const std::function<void(const std::vector<JetValue>&)>& row) const {
    std::vector<JetValue> values(chosen.size());
    std::vector<uint16_t> offsets;
    uint64_t rows = 0;
    memoBudget_ = uint64_t(pages_.count()) * JetPageSize;
    for (uint32_t page : table.dataPages) {
        const int count = pages_.rowCount(page);
        for (int index = 0; index < count; ++index) {
            if (Le16(pages_.page(page) + 14 + 2 * index) & 0x8000)
                continue; // deleted, or the far end of a row moved to another page
            JetPages::Row r = pages_.row(page, index);
            for (int hops = 0; (r.flags & 0xC000) == 0x4000; ++hops) {
                if (hops == MaxOverflowHops || r.size < 4)
                    Fail("premešten red " + OnPage(page) + " ne može da se prati");
                r = pages_.rowAt(Le32(r.data));
            }
            const std::string where = "red " + std::to_string(index) + " " + OnPage(page);
            if (r.size < 2)
                Fail(where + " je prekratak");
            const int columns = Le16(r.data);
            const int maskSize = (columns + 7) / 8;
            int varCount = 0;
            offsets.clear();
            if (table.varColumns > 0) {
                if (r.size < 2 + maskSize + 2)
                    Fail(where + " je prekratak za svoje kolone");
                varCount = Le16(r.data + r.size - maskSize - 2);
                const int tableAt = r.size - maskSize - 4 - 2 * varCount;
                if (tableAt < 2)
                    Fail(where + " je prekratak za svoje promenljive kolone");
                for (int k = 0; k <= varCount; ++k)
                    offsets.push_back(Le16(r.data + r.size - maskSize - 4 - 2 * k));
                for (int k = 0; k <= varCount; ++k)
                    if (offsets[size_t(k)] < 2 || offsets[size_t(k)] > tableAt ||
                        (k > 0 && offsets[size_t(k)] < offsets[size_t(k - 1)]))
                        Fail(where + " ima promenljivu kolonu van sebe");
            } else if (r.size < 2 + maskSize) {
                Fail(where + " je prekratak za svoje kolone");
            }
            for (size_t c = 0; c < chosen.size(); ++c)
                readValue(table.columns[size_t(chosen[c])], r.data, r.size, offsets, varCount,
                          values[c]);
            if (++rows > table.rowCount)
                Fail("tabela " + OnPage(table.page) + " ima više redova nego što navodi");
            row(values);
        }
    }
    if (rows != table.rowCount)
        Fail("tabela " + OnPage(table.page) + " ima " + std::to_string(rows) +
             " redova, njena definicija navodi " + std::to_string(table.rowCount));
}

uint32_t JetTableReader::findTable(const QString& name) const {
    const JetTableDefinition catalog = definition(CatalogPage);
    std::vector<int> chosen;
    for (const char* wanted : {"Id", "Name", "Type"}) {
        int found = -1;
        for (size_t c = 0; c < catalog.columns.size(); ++c)
            if (catalog.columns[c].name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                found = int(c);
        if (found < 0)
            Fail(std::string("katalog nema kolonu ") + wanted);
        chosen.push_back(found);
    }
    const std::u16string wanted = name.toLower().toStdU16String();
    uint32_t page = 0;
    readRows(catalog, chosen, [&](const std::vector<JetValue>& v) {
        if (page == 0 && v[2].kind == JetValue::Number && v[2].number == CatalogTable &&
            v[1].kind == JetValue::Text && v[0].kind == JetValue::Number &&
            QString::fromStdU16String(v[1].text).toLower().toStdU16String() == wanted)
            page = uint32_t(v[0].number) & 0x00FFFFFF;
    });
    return page;
}

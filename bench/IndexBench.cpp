// Times the building of the search index of the default translation file in memory and reports
// what it adds to the file: bytes of the file with and without it, and of the verse table.
#include "DataModule.h"
#include "SearchIndex.h"
#include "TextRules.h"

#include <QFile>
#include <benchmark/benchmark.h>
#include <cstring>
#include <sqlite3.h>

namespace {

// The default file as a writable in-memory database.
sqlite3* InMemoryCopy() {
    QFile file(QStringLiteral(PROGRAM_FOLDER "baza/") + DefaultTranslationFile);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = file.readAll();
    auto* data = static_cast<unsigned char*>(sqlite3_malloc64(sqlite3_uint64(bytes.size())));
    std::memcpy(data, bytes.constData(), size_t(bytes.size()));
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_deserialize(db, "main", data, bytes.size(), bytes.size(),
                        SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    RegisterTextRules(db);
    return db;
}

long long Number(sqlite3* db, const char* sql) {
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
    const long long n = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : -1;
    sqlite3_finalize(stmt);
    return n;
}

long long Bytes(sqlite3* db) {
    sqlite3_exec(db, "VACUUM", nullptr, nullptr, nullptr);
    return Number(db, "PRAGMA page_count") * Number(db, "PRAGMA page_size");
}

void BuildIndex(benchmark::State& state) {
    sqlite3* db = InMemoryCopy();
    if (!db)
        return state.SkipWithError("no default translation file");
    sqlite3_exec(db, "DROP TABLE IF EXISTS vidoslov_search", nullptr, nullptr, nullptr);
    const long long without = Bytes(db);
    for (auto _ : state) {
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        BuildSearchIndex(db);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    }
    state.counters["file"] = double(without);
    state.counters["growth"] = double(Bytes(db) - without);
    state.counters["verses"] =
        double(Number(db, "SELECT sum(pgsize) FROM dbstat WHERE name = 'vidoslov'"));
    sqlite3_close(db);
}
BENCHMARK(BuildIndex)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

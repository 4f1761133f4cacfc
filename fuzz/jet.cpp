// Jet 4 files: any bytes are loaded whole or refused with an error, never read outside the
// file, without end or without bound.
#include "JetFile.h"
#include "JetImage.h"

#include <cstdint>
#include <sqlite3.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        const auto image = LoadJetImage(file, QStringLiteral("zelmorka"));
        const SqliteDatabase db = image->connect();
        sqlite3_exec(db.get(), "select count(*) from vidoslov", nullptr, nullptr, nullptr);
    } catch (const JetFormatError&) {
    } catch (const JetPasswordError&) {
    }
    return 0;
}

// Reminder list files: any bytes read as entries, and the entries saved and read again are the
// same entries, saved again the same bytes.
#include "IzborFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList entries = ParseIzbor(bytes);
    const QByteArray saved = BuildIzbor(entries);
    if (ParseIzbor(saved) != entries || BuildIzbor(ParseIzbor(saved)) != saved)
        std::abort();
    if (!saved.isEmpty() && !saved.endsWith("\r\n"))
        std::abort();
    return 0;
}

// The translation list reader on any bytes: entries within their fields, never a blank one, and
// the entries written out as list lines read back the same.
#include "TranslationList.h"
#include "Win1250.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<TranslationEntry> entries = ParseTranslationList(bytes);
    QStringList lines;
    for (const TranslationEntry& e : entries) {
        if (e.fileName.isEmpty() || e.fileName.size() > 20 || e.caption.size() > 500)
            std::abort();
        if (e.fileName.contains(QLatin1Char('\r')) || e.fileName.contains(QLatin1Char('\n')))
            std::abort();
        lines << TranslationLine(e.fileName, e.caption);
    }
    const QList<TranslationEntry> again =
        ParseTranslationList(EncodeWin1250(lines.join(QStringLiteral("\r\n"))));
    if (again.size() != entries.size())
        std::abort();
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (again[i].fileName != entries[i].fileName.leftJustified(20, QLatin1Char(' ')) ||
            again[i].caption != entries[i].caption)
            std::abort();
    return 0;
}

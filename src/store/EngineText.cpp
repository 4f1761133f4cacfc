#include "EngineText.h"

#include <QRegularExpression>

namespace {

struct Wording {
    const char* english; // a pattern; its capture is the named thing
    const char* serbian; // with %1 for the capture
};

constexpr Wording Wordings[] = {
    {"^no such table: (.*)$", "nema tabele %1"},
    {"^no such column: (.*)$", "nema kolone %1"},
    {"^no such function: (.*)$", "nema funkcije %1"},
    {"^no such module: (.*)$", "nema modula %1"},
    {"^ambiguous column name: (.*)$", "kolona %1 nije jednoznačna"},
    {"^near (.*): syntax error$", "greška u naredbi kod %1"},
    {"^(incomplete input)$", "naredba nije cela"},
    {"^(file is not a database)$", "datoteka nije baza podataka"},
    {"^(unable to open database file)$", "datoteka ne može da se otvori"},
    {"^(database disk image is malformed)$", "baza podataka je oštećena"},
    {"^(string or blob too big)$", "vrednost je prevelika"},
    {"^(out of memory)$", "nema dovoljno memorije"},
    {"^(Expression tree is too large).*$", "naredba je previše složena"},
    {"^(parser stack overflow)$", "naredba je previše složena"},
    {"^(too many terms in compound SELECT)$", "naredba je previše složena"},
    {"^(interrupted)$", "upit je prekinut"},
    {"^(attempt to write a readonly database)$", "baza podataka se samo čita"},
};

} // namespace

QString EngineErrorText(const QString& english) {
    for (const Wording& w : Wordings) {
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1String(w.english)).match(english);
        if (match.hasMatch())
            return QString::fromUtf8(w.serbian).arg(match.captured(1));
    }
    return QStringLiteral("greška baze podataka: ") + english;
}

#include "BookCatalogue.h"

const char* const BookCatalogue::Codes[BookCount] = {
    "1 MOJ", "2 MOJ", "3 MOJ", "4 MOJ", "5 MOJ", "IS.N",  "SUD",   "RUTA", "1 SAM", "2 SAM",
    "1 CAR", "2 CAR", "1 DN",  "2 DN",  "JEZD",  "NEM",   "JEST",  "JOV",  "PSAL",  "PRIčE",
    "PROP",  "PES",   "ISA",   "JER",   "PLAč",  "JEZEK", "DAN",   "OS",   "JOILO", "AMOS",
    "AVD",   "JONA",  "MIH",   "NAUM",  "AVAK",  "SOF",   "AGEJ",  "ZAH",  "MAL",   "MAT",
    "MAR",   "LUKA",  "JOVAN", "DELA",  "RIM",   "1 KOR", "2 KOR", "GAL",  "EFES",  "FILIB",
    "KOL",   "1 SOL", "2 SOL", "1 TIM", "2 TIM", "TITU",  "FILIM", "JEVR", "JAKOV", "1 PET",
    "2 PET", "1 JOV", "2 JOV", "3 JOV", "JUDA",  "OTKR"};

const char* const BookCatalogue::Titles[BookCount] = {
    "Prva knjiga Mojsijeva",
    "Druga knjiga Mojsijeva",
    "Treća knjiga Mojsijeva",
    "Četvrta knjiga Mojsijeva",
    "Peta knjiga Mojsijeva",
    "Knjiga Isusa Navina",
    "Knjiga o sudijama",
    "Knjiga o Ruti",
    "Prva knjiga Samuilova",
    "Druga knjiga Samuilova",
    "Prva knjiga o carevima",
    "Druga knjiga o carevima",
    "Prva knjiga dnevnika",
    "Druga knjiga dnevnika",
    "Knjiga Jezdrina",
    "Knjiga Nemijina",
    "Knjiga o Jestiri",
    "Knjiga o Jovu",
    "Psalmi Davidovi",
    "Priče Solomunove",
    "Knjiga propovednikova",
    "Pesma nad pesmama",
    "Knjiga proroka Isaije",
    "Knjiga proroka Jeremije",
    "Plač Jeremijin",
    "Knjiga proroka Jezekilja",
    "Knjiga proroka Danila",
    "Knjiga proroka Osije",
    "Knjiga proroka Joila",
    "Knjiga proroka Amosa",
    "Knjiga proroka Avdije",
    "Knjiga proroka Jone",
    "Knjiga proroka Miheja",
    "Knjiga proroka Nauma",
    "Knjiga proroka Avakuma",
    "Knjiga proroka Sofonije",
    "Knjiga proroka Ageja",
    "Knjiga proroka Zaharije",
    "Knjiga proroka Malahije",
    "Sveto jevanđenje po Mateju",
    "Sveto jevanđenje po Marku",
    "Sveto jevanđenje po Luki",
    "Sveto jevanđenje po Jovanu",
    "Dela svetih apostola",
    "Rimnjanima poslanica sv. apostola Pavla",
    "Korinćanima poslanica prva sv. apostola Pavla",
    "Korinćanima poslanica druga sv. apostola Pavla",
    "Galatima poslanica sv. apostola Pavla",
    "Efescima poslanica sv. apostola Pavla",
    "Filibljanima poslanica sv. apostola Pavla",
    "Kološanima poslanica sv. apostola Pavla",
    "Solunjanima poslanica prva sv. apostola Pavla",
    "Solunjanima poslanica druga sv. apostola Pavla",
    "Timotiju poslanica prva sv. apostola Pavla",
    "Timotiju poslanica druga sv. apostola Pavla",
    "Titu poslanica sv. apostola Pavla",
    "Filimonu poslanica sv. apostola Pavla",
    "Jevrejima poslanica sv. apostola Pavla",
    "Saborna poslanica  sv. apostola Jakova",
    "Prva saborna poslanica  sv. apostola Petra",
    "Druga saborna poslanica  sv. apostola Petra",
    "Prva saborna poslanica  sv. apostola Jovana bogoslova",
    "Druga saborna poslanica  sv. apostola Jovana bogoslova",
    "Treća saborna poslanica  sv. apostola Jovana bogoslova",
    "Saborna poslanica  sv. apostola Jude",
    "Otkrivenje svetoga Jovana bogoslova"};

void BookCatalogue::FillBookCatalogue() {
    for (int i = 1; i <= BookCount; ++i) {
        BookCodes[i] = QString::fromUtf8(Codes[i - 1]);
        BookTitles[i] = QString::fromUtf8(Titles[i - 1]);
    }
}

QString BookCatalogue::BookCodeOfTitle(const QString& title) const {
    QString code;
    for (int i = 1; i <= BookCount; ++i)
        if (title == BookTitles[i])
            code = BookCodes[i];
    return code;
}

namespace {

// a..z as A..Z; every other character as it is.
QString AsciiUpper(const QString& code) {
    QString upper = code;
    for (QChar& c : upper)
        if (c >= 'a' && c <= 'z')
            c = QChar(c.unicode() - 32);
    return upper;
}

} // namespace

bool BookCatalogue::IsBookCode(const QString& code) {
    const QString upper = AsciiUpper(code);
    for (const char* known : Codes)
        if (upper == QString::fromUtf8(known))
            return true;
    return false;
}

QString BookCatalogue::BookTitleOfCode(const QString& code) const {
    const QString upper = AsciiUpper(code);
    QString title;
    for (int i = 1; i <= BookCount; ++i)
        if (upper == BookCodes[i])
            title = BookTitles[i];
    return title;
}

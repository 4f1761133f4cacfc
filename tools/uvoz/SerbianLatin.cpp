#include "SerbianLatin.h"

#include "ImportError.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

namespace {

// ICU writes a capital digraph letter in capitals unless a small letter follows it; Serbian
// writes it so only beside another capital. ICU gives "ć" as "c" and a combining accent: NFC
// makes it one letter again, as Windows-1250 and a typed search word have it.
const char16_t* const Rules = uR"(
    [:Lu:] { Љ > LJ ;   Љ } [:Lu:] > LJ ;   Љ > Lj ;
    [:Lu:] { Њ > NJ ;   Њ } [:Lu:] > NJ ;   Њ > Nj ;
    [:Lu:] { Џ > DŽ ;   Џ } [:Lu:] > DŽ ;   Џ > Dž ;
    :: Serbian-Latin/BGN ;
    :: NFC ;
)";

} // namespace

SerbianLatin::SerbianLatin() {
    UErrorCode status = U_ZERO_ERROR;
    UParseError where;
    transform_.reset(icu::Transliterator::createFromRules(
        icu::UnicodeString(u"Serbian-Latin/Vidoslov"), icu::UnicodeString(Rules), UTRANS_FORWARD,
        where, status));
    if (U_FAILURE(status) || !transform_)
        throw ImportError(ExitUsage, QStringLiteral("ICU has no Serbian-Latin/BGN transform (%1).")
                                         .arg(QString::fromUtf8(u_errorName(status))));
}

SerbianLatin::~SerbianLatin() = default;

QString SerbianLatin::operator()(const QString& cyrillic) const {
    icu::UnicodeString text(reinterpret_cast<const char16_t*>(cyrillic.utf16()),
                            int32_t(cyrillic.size()));
    transform_->transliterate(text);
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

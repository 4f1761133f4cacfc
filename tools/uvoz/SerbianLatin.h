#pragma once

#include <QString>
#include <memory>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Transliterator;
U_NAMESPACE_END

// Serbian Cyrillic to Serbian Latin, by ICU's "Serbian-Latin/BGN" transform. A capital Љ, Њ or
// Џ becomes "Lj", "Nj" or "Dž" unless a capital letter stands beside it ("ЉУБАВ" gives
// "LJUBAV", a lone "Џ" gives "Dž"). Text in other scripts passes unchanged.
class SerbianLatin {
public:
    // Throws ImportError when ICU lacks the transform.
    SerbianLatin();
    ~SerbianLatin();
    SerbianLatin(const SerbianLatin&) = delete;
    SerbianLatin& operator=(const SerbianLatin&) = delete;

    QString operator()(const QString& cyrillic) const;

private:
    std::unique_ptr<icu::Transliterator> transform_;
};

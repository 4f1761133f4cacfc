#include "TextWidths.h"

#include <QFontMetrics>
#include <QHash>
#include <vector>

namespace {

// Above this many texts a font's widths start afresh: memory stays bounded.
constexpr qsizetype MaxKeptPerFont = 200000;

struct FontWidths {
    QFont font;
    QFontMetrics metrics;
    QHash<QString, int> widths;
};

std::vector<FontWidths>& Fonts() {
    static std::vector<FontWidths> fonts;
    return fonts;
}

FontWidths& Of(const QFont& font) {
    std::vector<FontWidths>& fonts = Fonts();
    for (FontWidths& kept : fonts)
        if (kept.font == font)
            return kept;
    return fonts.emplace_back(FontWidths{font, QFontMetrics(font), {}});
}

} // namespace

int KeptTextWidth(const QFont& font, const QString& text) {
    if (text.isEmpty())
        return 0;
    FontWidths& kept = Of(font);
    auto found = kept.widths.constFind(text);
    if (found != kept.widths.cend())
        return *found;
    if (kept.widths.size() >= MaxKeptPerFont)
        kept.widths.clear();
    const int width = kept.metrics.horizontalAdvance(text);
    kept.widths.insert(text, width);
    return width;
}

void ForgetTextWidths() {
    Fonts().clear();
}

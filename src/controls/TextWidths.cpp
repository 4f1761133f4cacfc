#include "TextWidths.h"

#include "Kvlabel.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>
#include <algorithm>
#include <vector>

namespace {

// Above this many texts a font's widths, or its heights at a width, start afresh: memory
// stays bounded (a few megabytes).
constexpr qsizetype MaxKeptWidths = 100000;
constexpr qsizetype MaxKeptHeights = 20000;
constexpr size_t MaxWidthsKept = 6;

struct FontWidths {
    QFont font;
    int dpi = 0;
    QFontMetrics metrics;
    QHash<QString, int> widths;
    int lineHeight = -1;
    std::vector<std::pair<int, QHash<QString, int>>> heights; // by wrap width
};

// The kept value of a text, measured and kept when missing.
template <class Measure>
int Kept(QHash<QString, int>& kept, qsizetype most, const QString& text, Measure&& measure) {
    auto found = kept.constFind(text);
    if (found != kept.cend())
        return *found;
    if (kept.size() >= most)
        kept.clear();
    const int value = measure();
    kept.insert(text, value);
    return value;
}

std::vector<FontWidths>& Fonts() {
    static std::vector<FontWidths> fonts;
    return fonts;
}

FontWidths& Of(const QFont& font, const QPaintDevice* device) {
    const int dpi = device ? device->logicalDpiY() : 0;
    std::vector<FontWidths>& fonts = Fonts();
    for (FontWidths& kept : fonts)
        if (kept.dpi == dpi && kept.font == font)
            return kept;
    QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
    return fonts.emplace_back(FontWidths{font, dpi, metrics, {}, -1, {}});
}

} // namespace

int KeptTextWidth(const QFont& font, const QPaintDevice* device, const QString& text) {
    if (text.isEmpty())
        return 0;
    FontWidths& kept = Of(font, device);
    return Kept(kept.widths, MaxKeptWidths, text,
                [&] { return kept.metrics.horizontalAdvance(text); });
}

int KeptLineHeight(const QFont& font, const QPaintDevice* device) {
    FontWidths& kept = Of(font, device);
    if (kept.lineHeight < 0)
        kept.lineHeight = KvLineHeight(kept.metrics);
    return kept.lineHeight;
}

int KeptWrappedHeight(const QFont& font, const QPaintDevice* device, int width,
                      const QString& text) {
    FontWidths& kept = Of(font, device);
    auto at = std::find_if(kept.heights.begin(), kept.heights.end(),
                           [width](const auto& byWidth) { return byWidth.first == width; });
    if (at == kept.heights.end()) {
        // A window resized again and again leaves widths no pane has any more.
        if (kept.heights.size() >= MaxWidthsKept)
            kept.heights.erase(kept.heights.begin());
        kept.heights.emplace_back(width, QHash<QString, int>());
        at = kept.heights.end() - 1;
    }
    return Kept(at->second, MaxKeptHeights, text,
                [&] { return KvWrappedHeight(kept.metrics, text, width); });
}

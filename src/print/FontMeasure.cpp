#include "FontMeasure.h"

namespace {

constexpr double DotsPerInch = 1200;
constexpr double MmPerInch = 25.4;
constexpr double DotsPerMm = DotsPerInch / MmPerInch;

} // namespace

QFont ToQFont(const ReportFont& font) {
    QFont result(font.family);
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setHintingPreference(QFont::PreferNoHinting);
    return result;
}

FontMeasure::FontMeasure() : device_(1, 1, QImage::Format_RGB32) {
    const int dotsPerMeter = qRound(DotsPerInch / MmPerInch * 1000);
    device_.setDotsPerMeterX(dotsPerMeter);
    device_.setDotsPerMeterY(dotsPerMeter);
}

double FontMeasure::widthMm(const QString& text, const ReportFont& font) const {
    Measured& m = measured(font);
    auto kept = m.widths.constFind(text);
    if (kept != m.widths.cend())
        return *kept / DotsPerMm;
    const double width = m.metrics.horizontalAdvance(text);
    if (m.widths.size() >= KeptWidths)
        m.widths.clear();
    m.widths.insert(text, width);
    return width / DotsPerMm;
}

double FontMeasure::lineHeightMm(const ReportFont& font) const {
    return measured(font).metrics.lineSpacing() / DotsPerMm;
}

FontMeasure::Measured& FontMeasure::measured(const ReportFont& font) const {
    for (Measured& m : cache_)
        if (m.font == font)
            return m;
    cache_.push_back({font, QFontMetricsF(ToQFont(font), &device_), {}});
    return cache_.back();
}

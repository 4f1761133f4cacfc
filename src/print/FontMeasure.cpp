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
    return metrics(font).horizontalAdvance(text) / DotsPerMm;
}

double FontMeasure::lineHeightMm(const ReportFont& font) const {
    return metrics(font).lineSpacing() / DotsPerMm;
}

const QFontMetricsF& FontMeasure::metrics(const ReportFont& font) const {
    for (const auto& [key, value] : cache_)
        if (key == font)
            return value;
    cache_.emplace_back(font, QFontMetricsF(ToQFont(font), &device_));
    return cache_.back().second;
}

#pragma once

#include "ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <vector>

// The font of a report element as the painter takes it: sized in points, unhinted, so that
// its measures scale alike on every device.
QFont ToQFont(const ReportFont& font);

// Measures report text with the fonts of the system, as on a printer of 1200 dots per inch.
class FontMeasure : public TextMeasure {
public:
    FontMeasure();
    double widthMm(const QString& text, const ReportFont& font) const override;
    double lineHeightMm(const ReportFont& font) const override;

private:
    const QFontMetricsF& metrics(const ReportFont& font) const;

    QImage device_;
    mutable std::vector<std::pair<ReportFont, QFontMetricsF>> cache_;
};

#pragma once

#include "ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <vector>

// The font of a report element as the painter takes it: sized in points, unhinted, so that
// its measures scale alike on every device.
QFont ToQFont(const ReportFont& font);

// Measures report text with the fonts of the system, as on a printer of 1200 dots per inch.
// The widths it has measured are kept: a report measures the same words over and over.
class FontMeasure : public TextMeasure {
public:
    FontMeasure();
    double widthMm(const QString& text, const ReportFont& font) const override;
    double lineHeightMm(const ReportFont& font) const override;

    // At most this many widths are kept for each font; past it they are measured afresh.
    static constexpr qsizetype KeptWidths = 50000;

private:
    struct Measured {
        ReportFont font;
        QFontMetricsF metrics;
        QHash<QString, double> widths; // in dots
    };
    Measured& measured(const ReportFont& font) const;

    QImage device_;
    mutable std::vector<Measured> cache_;
};

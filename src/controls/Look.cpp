#include "Look.h"

#include <cmath>

namespace {

double Luminance(const QColor& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

} // namespace

bool IsDarkPalette(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Window)) <
           Luminance(palette.color(QPalette::WindowText));
}

TColor ActiveHeadingColor(const QPalette& palette) {
    return IsDarkPalette(palette) ? FromQColor(QColor(255, 128, 128)) : clRed;
}

TColor HeadingColor(const QPalette& palette) {
    return IsDarkPalette(palette) ? FromQColor(QColor(160, 180, 255)) : clNavy;
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

#include "Look.h"

#include "Appearance.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

double Luminance(const QColor& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

QColor Mix(const QColor& a, const QColor& b, double share) {
    auto m = [share](int x, int y) { return int(std::lround(x + (y - x) * share)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()));
}

} // namespace

bool IsDarkPalette(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Window)) <
           Luminance(palette.color(QPalette::WindowText));
}

bool IsDarkColor(const QColor& color) {
    return ContrastRatio(color, Qt::white) > ContrastRatio(color, Qt::black);
}

TColor ActiveHeadingColor(const QPalette& palette) {
    return FromQColor(ReadableOn(ToQColor(clRed), palette.color(QPalette::Window)));
}

TColor HeadingColor(const QPalette& palette) {
    return FromQColor(ReadableOn(ToQColor(clNavy), palette.color(QPalette::Window)));
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& fore, const QColor& back, double ratio) {
    if (ContrastRatio(fore, back) >= ratio)
        return fore;
    const bool lighten = IsDarkColor(back);
    const QColor hsl = fore.toHsl();
    const double own = hsl.lightnessF();
    double l = lighten ? std::max(1.0 - own, own) : std::min(1.0 - own, own);
    for (;;) {
        const float hue = std::max(0.0f, hsl.hslHueF()); // -1 for a grey
        const QColor c(QColor::fromHslF(hue, hsl.hslSaturationF(), float(l)).rgb());
        if (ContrastRatio(c, back) >= ratio || l <= 0.0 || l >= 1.0)
            return c;
        l = std::clamp(l + (lighten ? 0.02 : -0.02), 0.0, 1.0);
    }
}

QColor VerseHighlight(const QColor& pane) {
    if (CurrentAppearance() == Appearance::HighContrast)
        return QColor(255, 255, 0);
    if (!IsDarkColor(pane))
        return ToQColor(HighlightColor);
    return Mix(pane, QColor(110, 110, 190), 0.4);
}

QColor DesignedBackground(TColor design, const QPalette& palette, QPalette::ColorRole role) {
    return IsDarkPalette(palette) ? palette.color(role) : ToQColor(design);
}

namespace {

class PaletteFollower : public QObject {
public:
    PaletteFollower(QWidget* window, TColor design, std::function<void()> changed)
        : QObject(window), window_(window), design_(design), changed_(std::move(changed)) {
        Apply();
        window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (!busy_ && (event->type() == QEvent::PaletteChange ||
                       event->type() == QEvent::ApplicationPaletteChange))
            Apply();
        return false;
    }

private:
    void Apply() {
        busy_ = true;
        window_->setPalette(QPalette()); // the application's again
        if (!IsDarkPalette(QApplication::palette())) {
            QPalette pal = window_->palette();
            pal.setColor(QPalette::Window, ToQColor(design_));
            window_->setPalette(pal);
        }
        if (changed_)
            changed_();
        busy_ = false;
    }

    QWidget* window_;
    TColor design_;
    std::function<void()> changed_;
    bool busy_ = false;
};

} // namespace

void FollowPalette(QWidget* window, TColor design, std::function<void()> changed) {
    new PaletteFollower(window, design, std::move(changed));
}

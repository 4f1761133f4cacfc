#pragma once

#include "Colors.h"

#include <QPalette>
#include <functional>

// Whether a palette is a dark one: light text on a dark window.
bool IsDarkPalette(const QPalette& palette);
// Whether a colour is dark: white text reads better on it than black.
bool IsDarkColor(const QColor& color);

// The headings' colours of the design, red and navy, in the shade that keeps 4.5:1 against
// the palette's window.
TColor ActiveHeadingColor(const QPalette& palette); // red
TColor HeadingColor(const QPalette& palette);       // navy

// The contrast ratio of two colours (1 to 21), as the accessibility guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b);

// Text of colour `fore` on `back`: `fore` itself when it keeps `ratio`, else its counterpart of
// mirrored lightness (black becomes white, navy a light blue), lighter or darker still until
// it keeps `ratio`.
QColor ReadableOn(const QColor& fore, const QColor& back, double ratio = 4.5);

// Background of the chosen verse: red 210, green 210, blue 227.
inline constexpr TColor HighlightColor = 14930642;
// The chosen verse's background on a pane of colour `pane`: the design's on a light pane, a
// dark blue-grey on a dark one, yellow in the high-contrast look.
QColor VerseHighlight(const QColor& pane);

// The colour a window or pane designed as `design` shows: the design on a light palette, the
// palette's `role` on a dark one.
QColor DesignedBackground(TColor design, const QPalette& palette, QPalette::ColorRole role);

class QWidget;
// Gives a window its design colour on a light palette and the palette's own window colour on
// a dark one, now and whenever the palette changes; `changed` runs after each change.
void FollowPalette(QWidget* window, TColor design, std::function<void()> changed = {});

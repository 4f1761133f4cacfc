#pragma once

#include "Colors.h"

#include <QPalette>

// Whether a palette is a dark one: light text on a dark window.
bool IsDarkPalette(const QPalette& palette);

// The headings' colours of the design, on a light palette as drawn, on a dark one a light
// counterpart that keeps its contrast against the window.
TColor ActiveHeadingColor(const QPalette& palette); // red
TColor HeadingColor(const QPalette& palette);       // navy

// The contrast ratio of two colours (1 to 21), as the accessibility guidelines measure it.
double ContrastRatio(const QColor& a, const QColor& b);

#pragma once

#include <QFont>
#include <QString>

// The one-line width of a text in a font, shaped once and then kept: the references of the
// chapters come back again and again in the same few fonts. Interface thread only.
int KeptTextWidth(const QFont& font, const QString& text);

// Forgets the kept widths (when fonts change on the system, and for tests).
void ForgetTextWidths();

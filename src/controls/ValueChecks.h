#pragma once

#include <QLocale>
#include <QString>

// The conversions an input edit tests its text with. They only answer whether the text is a
// value of the kind; nothing is converted for keeps.

// Optional sign and decimal digits, within the 32-bit signed range. Blanks around are allowed.
bool IsWholeNumber(const QString& text);
// Optional sign, digits with a point or the locale's decimal separator, optional exponent;
// finite.
bool IsRealNumber(const QString& text, const QLocale& locale = QLocale());
// Day, month and year in the order of the locale's short date format, separated by "/", "-"
// or "."; a year of one or two digits is taken in 1950..2049; the year may be left out.
bool IsShortDate(const QString& text, const QLocale& locale = QLocale());

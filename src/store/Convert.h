#pragma once

#include <QString>

// The standard conversions of the program: both throw ConvertError with the standard text
// ("'%s' is not a valid integer value", "'%s' is not a valid floating point value").
int StrToInt(const QString& text);
double StrToFloat(const QString& text);

#pragma once

#include <QPalette>
#include <QString>

// The looks the reader offers: the desktop's own, light, dark and high contrast.
enum class Appearance { System, Light, Dark, HighContrast };

// The word the settings keep for a look, and the look of a word (the desktop's for any other).
QString AppearanceKey(Appearance look);
Appearance AppearanceOfKey(const QString& key);

// The palette of a look; the desktop's look gives `desktop`.
QPalette AppearancePalette(Appearance look, const QPalette& desktop);

// Gives the application a look: the desktop's style and palette, or the Fusion style with the
// look's palette. The desktop's are those the application had before the first call.
void ApplyAppearance(Appearance look);
Appearance CurrentAppearance();

#pragma once

#include <QFont>

// A face at a size in pixels, as the windows lay out their captions.
inline QFont PixelFont(const QString& face, int pixels, bool bold = false) {
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

inline QFont ArialPixels(int pixels, bool bold = false) {
    return PixelFont(QStringLiteral("Arial"), pixels, bold);
}

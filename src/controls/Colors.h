#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// A colour value as the program stores it: red in the low byte, green in the next, blue in
// the third (255 is red, 0xFF0000 is blue).
using TColor = quint32;

inline QColor ToQColor(TColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline TColor FromQColor(const QColor& c) {
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clWhite = 0xFFFFFF;

// Font styles, combinable.
enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font object of the program: face, size in points, style, colour and character set.
struct TKvFont {
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    int Style = 0; // TFontStyle flags
    TColor Color = clBlack;
    int Charset = 1; // 238 is Eastern Europe; kept, but plays no part in drawing here

    QFont toQFont() const {
        QFont f(Name);
        f.setPointSize(Size);
        f.setBold(Style & fsBold);
        f.setItalic(Style & fsItalic);
        f.setUnderline(Style & fsUnderline);
        f.setStrikeOut(Style & fsStrikeOut);
        return f;
    }
    // Face, size, style and colour of another font, as the program copies them (not the set).
    void assignLook(const TKvFont& other) {
        Name = other.Name;
        Size = other.Size;
        Style = other.Style;
        Color = other.Color;
    }
    bool operator==(const TKvFont&) const = default;
};

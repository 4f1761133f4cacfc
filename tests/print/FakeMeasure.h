#pragma once

#include "ReportLayout.h"

// Measures without fonts: each character a fifth of the point size wide, each line two
// fifths of it high (8 pt: 1.6 mm a character, 3.2 mm a line).
class FakeMeasure : public TextMeasure {
public:
    double widthMm(const QString& text, const ReportFont& font) const override {
        return text.size() * font.points * 0.2;
    }
    double lineHeightMm(const ReportFont& font) const override { return font.points * 0.4; }
};

// Verse rows of one chapter with the given texts, numbered from 1.
inline std::vector<ReportRow> ChapterRows(const QStringList& texts,
                                          const QString& chapter = "119") {
    std::vector<ReportRow> rows;
    for (qsizetype i = 0; i < texts.size(); ++i)
        rows.push_back({QStringLiteral("PSAL"), chapter, QString::number(i + 1), texts[i]});
    return rows;
}

// A text of the given number of four-letter words: 22 of them fill a line of a verse box.
inline QString Words(int count) {
    QStringList words;
    for (int i = 0; i < count; ++i)
        words << QStringLiteral("reč%1").arg(i % 10);
    return words.join(QLatin1Char(' '));
}

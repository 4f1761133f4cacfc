#include "PaneState.h"

#include <limits>

void TPaneState::SetStartValues() {
    ActivePane = 1;
    for (int p = 1; p <= PaneCount; ++p) {
        TextFont[p] = TKvFont{QStringLiteral("Arial"), 13, fsBold, clBlack, 238};
        RefFont[p] = TKvFont{QStringLiteral("Arial"), 10, 0, clBlue, 238};
        LabelsUsed[p] = 0;
        LabelsCreated[p] = 0;
    }
    RightMargin = 20;
    BookCode.clear();
    for (int p = 1; p <= PaneCount; ++p) {
        VerseTable[p] = QStringLiteral("vidoslov");
        TranslationCaption[p] = QStringLiteral("Osnovnik");
    }
    ResultsPane = 1;
}

QString PaneHeading(const QString& bookTitle, int chapter) {
    return bookTitle.isEmpty() ? QString() : bookTitle + u' ' + QString::number(chapter);
}

std::array<int, 2> FollowerOrder(int activePane) {
    switch (activePane) {
    case 1:
        return {2, 3};
    case 2:
        return {1, 3};
    default:
        return {2, 1};
    }
}

int NextChapter(int chapter) {
    return chapter < std::numeric_limits<int>::max() ? chapter + 1 : chapter;
}

int PreviousChapter(int chapter) {
    return chapter > std::numeric_limits<int>::min() ? chapter - 1 : chapter;
}

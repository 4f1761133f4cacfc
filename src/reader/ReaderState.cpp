#include "ReaderState.h"

#include "BookCatalogue.h"
#include "DataModule.h"
#include "Errors.h"
#include "FileProperties.h"
#include "ProgramFolder.h"
#include "Reference.h"

#include <algorithm>
#include <cmath>

#include <limits>

TReaderState::TReaderState(QObject* parent) : QObject(parent) {}

Numbering TReaderState::NumberingOf(const QString& file) const {
    // The translation list pads the name with blanks, which the pane's query drops too.
    QString name = file.isEmpty() ? QString::fromLatin1(DefaultTranslationFile) : file;
    while (name.endsWith(u' '))
        name.chop(1);
    return numberingOf_ ? numberingOf_(name)
                        : CachedNumberingOfFile(TranslationFilePath(name, ProgramFolder()));
}

void TReaderState::SetNumberingSource(std::function<Numbering(const QString&)> source) {
    numberingOf_ = std::move(source);
    for (int p = 1; p <= PaneCount; ++p)
        panes_[p].numbering = NumberingOf(panes_[p].file);
}

void TReaderState::SetActivePane(int pane) {
    const int p = Index(pane);
    if (p == activePane_)
        return;
    activePane_ = p;
    emit activePaneChanged(p);
}

void TReaderState::SetBookCode(const QString& code) {
    if (code == bookCode_)
        return;
    bookCode_ = code;
    emit changed(0);
}

void TReaderState::SetChapter(int pane, int chapter) {
    PaneEntry& e = panes_[Index(pane)];
    if (e.chapter == chapter)
        return;
    e.chapter = chapter;
    emit changed(Index(pane));
}

void TReaderState::SetVerse(int pane, int verse) {
    PaneEntry& e = panes_[Index(pane)];
    if (e.verse == verse)
        return;
    e.verse = verse;
    emit changed(Index(pane));
}

void TReaderState::SetLinked(int pane, bool linked) {
    PaneEntry& e = panes_[Index(pane)];
    if (e.linked == linked)
        return;
    e.linked = linked;
    emit changed(Index(pane));
}

void TReaderState::SetTranslation(int pane, const QString& file, const QString& caption) {
    PaneEntry& e = panes_[Index(pane)];
    e.file = file;
    e.caption = caption;
    e.numbering = NumberingOf(file);
    emit changed(Index(pane));
}

void TReaderState::SetTable(int pane, const QString& table) {
    panes_[Index(pane)].table = table;
    emit changed(Index(pane));
}

void TReaderState::SetFonts(int pane, const TKvFont& text, const TKvFont& ref) {
    PaneEntry& e = panes_[Index(pane)];
    e.textFont = text;
    e.refFont = ref;
    emit changed(Index(pane));
}

void TReaderState::SetColor(int pane, TColor color) {
    panes_[Index(pane)].color = color;
    emit changed(Index(pane));
}

void TReaderState::SetZoom(int pane, int zoom) {
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    PaneEntry& e = panes_[Index(pane)];
    if (e.zoom == zoom)
        return;
    e.zoom = zoom;
    emit changed(Index(pane));
}

int ZoomedSize(int size, int zoom) {
    return std::max(4, static_cast<int>(std::lround(size * (1.0 + zoom / 10.0))));
}

void TReaderState::SetReferenceMode(int pane, ReferenceMode mode) {
    PaneEntry& e = panes_[Index(pane)];
    if (e.references == mode)
        return;
    e.references = mode;
    emit changed(Index(pane));
}

void TReaderState::ShowPlace(int pane, const QString& book, int chapter, int verse) {
    SetBookCode(book);
    SetChapter(pane, chapter);
    SetVerse(pane, verse);
    SetActivePane(pane);
    FollowActive();
}

void TReaderState::SetPlace(int pane, const QString& book, int chapter, int verse,
                            Numbering numbering) {
    MapPlace(book, chapter, verse, numbering, Pane(pane).numbering);
    SetBookCode(book);
    SetChapter(pane, chapter);
    SetVerse(pane, verse);
}

void TReaderState::SetActiveReference(const QString& text, Numbering numbering) {
    QString book = bookCode_;
    int chapter = Chapter(activePane_);
    int verse = Verse(activePane_);
    ParseReference(text, book, chapter, verse);
    // A place in no book of the catalogue would show an empty pane without a title.
    if (!BookCatalogue::IsBookCode(book))
        throw AppError(UnknownBookText(book));
    SetPlace(activePane_, book, chapter, verse, numbering);
}

QList<int> TReaderState::FollowActive() {
    QList<int> followers;
    const PaneEntry& active = panes_[activePane_];
    for (int q : FollowerOrder(activePane_)) {
        if (!panes_[q].linked)
            continue;
        int chapter = active.chapter, verse = active.verse;
        MapPlace(bookCode_, chapter, verse, active.numbering, panes_[q].numbering);
        SetChapter(q, chapter);
        SetVerse(q, verse);
        followers << q;
    }
    return followers;
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

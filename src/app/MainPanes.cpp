// The panes of the main window: which one is active, showing a chapter, moving by chapters
// and following references.
#include "Main.h"

#include "ChapterLayout.h"
#include "Convert.h"
#include "DataModule.h"
#include "Errors.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "PodesiFont.h"
#include "Reference.h"
#include "ScrollBox.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

namespace {

// The pane number a control carries in its Tag; 0 for any other sender.
int TagOf(const QObject* sender) {
    if (const auto* button = qobject_cast<const TMKvTranBtn*>(sender))
        return button->Tag;
    if (const auto* edit = qobject_cast<const TKvEdit*>(sender))
        return edit->Tag;
    return 0;
}

bool IsPane(int p) {
    return p >= 1 && p <= PaneCount;
}

} // namespace

void TfMain::SetActivePane(int pane) {
    // Anything but 1 or 2 is the middle pane.
    ActivePane = pane == 1 || pane == 2 ? pane : 3;
    for (int p = 1; p <= PaneCount; ++p)
        SetTextColor(BookLabel(p), p == ActivePane ? clRed : clNavy);
}

void TfMain::ShowActivePane() {
    WaitCursor wait;
    QApplication::processEvents();
    const int p = ActivePane;
    LoadPane(p);
    for (int q : FollowerOrder(p)) {
        if (!LinkBox(q)->isChecked())
            continue;
        Chapter[q] = Chapter[p];
        Verse[q] = Verse[p];
        LoadPane(q);
    }
    FocusFirstEdit();
}

void TfMain::FocusFirstEdit() {
    activateWindow();
    ChapterEdit(ActivePane)->setFocus();
}

void TfMain::ChapterByKey(int key) {
    const int p = ActivePane;
    if (key == Qt::Key_Left)
        BtnNazad3Click(panes_[p].back);
    else if (key == Qt::Key_Right)
        BtnNapred3Click(panes_[p].forward);
}

void TfMain::LoadPane(int pane) {
    if (!baze_ || !IsPane(pane))
        return;
    LabelsUsed[pane] = 0;
    TScrollBox* box = ScrollBox(pane);
    LoadChapter(VerseTable[pane], BookCode, Chapter[pane], baze_->PaneQuery(pane),
                [this, box](Query& q) { LayoutChapter(*this, *box, q); });
    QApplication::processEvents();
    box->showEmptyHint(LabelsUsed[pane] == 0);
    laidOutWidth_[pane] = box->width();
    shownVerse_[pane] = Verse[pane];
    BookLabel(pane)->setText(PaneHeading(BookTitleOfCode(BookCode), Chapter[pane]));
    BookLabel(pane)->setToolTip(PaneTranslationName(pane));
    ChapterEdit(pane)->setText(QString::number(Chapter[pane]));
    VerseEdit(pane)->setText(QString::number(Verse[pane]));
}

void TfMain::RelayoutPanes() {
    for (int p = 1; p <= PaneCount; ++p)
        if (ScrollBox(p)->width() != laidOutWidth_[p])
            RelayoutPane(p);
}

void TfMain::RelayoutPane(int pane) {
    if (!baze_ || !baze_->PaneQuery(pane).isOpen() || LabelsUsed[pane] == 0)
        return;
    // The chapter as shown, its chosen verse too, whatever the edits hold meanwhile.
    const int typedVerse = Verse[pane];
    const int highlightTop = HighlightTop;
    Verse[pane] = shownVerse_[pane];
    LabelsUsed[pane] = 0;
    TScrollBox* box = ScrollBox(pane);
    Query& q = baze_->PaneQuery(pane);
    q.first();
    try {
        LayoutChapter(*this, *box, q);
    } catch (...) {
        Verse[pane] = typedVerse;
        throw;
    }
    q.first();
    Verse[pane] = typedVerse;
    HighlightTop = highlightTop;
    laidOutWidth_[pane] = box->width();
}

void TfMain::ParseReference(const QString& text) {
    ::ParseReference(text, BookCode, Chapter[ActivePane], Verse[ActivePane]);
}

void TfMain::ShowReference(const QString& text) {
    const QString book = BookCode;
    const int chapter = Chapter[ActivePane];
    const int verse = Verse[ActivePane];
    ParseReference(text);
    // A place in no book of the catalogue would show an empty pane without a title.
    if (!IsBookCode(BookCode)) {
        const QString unknown = BookCode;
        BookCode = book;
        Chapter[ActivePane] = chapter;
        Verse[ActivePane] = verse;
        throw AppError(UnknownBookText(unknown));
    }
    HighlightTop = 0;
    ShowActivePane();
}

void TfMain::BtnPokaziClick(QObject* sender) {
    if (qobject_cast<TMKvTranBtn*>(sender) || qobject_cast<TKvEdit*>(sender))
        SetActivePane(TagOf(sender));
    const int p = ActivePane;
    const QString digit = QString::number(p);
    // The verse first: a bad verse text stops before the chapter is read.
    auto* verse = qobject_cast<TKvEdit*>(FindComponent(QStringLiteral("editrbr") + digit));
    auto* chapter = qobject_cast<TKvEdit*>(FindComponent(QStringLiteral("editGlava") + digit));
    Verse[p] = StrToInt(verse->text());
    Chapter[p] = StrToInt(chapter->text());
    HighlightTop = 0;
    ShowActivePane();
}

void TfMain::BtnNazad3Click(QObject* sender) {
    const int p = TagOf(sender);
    if (!IsPane(p))
        return;
    Chapter[p] = PreviousChapter(Chapter[p]);
    if (Chapter[p] > 0) {
        HighlightTop = 0;
        Verse[p] = 1;
        SetActivePane(p);
        ShowActivePane();
    } else {
        Chapter[p] = 1;
    }
}

void TfMain::BtnNapred3Click(QObject* sender) {
    const int p = TagOf(sender);
    if (!IsPane(p))
        return;
    // Past the book's last chapter there is nothing to show.
    if (baze_ && Chapter[p] >= LastChapter(VerseTable[p], BookCode, baze_->PaneQuery(p)))
        return;
    Chapter[p] = NextChapter(Chapter[p]);
    HighlightTop = 0;
    Verse[p] = 1;
    SetActivePane(p);
    ShowActivePane();
}

void TfMain::EditGlava3Change(QObject* sender) {
    const auto* edit = qobject_cast<const TKvEdit*>(sender);
    if (edit && IsPane(edit->Tag))
        Chapter[edit->Tag] = StrToInt(edit->text());
}

void TfMain::EditRbr3Change(QObject* sender) {
    const auto* edit = qobject_cast<const TKvEdit*>(sender);
    if (edit && IsPane(edit->Tag))
        Verse[edit->Tag] = StrToInt(edit->text());
}

void TfMain::PokaziIzEdita(QObject* sender, int key) {
    if (qobject_cast<TKvEdit*>(sender) && (key == Qt::Key_Return || key == Qt::Key_Enter))
        BtnPokaziClick(sender);
}

void TfMain::ReferenceClick(QObject* sender) {
    auto* label = qobject_cast<TKvlabel*>(sender);
    if (!label)
        return;
    // The label lies on the inner widget of its pane's scroll box.
    TScrollBox* box = nullptr;
    for (QWidget* w = label->parentWidget(); w && !box; w = w->parentWidget())
        box = qobject_cast<TScrollBox*>(w);
    if (!box)
        return;
    SetActivePane(StrToInt(box->Hint));
    ShowReference(label->Tekst());
}

void TfMain::setFontDialog(TfPodesiFont* dialog) {
    fPodesiFont_ = dialog;
}

void TfMain::BtnFontClick(QObject* sender) {
    const int p = TagOf(sender);
    if (!fPodesiFont_ || !IsPane(p))
        return;
    fPodesiFont_->FontPane = p;
    if (fPodesiFont_->ShowModal() != QDialog::Accepted)
        return;
    TextFont[p] = fPodesiFont_->TextFontOfLabel();
    RefFont[p] = fPodesiFont_->RefFontOfLabel();
    SetActivePane(p);
    // The next layout makes fresh labels in the new fonts.
    FreePaneLabels(*this, p);
    BtnPokaziClick(sender);
}

void TfMain::SB1Click() {
    SetActivePane(1);
}
void TfMain::SB2Click() {
    SetActivePane(2);
}
void TfMain::SB3Click() {
    SetActivePane(3);
}

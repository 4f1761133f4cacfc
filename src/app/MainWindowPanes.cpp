// The panes of the main window: which one is active, showing a chapter, moving by chapters
// and following references.
#include "MainWindow.h"

#include "ChapterLayout.h"
#include "Convert.h"
#include "DataModule.h"
#include "Errors.h"
#include "FileProperties.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "Look.h"
#include "PodesiFont.h"
#include "Reference.h"
#include "ScrollBox.h"
#include "WaitCursor.h"

#include <QCheckBox>
#include <QCoreApplication>
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
    return TReaderState::IsPane(p);
}

} // namespace

void TfMain::setBaze(TBaze* baze) {
    baze_ = baze;
    if (!baze_)
        return;
    const QString folder = baze_->programFolder();
    state_->SetNumberingSource([folder](const QString& file) {
        return CachedNumberingOfFile(TranslationFilePath(file, folder));
    });
}

void TfMain::SetActivePane(int pane) {
    state_->SetActivePane(pane);
    PaintActivePane();
}

int TfMain::GetActivePane() const {
    return state_->ActivePane();
}

void TfMain::PaintActivePane() {
    activePainted_ = true;
    RepaintHeadings();
}

void TfMain::RepaintHeadings() {
    // Until a pane is made active, every heading is navy.
    for (int p = 1; p <= PaneCount; ++p)
        SetTextColor(BookLabel(p), activePainted_ && p == state_->ActivePane()
                                       ? ActiveHeadingColor(palette())
                                       : HeadingColor(palette()));
}

void TfMain::FollowTranslation(int pane) {
    if (!baze_ || !IsPane(pane))
        return;
    const QString& file = state_->Pane(pane).file;
    if (file == connectedFile_[pane])
        return;
    Query& q = baze_->PaneQuery(pane);
    q.close();
    connectedFile_[pane] = file;
    q.setConnectionString(TranslationConnectionString(file, baze_->programFolder()));
}

void TfMain::ShowActivePane() {
    WaitCursor wait;
    // The wait cursor shows; the user's input waits.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    const int p = state_->ActivePane();
    LoadPane(p);
    for (int q : state_->FollowActive())
        LoadPane(q);
    FocusFirstEdit();
}

void TfMain::FocusFirstEdit() {
    activateWindow();
    ChapterEdit(state_->ActivePane())->setFocus();
}

void TfMain::ChapterByKey(int key) {
    const int p = state_->ActivePane();
    // Past a book's first or last chapter: the book before's last, the book after's first.
    int book = 0;
    for (int b = 1; b <= BookCatalogue::BookCount; ++b)
        if (catalogue_.BookCodes[b] == state_->BookCode())
            book = b;
    const int chapter = state_->Chapter(p);
    const int step = key == Qt::Key_Left ? -1 : 1;
    const bool atEnd =
        book >= 1 && (step < 0 ? chapter == 1 : chapter >= BookLastChapter(p, state_->BookCode()));
    // Books the translation lacks are passed over.
    int next = atEnd ? book + step : 0;
    while (next >= 1 && next <= BookCatalogue::BookCount &&
           BookLastChapter(p, catalogue_.BookCodes[next]) < 1)
        next += step;
    if (atEnd) {
        if (next < 1 || next > BookCatalogue::BookCount)
            return;
        const QString code = catalogue_.BookCodes[next];
        const int to = step < 0 ? BookLastChapter(p, code) : 1;
        state_->SetBookCode(code);
        state_->SetChapter(p, to);
        state_->SetVerse(p, 1);
        SetActivePane(p);
        ShowActivePane();
        return;
    }
    if (key == Qt::Key_Left)
        BtnNazadClick(panes_[p].back);
    else if (key == Qt::Key_Right)
        BtnNapredClick(panes_[p].forward);
}

void TfMain::LoadPane(int pane) {
    if (!baze_ || !IsPane(pane))
        return;
    layout_.LabelsUsed[pane] = 0;
    layout_.Opened[pane].clear();
    TScrollBox* box = ScrollBox(pane);
    const PaneEntry& entry = state_->Pane(pane);
    LoadChapter(entry.table, state_->BookCode(), entry.chapter, baze_->PaneQuery(pane),
                [&](Query& q) { LayoutChapter(layout_, entry, *box, q); });
    // Not while the kept session is put back before the window stands: a timer's handler
    // would run in the middle of the start, before the program's event loop.
    if (isVisible())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    box->showEmptyHint(layout_.LabelsUsed[pane] == 0);
    laidOutWidth_[pane] = box->width();
    shownVerse_[pane] = entry.verse;
    shownBook_[pane] = state_->BookCode();
    shownChapter_[pane] = entry.chapter;
    BookLabel(pane)->setText(
        PaneHeading(catalogue_.BookTitleOfCode(state_->BookCode()), entry.chapter));
    BookLabel(pane)->setToolTip(PaneTranslationName(pane));
    ChapterEdit(pane)->setText(QString::number(entry.chapter));
    VerseEdit(pane)->setText(QString::number(entry.verse));
    AnnounceChosenVerse(pane);
}

void TfMain::RelayoutPanes() {
    for (int p = 1; p <= PaneCount; ++p)
        if (ScrollBox(p)->width() != laidOutWidth_[p])
            RelayoutPane(p);
}

void TfMain::RelayoutPane(int pane) {
    if (!baze_ || !baze_->PaneQuery(pane).isOpen() || layout_.LabelsUsed[pane] == 0)
        return;
    // The chapter as shown, its chosen verse too, whatever the edits hold meanwhile.
    PaneEntry shown = state_->Pane(pane);
    shown.verse = shownVerse_[pane];
    const int highlightTop = layout_.HighlightTop;
    layout_.LabelsUsed[pane] = 0;
    TScrollBox* box = ScrollBox(pane);
    Query& q = baze_->PaneQuery(pane);
    q.first();
    LayoutChapter(layout_, shown, *box, q);
    q.first();
    layout_.HighlightTop = highlightTop;
    laidOutWidth_[pane] = box->width();
}

void TfMain::ShowReference(const QString& text) {
    state_->SetActiveReference(text, state_->Pane(state_->ActivePane()).numbering);
    ShowActivePane();
}

void TfMain::BtnPokaziClick(QObject* sender) {
    if (qobject_cast<TMKvTranBtn*>(sender) || qobject_cast<TKvEdit*>(sender))
        SetActivePane(TagOf(sender));
    const int p = state_->ActivePane();
    // The verse first: a bad verse text stops before the chapter is read.
    const int verse = StrToInt(VerseEdit(p)->text());
    state_->SetVerse(p, verse);
    state_->SetChapter(p, StrToInt(ChapterEdit(p)->text()));
    ShowActivePane();
}

void TfMain::BtnNazadClick(QObject* sender) {
    const int p = TagOf(sender);
    if (!IsPane(p))
        return;
    const int chapter = PreviousChapter(state_->Chapter(p));
    if (chapter > 0) {
        state_->SetChapter(p, chapter);
        state_->SetVerse(p, 1);
        SetActivePane(p);
        ShowActivePane();
    } else {
        state_->SetChapter(p, 1);
    }
}

void TfMain::BtnNapredClick(QObject* sender) {
    const int p = TagOf(sender);
    if (!IsPane(p))
        return;
    const PaneEntry& entry = state_->Pane(p);
    // Past the book's last chapter there is nothing to show.
    if (baze_ && entry.chapter >= LastChapter(entry.table, state_->BookCode(), baze_->PaneQuery(p)))
        return;
    state_->SetChapter(p, NextChapter(entry.chapter));
    state_->SetVerse(p, 1);
    SetActivePane(p);
    ShowActivePane();
}

void TfMain::EditGlavaChange(QObject* sender) {
    const auto* edit = qobject_cast<const TKvEdit*>(sender);
    if (edit && IsPane(edit->Tag))
        state_->SetChapter(edit->Tag, StrToInt(edit->text()));
}

void TfMain::EditRbrChange(QObject* sender) {
    const auto* edit = qobject_cast<const TKvEdit*>(sender);
    if (edit && IsPane(edit->Tag))
        state_->SetVerse(edit->Tag, StrToInt(edit->text()));
}

void TfMain::PokaziIzEdita(QObject* sender, int key) {
    if (qobject_cast<TKvEdit*>(sender) && (key == Qt::Key_Return || key == Qt::Key_Enter))
        BtnPokaziClick(sender);
}

void TfMain::ReferenceClick(int pane, TKvlabel* label) {
    if (!label || !IsPane(pane))
        return;
    SetActivePane(pane);
    RememberShownPlace(pane);
    ShowReference(label->Tekst());
}

void TfMain::SetReferenceMode(int pane, ReferenceMode mode) {
    if (!IsPane(pane))
        return;
    state_->SetReferenceMode(pane, mode);
    layout_.Opened[pane].clear();
    RelayoutPane(pane);
}

void TfMain::OpenReferences(int pane, TKvlabel* label) {
    if (!label || !IsPane(pane))
        return;
    TScrollBox* box = ScrollBox(pane);
    const int position = box->VertPosition();
    layout_.Opened[pane].insert(label->Rbr);
    RelayoutPane(pane);
    box->setVertPosition(position);
}

QString TfMain::ReferenceToolTip(int pane, const TKvlabel& label) {
    if (!baze_ || !IsPane(pane) || label.Vrsta() != Pok1 || IsMoreReferences(label) ||
        label.Tekst().size() < 2)
        return {};
    QString book = state_->BookCode();
    int chapter = state_->Chapter(pane);
    int verse = state_->Verse(pane);
    QString text;
    // A hover never brings an error box: a reference that cannot be read shows no tooltip.
    try {
        ::ParseReference(label.Tekst().chopped(1), book, chapter, verse);
        text = VerseText(state_->Pane(pane).table, book, chapter, verse, baze_->PaneQuery(pane));
    } catch (const AppError&) {
        return {};
    }
    if (text.isEmpty())
        return {};
    // Rich text, so that a long verse wraps.
    return QStringLiteral("<p><b>%1</b> %2</p>")
        .arg(label.Tekst().chopped(1).toHtmlEscaped(), text.toHtmlEscaped());
}

void TfMain::VerseClick(int pane, TKvlabel* label) {
    if (!label || !IsPane(pane))
        return;
    bool ok = false;
    const int verse = label->Rbr.toInt(&ok);
    if (!ok)
        return;
    SetActivePane(pane);
    state_->SetVerse(pane, verse);
    MoveHighlight(layout_, pane, *label);
    shownVerse_[pane] = verse;
    VerseEdit(pane)->setText(QString::number(verse));
    for (int q : state_->FollowActive())
        LoadPane(q);
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
    state_->SetFonts(p, fPodesiFont_->TextFontOfLabel(), fPodesiFont_->RefFontOfLabel());
    SetActivePane(p);
    // The next layout makes fresh labels in the new fonts.
    FreePaneLabels(layout_, p);
    BtnPokaziClick(sender);
    emit paneLabelsFreed();
}

void TfMain::SBClick(int pane) {
    SetActivePane(pane);
}

// The panes of the main window: which one is active, showing a chapter, moving by chapters
// and following references.
#include "Main.h"

#include "ChapterLayout.h"
#include "Convert.h"
#include "DataModule.h"
#include "KvEdit.h"
#include "KvTranBtn.h"
#include "Kvlabel.h"
#include "Reference.h"
#include "ScrollBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

namespace {

// The wait cursor for as long as it lives.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

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
    EditGlava1->setFocus();
}

void TfMain::LoadPane(int pane) {
    if (!baze_ || !IsPane(pane))
        return;
    LabelsUsed[pane] = 0;
    TScrollBox* box = ScrollBox(pane);
    LoadChapter(VerseTable[pane], BookCode, Chapter[pane], baze_->PaneQuery(pane),
                [this, box](Query& q) { LayoutChapter(*this, *box, q); });
    QApplication::processEvents();
    BookLabel(pane)->setText(BookTitleOfCode(BookCode));
    ChapterEdit(pane)->setText(QString::number(Chapter[pane]));
    VerseEdit(pane)->setText(QString::number(Verse[pane]));
}

void TfMain::ParseReference(const QString& text) {
    ::ParseReference(text, BookCode, Chapter[ActivePane], Verse[ActivePane]);
}

void TfMain::ShowReference(const QString& text) {
    ParseReference(text);
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

void TfMain::BtnFontClick(QObject* sender) {
    const int p = TagOf(sender);
    if (FontCommand && IsPane(p))
        FontCommand(p);
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

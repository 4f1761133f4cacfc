// The keys that make every action of the reader reachable without a mouse.
#include "MainWindow.h"

#include "Application.h"
#include "ChapterLayout.h"
#include "DataModule.h"
#include "KvEdit.h"
#include "Kvlabel.h"
#include "PopupMenu.h"
#include "ScrollBox.h"

#include <QApplication>
#include <QMenuBar>
#include <QShortcut>
#include <QTimer>

void TfMain::BuildKeys() {
    auto key = [this](const QKeySequence& sequence, auto handler) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, [handler] { Guarded(handler); });
    };
    key(QKeySequence(Qt::ShiftModifier | Qt::Key_F10), [this] { OpenPaneMenuByKey(); });
    key(QKeySequence(Qt::ControlModifier | Qt::Key_Up), [this] { MoveVerseByKey(-1); });
    key(QKeySequence(Qt::ControlModifier | Qt::Key_Down), [this] { MoveVerseByKey(1); });
    key(QKeySequence(Qt::ControlModifier | Qt::Key_L), [this] { FocusChapterEdit(); });
    key(QKeySequence(Qt::Key_F6), [this] { FocusChapterEdit(); });
    key(QKeySequence(Qt::AltModifier | Qt::Key_I), [this] { OpenSelectMenuByKey(); });

    // Escape out of the menu bar's menu: the keys go back to the control that had them.
    connect(Izbor1, &QMenu::aboutToShow, this, [this] {
        if (QApplication::focusWidget() != menuBar())
            focusBeforeMenu_ = QApplication::focusWidget();
    });
    connect(Izbor1, &QMenu::aboutToHide, this, [this] {
        QTimer::singleShot(0, this, [this] {
            if (QApplication::focusWidget() != menuBar() && QApplication::focusWidget())
                return;
            if (focusBeforeMenu_ && focusBeforeMenu_->isVisible())
                focusBeforeMenu_->setFocus(Qt::PopupFocusReason);
            else
                FocusChapterEdit();
        });
    });
}

void TfMain::OpenPaneMenuByKey() {
    const int p = state_->ActivePane();
    TScrollBox* box = ScrollBox(p);
    TKvlabel* verse = ChosenVerseLabel(p);
    QWidget* at = verse && verse->isVisible() ? static_cast<QWidget*>(verse) : box->viewport();
    PopUpMenu->popupFor(verse ? static_cast<QWidget*>(verse) : box,
                        at->mapToGlobal(QPoint(10, std::min(at->height(), 16))));
    if (!PopUpMenu->actions().isEmpty())
        PopUpMenu->setActiveAction(PopUpMenu->actions().first());
}

void TfMain::OpenSelectMenuByKey() {
    menuBar()->setActiveAction(Izbor1->menuAction());
    if (Izbor1->isVisible() && !Izbor1->actions().isEmpty())
        Izbor1->setActiveAction(Izbor1->actions().first());
}

void TfMain::MoveVerseByKey(int step) {
    const int p = state_->ActivePane();
    int last = 0;
    for (int k = 1; k <= layout_.LabelsUsed[p]; ++k)
        if (const TKvlabel* label = PaneLabel(layout_, p, k); label && label->Vrsta() == Tekst1)
            last = std::max(last, label->Rbr.toInt());
    const int verse = state_->Verse(p) + step;
    if (verse < 1 || verse > last)
        return;
    state_->SetVerse(p, verse);
    ShowActivePane();
}

void TfMain::FocusChapterEdit() {
    FocusFirstEdit();
    ChapterEdit(state_->ActivePane())->selectAll();
}

int TfMain::BookLastChapter(int pane, const QString& bookCode) {
    if (!baze_)
        return 0;
    const PaneEntry& entry = state_->Pane(pane);
    const QString key = entry.file + QLatin1Char('|') + entry.table + QLatin1Char('|') + bookCode;
    auto found = lastChapters_.constFind(key);
    if (found != lastChapters_.constEnd())
        return *found;
    const int last = LastChapter(entry.table, bookCode, baze_->PaneQuery(pane));
    lastChapters_.insert(key, last);
    return last;
}

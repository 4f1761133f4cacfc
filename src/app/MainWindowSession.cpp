#include "MainWindow.h"

#include "ChapterLayout.h"
#include "FlatPanel.h"
#include "Messages.h"
#include "ScrollBox.h"
#include "SessionStore.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QWheelEvent>

// The pane state, the window's place and the panes' widths as they stand.
void TfMain::CaptureSession(SessionState& s) const {
    s.bookCode = state_->BookCode();
    s.activePane = state_->ActivePane();
    for (int p = 1; p <= PaneCount; ++p) {
        s.panes[p] = state_->Pane(p);
        s.paneBooks[p] = layout_.LabelsUsed[p] > 0 ? shownBook_[p] : QString();
    }
    s.windowGeometry = saveGeometry();
    s.maximized = isMaximized();
    s.splitterState = pendingPanes_.isEmpty() ? Splitters->saveState() : pendingPanes_;
}

void TfMain::RestoreSession(const SessionState& s) {
    if (!s.windowGeometry.isEmpty())
        restoreGeometry(s.windowGeometry);
    if (s.maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    // Resizes set the panes to thirds; the kept widths win until the window has settled.
    pendingPanes_ = s.splitterState;
    if (!pendingPanes_.isEmpty())
        pendingTimer_->start();
    SettlePaneWidths();
    for (int p = 1; p <= PaneCount; ++p) {
        const PaneEntry& e = s.panes[p];
        state_->SetTranslation(p, e.file.isEmpty() ? QLatin1String(DefaultTranslationFile) : e.file,
                               e.caption);
        state_->SetTable(p, e.table);
        state_->SetFonts(p, e.textFont, e.refFont);
        ApplyPaneColor(p, e.color);
        state_->SetZoom(p, e.zoom);
        state_->SetReferenceMode(p, e.references);
        LinkBox(p)->setChecked(e.linked);
        state_->SetChapter(p, e.chapter);
        state_->SetVerse(p, e.verse);
    }
    // Each pane in its own book; the window's book is the active pane's.
    for (int p = 1; p <= PaneCount; ++p) {
        if (s.paneBooks[p].isEmpty() || s.panes[p].chapter <= 0)
            continue;
        state_->SetBookCode(s.paneBooks[p]);
        LoadPane(p);
    }
    state_->SetBookCode(s.bookCode);
    SetActivePane(s.activePane);
}

void TfMain::SettlePaneWidths() {
    // A window not yet shown places its controls only when shown: the panes would be laid out
    // at a width of their own and again once shown.
    ensurePolished();
    layout()->activate();
    FormResize();
    ApplyPendingPanes();
    for (int p = 1; p <= PaneCount; ++p)
        PaneColumn(p)->layout()->setGeometry(PaneColumn(p)->contentsRect());
}

void TfMain::ApplyPendingPanes() {
    if (!pendingPanes_.isEmpty())
        Splitters->restoreState(pendingPanes_);
}

void TfMain::ZoomPane(int pane, int zoom) {
    if (!TReaderState::IsPane(pane))
        return;
    const int before = state_->Pane(pane).zoom;
    state_->SetZoom(pane, zoom);
    if (state_->Pane(pane).zoom == before || layout_.LabelsUsed[pane] == 0)
        return;
    // Fresh labels in the new sizes, the chosen verse kept.
    FreePaneLabels(layout_, pane);
    LoadPane(pane);
    emit paneLabelsFreed();
}

void TfMain::ZoomByKey(int step) {
    const int p = state_->ActivePane();
    ZoomPane(p, step == 0 ? 0 : state_->Pane(p).zoom + step);
}

void TfMain::BuildZoomKeys() {
    // A width the user drags is the user's; so is any after the window settled.
    connect(Splitters, &QSplitter::splitterMoved, this, [this] { pendingPanes_.clear(); });
    pendingTimer_ = new QTimer(this);
    pendingTimer_->setSingleShot(true);
    pendingTimer_->setInterval(1500);
    connect(pendingTimer_, &QTimer::timeout, this, [this] { pendingPanes_.clear(); });
    const std::pair<QKeySequence, int> keys[] = {
        {QKeySequence(Qt::ControlModifier | Qt::Key_Plus), 1},
        {QKeySequence(Qt::ControlModifier | Qt::Key_Equal), 1},
        {QKeySequence(Qt::ControlModifier | Qt::Key_Minus), -1},
        {QKeySequence(Qt::ControlModifier | Qt::Key_0), 0}};
    for (const auto& [sequence, step] : keys) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this,
                [this, step] { Guarded([&] { ZoomByKey(step); }); });
    }
    for (int p = 1; p <= PaneCount; ++p)
        ScrollBox(p)->viewport()->installEventFilter(this);
}

bool TfMain::ZoomByWheel(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel)
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    for (int p = 1; p <= PaneCount; ++p) {
        if (watched != ScrollBox(p)->viewport())
            continue;
        const int delta = wheel->angleDelta().y();
        if (delta != 0) {
            SetActivePane(p);
            Guarded([&] { ZoomByKey(delta > 0 ? 1 : -1); });
        }
        return true;
    }
    return false;
}

void TfMain::RememberShownPlace(int pane) {
    if (TReaderState::IsPane(pane) && layout_.LabelsUsed[pane] > 0)
        history_[pane].Push({shownBook_[pane], shownChapter_[pane], shownVerse_[pane]});
}

void TfMain::ShowPlaceOf(int pane, const PanePlace& place) {
    state_->SetActivePane(pane);
    state_->SetBookCode(place.book);
    state_->SetChapter(pane, place.chapter);
    state_->SetVerse(pane, place.verse);
    ShowActivePane();
}

void TfMain::PlaceBack(int pane) {
    if (TReaderState::IsPane(pane) && history_[pane].CanBack())
        ShowPlaceOf(
            pane, history_[pane].Back({shownBook_[pane], shownChapter_[pane], shownVerse_[pane]}));
}

void TfMain::PlaceForward(int pane) {
    if (TReaderState::IsPane(pane) && history_[pane].CanForward())
        ShowPlaceOf(pane, history_[pane].Forward(
                              {shownBook_[pane], shownChapter_[pane], shownVerse_[pane]}));
}

bool TfMain::PlaceByMouseOrKey(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button != Qt::BackButton && button != Qt::ForwardButton)
            return false;
        for (int p = 1; p <= PaneCount; ++p) {
            if (watched != ScrollBox(p)->viewport())
                continue;
            Guarded([&] { button == Qt::BackButton ? PlaceBack(p) : PlaceForward(p); });
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // In an edit Backspace deletes.
    if (key->key() != Qt::Key_Backspace || qobject_cast<QLineEdit*>(watched) ||
        qobject_cast<QLineEdit*>(focusWidget()))
        return false;
    const int p = PaneOfBox(watched) ? PaneOfBox(watched) : state_->ActivePane();
    Guarded([&] { key->modifiers() & Qt::ShiftModifier ? PlaceForward(p) : PlaceBack(p); });
    // A pane with the focus keeps it for the next step.
    if (PaneOfBox(watched))
        ScrollBox(p)->setFocus(Qt::OtherFocusReason);
    return true;
}

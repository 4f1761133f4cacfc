// The frame of the main window: size, activation, keys, menu commands and the end of the run.
#include "MainWindow.h"

#include "Application.h"
#include "DataModule.h"
#include "FlatPanel.h"
#include "KvEdit.h"
#include "Podsetnik.h"
#include "ScrollBox.h"
#include "ScrollKeys.h"
#include "Trazi.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QWindow>
#include <algorithm>
#include <cmath>

void TfMain::FormCreate() {
    state_->SetActivePane(1);
    const QSize screenSize = screen()->geometry().size();
    resize(screenSize.width() - 50, screenSize.height() - 120);
    move((screenSize.width() - width()) / 2, (screenSize.height() - height()) / 2);
    layout_.RightMargin = 20;
    // Filled again at every activation; filled here too so that a load before the first
    // activation finds the titles.
    catalogue_.FillBookCatalogue();
    for (int p = 1; p <= PaneCount; ++p) {
        BookLabel(p)->clear();
        connectedFile_[p] = QString::fromLatin1(DefaultTranslationFile);
        state_->SetTranslation(p, connectedFile_[p], QStringLiteral("Osnovnik"));
    }
    FormResize();
}

void TfMain::FormResize() {
    // A third each, but no pane narrower than its least width.
    const int side = std::max(static_cast<int>(std::lround((width() - 10) / 3.0)),
                              panes_[1].column->minimumWidth());
    const int rest = Splitters->width() - 2 * Splitters->handleWidth() - 2 * side;
    Splitters->setSizes({side, std::max(rest, 0), side});
}

void TfMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
    ApplyPendingPanes();
}

void TfMain::FormActivate() {
    catalogue_.FillBookCatalogue();
    ChapterEdit(state_->ActivePane())->setFocus();
}

namespace {

// The window's widget, found by the window's id: not by a walk over every widget.
const QWidget* TopLevelOf(const QWindow* window) {
    if (!window->handle())
        return nullptr;
    const QWidget* widget = QWidget::find(window->winId());
    return widget && widget->windowHandle() == window ? widget : nullptr;
}

// The message boxes and the common dialogs give the focus back where it was.
bool IsCommonDialog(const QWidget& window) {
    for (const char* name :
         {"QMessageBox", "QColorDialog", "QFileDialog", "QFontDialog", "QInputDialog",
          "QErrorMessage", "QAbstractPrintDialog", "QPageSetupDialog"})
        if (window.inherits(name))
            return true;
    return false;
}

} // namespace

void TfMain::FocusWindowChanged(QWindow* window) {
    // No window: another program is active; what was active before still counts.
    const QWidget* widget = window ? TopLevelOf(window) : nullptr;
    if (!widget || widget->windowType() == Qt::Popup || widget->windowType() == Qt::ToolTip)
        return;
    if (widget != this) {
        if (!fromOtherWindow_)
            focusAtLeave_ = focusWidget();
        fromOtherWindow_ = !IsCommonDialog(*widget);
        return;
    }
    // The first activation, or the return from another window of the program.
    const bool returning = activatedOnce_;
    const bool activate = !returning || fromOtherWindow_;
    activatedOnce_ = true;
    fromOtherWindow_ = false;
    if (!activate)
        return;
    // A control the user clicked to come back keeps the focus the click gave it.
    QWidget* clicked = returning && focusWidget() != focusAtLeave_ ? focusWidget() : nullptr;
    Guarded([this] { FormActivate(); });
    if (clicked && clicked->isVisible())
        clicked->setFocus(Qt::MouseFocusReason);
}

void TfMain::FormKeyDown(int& key) {
    switch (key) {
    case Qt::Key_F10:
        key = Qt::Key_Return;
        OpenSearch();
        break;
    case Qt::Key_F5:
        Podsetnik2Click();
        break;
    case Qt::Key_Menu: // the edits would open their own menu
        key = 0;
        OpenPaneMenuByKey();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
        ScrollByKey(key, ScrollBox(state_->ActivePane()));
        break;
    default:
        break;
    }
}

void TfMain::ScrollByKey(int key, QAbstractScrollArea* box) {
    if (box)
        ::ScrollByKey(key, *box);
}

void TfMain::WatchKeys(QWidget* widget) {
    widget->installEventFilter(this);
}

int TfMain::PaneOfBox(const QObject* object) const {
    for (int p = 1; p <= PaneCount; ++p)
        if (object && object == panes_[p].box)
            return p;
    return 0;
}

bool TfMain::IsPaneEdit(const QObject* object) const {
    for (int p = 1; p <= PaneCount; ++p)
        if (object == panes_[p].chapter || object == panes_[p].verse)
            return true;
    return false;
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    for (int p = 1; p <= PaneCount; ++p) {
        if (watched != panes_[p].bottom)
            continue;
        // A bottom panel is watched for its size only.
        if (!destroyed_ && event->type() == QEvent::Resize)
            PlaceBottomControls(p);
        return false;
    }
    // A pane the user gave the focus to becomes the active one.
    if (!destroyed_ && event->type() == QEvent::FocusIn && PaneOfBox(watched) &&
        QList{Qt::MouseFocusReason, Qt::TabFocusReason, Qt::BacktabFocusReason}.contains(
            static_cast<QFocusEvent*>(event)->reason()))
        SetActivePane(PaneOfBox(watched));
    if (!destroyed_ && (ZoomByWheel(watched, event) || PlaceByMouseOrKey(watched, event)))
        return true;
    // The Menu key reaches the window as a request for a context menu before the key itself:
    // the pane's menu, not the edit's own.
    if (!destroyed_ && event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        Guarded([this] { OpenPaneMenuByKey(); });
        return true;
    }
    if (destroyed_ || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    // The window sees every key first. A key that a control passed on to the window is not
    // seen twice.
    if (watched == this && focusWidget() && focusWidget() != this)
        return false;
    if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        // An edit with selected text copies that text; otherwise the chosen verse is copied.
        const auto* edit = qobject_cast<const QLineEdit*>(watched);
        if (!(edit && edit->hasSelectedText())) {
            Guarded([this] { CopyActiveVerse(); });
            return true;
        }
    }
    const int typed = static_cast<QKeyEvent*>(event)->key();
    int key = typed;
    QPointer<QObject> target = watched;
    try {
        FormKeyDown(key);
    } catch (const std::exception& error) {
        ReportError(error);
        return true;
    }
    if (target && IsPaneEdit(target))
        Guarded([&] { PokaziIzEdita(target, key); });
    // Enter ticks a link box as Space does.
    if (auto* link = qobject_cast<QCheckBox*>(target.data());
        link && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        link->toggle();
        return true;
    }
    // F10 became Enter: the control got its Enter above, F10 goes no further. A pane with
    // the focus was scrolled above, not once more by itself.
    return key != typed || (PaneOfBox(target) && IsNavigationKey(typed));
}

void TfMain::Pretraga1Click() {
    OpenSearch();
}

void TfMain::Podsetnik2Click() {
    if (!fPodsetnik_)
        return;
    fPodsetnik_->show();
    fPodsetnik_->raise();
    fPodsetnik_->activateWindow(); // the keys go to the list shown
}

void TfMain::Izlaz1Click() {
    close();
}

void TfMain::OpenSearch() {
    if (!fTrazi_)
        return;
    // The search proposes the translation the reader is reading.
    fTrazi_->ProposeTranslation(state_->Pane(state_->ActivePane()).file);
    if (fTrazi_->exec() == QDialog::Accepted)
        emit searchAccepted();
}

void TfMain::FormClose() {
    if (!baze_)
        return;
    for (Query* q : {&baze_->QueryTekst, &baze_->Query1, &baze_->Query2, &baze_->Query3})
        q->close();
}

void TfMain::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
    emit closed();
}

void TfMain::FormDestroy() {
    if (destroyed_)
        return;
    destroyed_ = true;
    disconnect(qApp, &QGuiApplication::focusWindowChanged, this, nullptr);
    layout_.CurrentLabel = nullptr;
    layout_.Labels.FreeAll();
    for (QAction*& item : bookItems_) {
        delete item;
        item = nullptr;
    }
}

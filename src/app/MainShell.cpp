// The frame of the main window: size, activation, keys, menu commands and the end of the run.
#include "Main.h"

#include "Application.h"
#include "DataModule.h"
#include "KvEdit.h"
#include "Podsetnik.h"
#include "ScrollBox.h"
#include "ScrollKeys.h"
#include "Trazi.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <cmath>

void TfMain::FormCreate() {
    ActivePane = 1;
    const QSize screenSize = screen()->geometry().size();
    resize(screenSize.width() - 50, screenSize.height() - 120);
    move((screenSize.width() - width()) / 2, (screenSize.height() - height()) / 2);
    SetStartValues();
    // Filled again at every activation; filled here too so that a load before the first
    // activation finds the titles.
    FillBookCatalogue();
    for (int p = 1; p <= PaneCount; ++p)
        BookLabel(p)->clear();
    FormResize();
}

void TfMain::FormResize() {
    const int side = static_cast<int>(std::lround((width() - 10) / 3.0));
    const int rest = Splitters->width() - 2 * Splitters->handleWidth() - 2 * side;
    Splitters->setSizes({side, std::max(rest, 0), side});
}

void TfMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfMain::FormActivate() {
    FillBookCatalogue();
    EditGlava1->setFocus();
}

void TfMain::FocusEntered(QWidget* old, QWidget* now) {
    // Activation by another of the program's windows, or the first one; not the return from a
    // message box or a common dialog, nor from another program.
    if (!now || now->window() != this || (old && old->window() == this))
        return;
    bool activate = !activatedOnce_;
    if (old) {
        const QWidget* from = old->window();
        activate = activate || !(from->inherits("QMessageBox") || from->inherits("QColorDialog") ||
                                 from->inherits("QFileDialog") || from->inherits("QFontDialog"));
    }
    activatedOnce_ = true;
    if (activate)
        Guarded([this] { FormActivate(); });
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
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
        ScrollByKey(key, SB1);
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

bool TfMain::IsPaneEdit(const QObject* object) const {
    for (int p = 1; p <= PaneCount; ++p)
        if (object == panes_[p].chapter || object == panes_[p].verse)
            return true;
    return false;
}

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    if (destroyed_ || event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    // The window sees every key first. A key that a control passed on to the window is not
    // seen twice.
    if (watched == this && focusWidget() && focusWidget() != this)
        return false;
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
    // F10 became Enter: the control got its Enter above, F10 goes no further.
    return key != typed;
}

void TfMain::Pretraga1Click() {
    OpenSearch();
}

void TfMain::Podsetnik2Click() {
    if (!fPodsetnik_)
        return;
    fPodsetnik_->show();
    fPodsetnik_->raise();
}

void TfMain::Izlaz1Click() {
    close();
}

void TfMain::OpenSearch() {
    if (!fTrazi_)
        return;
    if (fTrazi_->exec() == QDialog::Accepted) {
        if (ShowSearchResults)
            ShowSearchResults();
    } else if (baze_) {
        baze_->QueryRezultati.close();
    }
}

void TfMain::FormClose() {
    if (!baze_)
        return;
    for (Query* q : {&baze_->QueryTekst, &baze_->QueryRezultati, &baze_->Query1, &baze_->Query2,
                     &baze_->Query3})
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
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    CurrentLabel = nullptr;
    Labels.FreeAll();
    for (QAction*& item : BookItems) {
        delete item;
        item = nullptr;
    }
}

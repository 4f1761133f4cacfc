#include "ScrollBox.h"

#include "PopupMenu.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>

TScrollBox::TScrollBox(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(false);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setTracking(true);
    verticalScrollBar()->setSingleStep(15);
    horizontalScrollBar()->setSingleStep(15);
    QPalette bar = verticalScrollBar()->palette(); // a white vertical bar
    bar.setColor(QPalette::Window, Qt::white);
    bar.setColor(QPalette::Base, Qt::white);
    verticalScrollBar()->setPalette(bar);
    auto* inner = new QWidget;
    setWidget(inner);
    inner->setAutoFillBackground(false); // the view's colour shows through
    viewport()->setAutoFillBackground(true);
    setColor(clWhite);

    hint_ = new QLabel(viewport());
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont hintFont(QStringLiteral("Arial"));
    hintFont.setPixelSize(14);
    hint_->setFont(hintFont);
    hint_->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128)"));
    hint_->hide();
}

void TScrollBox::setEmptyHint(const QString& text) {
    hint_->setText(text);
}

void TScrollBox::showEmptyHint(bool shown) {
    hint_->setVisible(shown && !hint_->text().isEmpty());
    hint_->raise();
}

void TScrollBox::setColor(TColor c) {
    color_ = c;
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, ToQColor(c));
    pal.setColor(QPalette::Window, ToQColor(c));
    viewport()->setPalette(pal);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->update();
}

void TScrollBox::setContentSize(const QSize& size) {
    content_ = size;
    fitInnerWidget();
}

void TScrollBox::fitInnerWidget() {
    const QSize view = viewport()->size();
    const QSize inner(std::max(view.width(), content_.width()),
                      std::max(view.height(), content_.height()));
    widget()->resize(inner);
    for (QWidget* holder : holders_)
        holder->resize(inner);
    // A hidden box gets the inner widget's resize only when shown again: set the ranges now,
    // as the scroll area itself will.
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setRange(0, inner.height() - view.height());
    horizontalScrollBar()->setPageStep(view.width());
    horizontalScrollBar()->setRange(0, inner.width() - view.width());
}

QWidget* TScrollBox::LabelHolder(int k) {
    const size_t index = size_t(std::max(k - 1, 0) / LabelsPerHolder);
    while (holders_.size() <= index) {
        auto* holder = new QWidget(widget());
        holder->resize(widget()->size());
        holder->show();
        holders_.push_back(holder);
    }
    return holders_[index];
}

int TScrollBox::VertPosition() const {
    return verticalScrollBar()->value();
}
void TScrollBox::setVertPosition(int position) {
    verticalScrollBar()->setValue(position);
}
int TScrollBox::HorzPosition() const {
    return horizontalScrollBar()->value();
}
void TScrollBox::setHorzPosition(int position) {
    horizontalScrollBar()->setValue(position);
}

void TScrollBox::mousePressEvent(QMouseEvent* event) {
    // Labels take their own presses, so one that arrives here is on the empty box.
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    event->accept();
}

void TScrollBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       viewport()->rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void TScrollBox::contextMenuEvent(QContextMenuEvent* event) {
    if (!PopupMenu || PopupMenu->isEmpty()) {
        event->ignore();
        return;
    }
    PopupMenu->popupFor(this, event->globalPos());
    event->accept();
}

void TScrollBox::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    fitInnerWidget();
    hint_->setGeometry(viewport()->rect().adjusted(10, 0, -10, 0));
    if (event->oldSize().width() != event->size().width())
        emit widthChanged();
}

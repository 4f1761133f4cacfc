#include "ScrollBox.h"

#include "Look.h"
#include "PopupMenu.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <utility>

namespace {

// The part of a label holder that its shown labels take: from its first label rightwards, and
// the whole width from its second line down. Holders lie over each other, later ones on top;
// a point outside this part falls through to the holders beneath, so that a label of an
// earlier holder on the line where the next holder begins still takes its clicks.
QRegion LabelArea(const QWidget& holder) {
    const QRect bounds = holder.childrenRect();
    if (bounds.isEmpty())
        return {};
    QPoint first(INT_MAX, INT_MAX);
    for (const QObject* child : holder.children()) {
        const auto* label = qobject_cast<const QWidget*>(child);
        if (label && !label->isHidden() &&
            std::make_pair(label->y(), label->x()) < std::make_pair(first.y(), first.x()))
            first = label->pos();
    }
    int nextLine = INT_MAX;
    for (const QObject* child : holder.children()) {
        const auto* label = qobject_cast<const QWidget*>(child);
        if (label && !label->isHidden() && label->y() > first.y())
            nextLine = std::min(nextLine, label->y());
    }
    QRegion area(QRect(first, bounds.bottomRight()));
    if (nextLine != INT_MAX)
        area += QRect(QPoint(bounds.left(), nextLine), bounds.bottomRight());
    return area;
}

} // namespace

TScrollBox::TScrollBox(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(false);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setTracking(true);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TScrollBox::viewMoved);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TScrollBox::viewMoved);
    connect(this, &TScrollBox::viewMoved, this, &TScrollBox::showHoldersNearView);
    verticalScrollBar()->setSingleStep(15);
    horizontalScrollBar()->setSingleStep(15);
    auto* inner = new QWidget;
    setWidget(inner);
    inner->setAutoFillBackground(false); // the view's colour shows through
    viewport()->setAutoFillBackground(true);

    hint_ = new QLabel(viewport());
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont hintFont(QStringLiteral("Arial"));
    hintFont.setPixelSize(14);
    hint_->setFont(hintFont);
    hint_->hide();
    setColor(clWhite);
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
    const QColor shown = Background();
    QPalette pal = viewport()->palette();
    pal.setColor(QPalette::Base, shown);
    pal.setColor(QPalette::Window, shown);
    viewport()->setPalette(pal);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->update();
    // A white vertical bar, the palette's own on a dark palette.
    const QColor barColor = DesignedBackground(clWhite, QApplication::palette(), QPalette::Window);
    QPalette bar = verticalScrollBar()->palette();
    bar.setColor(QPalette::Window, barColor);
    bar.setColor(QPalette::Base, barColor);
    verticalScrollBar()->setPalette(bar);
    if (hint_) {
        // Grey, 6:1 on white, or its counterpart on another colour.
        QPalette hint = hint_->palette();
        hint.setColor(QPalette::WindowText, ReadableOn(QColor(96, 96, 96), shown, 6.0));
        hint_->setPalette(hint);
    }
}

void TScrollBox::setDesignColor(TColor c) {
    designColor_ = c;
    setColor(c);
}

QColor TScrollBox::Background() const {
    return color_ == designColor_
               ? DesignedBackground(color_, QApplication::palette(), QPalette::Base)
               : ToQColor(color_);
}

void TScrollBox::changeEvent(QEvent* event) {
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        setColor(color_);
}

void TScrollBox::setContentSize(const QSize& size) {
    // A new size means the labels were laid out again.
    content_ = size;
    holderBounds_.clear();
    fitInnerWidget();
    showHoldersNearView();
}

void TScrollBox::showHoldersNearView() {
    if (holders_.empty())
        return;
    if (holderBounds_.size() != holders_.size()) {
        holderBounds_.clear();
        for (QWidget* holder : holders_) {
            holderBounds_.push_back(holder->childrenRect());
            const QRegion area = LabelArea(*holder);
            if (area.isEmpty())
                holder->clearMask();
            else
                holder->setMask(area);
        }
    }
    const QRect near = NearView();
    for (size_t i = 0; i < holders_.size(); ++i) {
        const bool shown = holderBounds_[i].intersects(near);
        if (holders_[i]->isHidden() == shown)
            holders_[i]->setVisible(shown);
    }
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
        // Hidden until the layout ends (setContentSize): hiding a holder once its labels
        // are shown would cost a hide notice per label.
        auto* holder = new QWidget(widget());
        holder->resize(widget()->size());
        holder->hide();
        holders_.push_back(holder);
    }
    return holders_[index];
}

QRect TScrollBox::NearView() const {
    const QSize view = viewport()->size();
    return QRect(QPoint(HorzPosition(), VertPosition()), view)
        .adjusted(-view.width(), -view.height(), view.width(), view.height());
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
    emit viewMoved();
    hint_->setGeometry(viewport()->rect().adjusted(10, 0, -10, 0));
    if (event->oldSize().width() != event->size().width())
        emit widthChanged();
}

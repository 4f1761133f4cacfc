#include "LabelBlocks.h"

#include <QWidget>

TLabelBlocks::TLabelBlocks(QWidget* inner, int perBlock) : inner_(inner), per_(perBlock) {}

QWidget* TLabelBlocks::Block(int k) {
    const int b = (k - 1) / per_;
    while (blocks_.size() <= b) {
        auto* block = new QWidget(inner_);
        block->setObjectName(QStringLiteral("blok%1").arg(blocks_.size() + 1));
        block->setAttribute(Qt::WA_NoSystemBackground);
        // Hidden until ShowNear: hiding a block once its widgets are shown would cost a hide
        // notice for each of them.
        block->hide();
        blocks_ << block;
        tops_ << 0;
    }
    return blocks_[b];
}

void TLabelBlocks::Place(QWidget* widget, int k, int left, int top) {
    const int b = (k - 1) / per_;
    QWidget* block = Block(k);
    if (k == 1)
        right_ = 0;
    if ((k - 1) % per_ == 0) {
        tops_[b] = top;
        block->move(0, top);
    }
    widget->move(left, top - tops_[b]);
    right_ = qMax(right_, left + widget->width());
}

int TLabelBlocks::Finish(int used, int bottom) {
    if (used == 0)
        right_ = 0;
    inUse_ = (used + per_ - 1) / per_;
    const int width = qMax(right_, inner_->width());
    for (int b = 0; b < blocks_.size(); ++b) {
        if (b >= inUse_) {
            blocks_[b]->hide();
            continue;
        }
        const int end = b + 1 < inUse_ ? tops_[b + 1] : bottom;
        blocks_[b]->setGeometry(0, tops_[b], width, qMax(end - tops_[b], 0));
    }
    return right_;
}

void TLabelBlocks::ShowNear(const QRect& area) {
    for (int b = 0; b < qMin(inUse_, int(blocks_.size())); ++b) {
        const bool shown = blocks_[b]->geometry().intersects(area);
        if (blocks_[b]->isHidden() == shown)
            blocks_[b]->setVisible(shown);
    }
}

QPoint TLabelBlocks::PosOnInner(const QWidget* widget) const {
    return widget->mapTo(inner_, QPoint(0, 0));
}

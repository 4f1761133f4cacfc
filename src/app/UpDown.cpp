#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    up_ = new QToolButton(this);
    down_ = new QToolButton(this);
    for (QToolButton* b : {up_, down_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
        b->setIconSize(QSize(7, 7));
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { Click(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Click(-1); });
    resize(15, 24);
}

void TUpDown::Click(int step) {
    int position = Position;
    if (associate_) {
        bool ok = false;
        const int shown = associate_->text().trimmed().toInt(&ok);
        if (ok)
            position = shown;
    }
    position = std::clamp(position, Min, Max) + step;
    if (position > Max)
        position = Wrap ? Min : Max;
    else if (position < Min)
        position = Wrap ? Max : Min;
    Position = position;
    if (associate_ && associate_->text() != QString::number(position))
        associate_->setText(QString::number(position));
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

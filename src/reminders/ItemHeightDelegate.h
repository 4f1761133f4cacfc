#pragma once

#include <QStyledItemDelegate>

// Gives every item of a list the same height in pixels.
class ItemHeightDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ItemHeightDelegate(int height, QObject* parent)
        : QStyledItemDelegate(parent), height_(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

#pragma once

#include <QPoint>
#include <QRect>
#include <QVector>

class QWidget;

// Numbered widgets laid out top to bottom on a scroll box's inner widget, kept in blocks: plain
// child widgets of the inner widget that hold a fixed number of them each. Painting, showing
// and hiding then look only at the blocks and at the widgets of the blocks in view, instead of
// at every widget of a long list.
class TLabelBlocks {
public:
    TLabelBlocks(QWidget* inner, int perBlock);
    TLabelBlocks(const TLabelBlocks&) = delete;
    TLabelBlocks& operator=(const TLabelBlocks&) = delete;

    // The block of widget number k (from 1), created when missing.
    QWidget* Block(int k);
    // Places widget number k, a child of its block, at (left, top) of the inner widget. The
    // widgets of a layout are placed in their order, each below the one before.
    void Place(QWidget* widget, int k, int left, int top);
    // Ends a layout of widgets 1..used whose content ends at bottom: fits the blocks in use to
    // their widgets and hides the others. Returns the width the content needs.
    int Finish(int used, int bottom);
    // Shows the blocks in use that meet the area of the inner widget, hides the rest: a long
    // list shows only the widgets near the view. Blocks start hidden.
    void ShowNear(const QRect& area);

    // Where a widget of a block stands on the inner widget.
    QPoint PosOnInner(const QWidget* widget) const;
    int Count() const { return int(blocks_.size()); }
    int PerBlock() const { return per_; }

private:
    QWidget* inner_;
    int per_;
    QVector<QWidget*> blocks_;
    QVector<int> tops_;
    int inUse_ = 0;
    int right_ = 0;
};

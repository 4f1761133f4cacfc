#pragma once

#include "Colors.h"
#include "Kvlabel.h"

#include <QScrollArea>
#include <vector>

class QLabel;
class TPopupMenu;

// A reading pane's scroll box. Labels are placed on its inner widget (widget()); the inner
// widget covers the content size given by the layout and at least the view.
class TScrollBox : public QScrollArea, public TKvlabelListener {
    Q_OBJECT
public:
    explicit TScrollBox(QWidget* parent = nullptr);

    // The labels placed in the box tell it of their clicks and tooltip wishes (Listener).
    void OnLabelClick(TKvlabel* label) override { emit labelClicked(label); }
    void OnLabelToolTip(TKvlabel* label) override { emit labelToolTip(label); }

    // The pane the box shows: 1, 2 or 3.
    int Tag = 0;
    TPopupMenu* PopupMenu = nullptr;

    // The colour chosen for the box; the box shows it (Background()), save that its design
    // colour gives way to the palette's base on a dark palette.
    TColor Color() const { return color_; }
    void setColor(TColor c);
    void setDesignColor(TColor c);
    QColor Background() const;

    // The area the placed labels need; the scroll ranges follow at once, also while hidden.
    void setContentSize(const QSize& size);
    QSize contentSize() const { return content_; }

    // A short text in the middle of the box while it shows nothing.
    void setEmptyHint(const QString& text);
    void showEmptyHint(bool shown);
    QLabel* EmptyHint() const { return hint_; }
    // The widget that holds label number k (from 1) of the pane. Labels go into holders of
    // LabelsPerHolder, each as large as the inner widget, so that no widget has so many
    // children that showing and painting them slows down with their square. Only holders
    // with labels near the view are shown: a chapter of many thousands of labels shows
    // (and makes known to screen readers) those the reader can scroll to at once.
    QWidget* LabelHolder(int k);
    static constexpr int LabelsPerHolder = 100;

    // The part of the inner widget in view, with a view's size around it: what is placed
    // there is shown, what lies beyond may stay hidden until the view moves (viewMoved).
    QRect NearView() const;

    int VertPosition() const;
    void setVertPosition(int position); // kept within the range
    int HorzPosition() const;
    void setHorzPosition(int position);

signals:
    // A left click on the empty box, not on a label.
    void clicked();
    // A left click on a clickable label the layout placed in the box.
    void labelClicked(TKvlabel* label);
    void labelToolTip(TKvlabel* label);
    // The box's width changed: what is laid out in it may need laying out again.
    void widthChanged();
    // The view scrolled or changed its size.
    void viewMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitInnerWidget();
    // Shows the holders whose labels lie within a view's height of the view, hides the rest.
    void showHoldersNearView();

    std::vector<QWidget*> holders_;   // children of the inner widget
    std::vector<QRect> holderBounds_; // of each holder's shown labels; empty when stale
    TColor color_ = clWhite;
    TColor designColor_ = clWhite;
    QSize content_;
    bool pressed_ = false;
    QLabel* hint_ = nullptr;
};

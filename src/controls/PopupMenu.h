#pragma once

#include "HoverReset.h"

#include <QMenu>
#include <QPointer>

// A popup menu that remembers the component it was opened on, for the handlers that ask
// which pane or label it belongs to. Labels left behind by a closing menu lose their
// pointer-over colours.
class TPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TPopupMenu(QWidget* parent = nullptr) : QMenu(parent) { ResetHoverWhenHidden(this); }

    QWidget* PopupComponent() const { return component_; }
    void setPopupComponent(QWidget* component) { component_ = component; }
    // Opens the menu for a component at a global position (not blocking).
    void popupFor(QWidget* component, const QPoint& globalPos) {
        component_ = component;
        popup(globalPos);
    }

private:
    QPointer<QWidget> component_;
};

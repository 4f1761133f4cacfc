#pragma once

#include <QMenu>
#include <QPointer>

// A popup menu that remembers the component it was opened on, for the handlers that ask
// which pane or label it belongs to.
class TPopupMenu : public QMenu {
    Q_OBJECT
public:
    using QMenu::QMenu;

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

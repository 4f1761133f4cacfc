#include "HoverReset.h"

#include "Kvlabel.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>

void ResetHoverOfLabels() {
    const QPoint pointer = QCursor::pos();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (TKvlabel* label : window->findChildren<TKvlabel*>()) {
            if (!label->IsHovered())
                continue;
            const bool under =
                label->isVisible() && label->rect().contains(label->mapFromGlobal(pointer));
            if (!under)
                label->MouseLeave();
        }
    }
}

void ResetHoverWhenHidden(QMenu* menu) {
    QObject::connect(menu, &QMenu::aboutToHide, menu, [] { ResetHoverOfLabels(); });
}

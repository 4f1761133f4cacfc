#include "ScrollKeys.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace {

constexpr int LineStep = 15;
constexpr int PageOverlap = 50;

} // namespace

bool ScrollByKey(int key, QAbstractScrollArea& box) {
    QScrollBar* v = box.verticalScrollBar();
    QScrollBar* h = box.horizontalScrollBar();
    switch (key) {
    case Qt::Key_Up:
        v->setValue(v->value() - LineStep);
        return true;
    case Qt::Key_Down:
        v->setValue(v->value() + LineStep);
        return true;
    case Qt::Key_End:
        v->setValue(v->value() + v->maximum() + v->pageStep());
        return true;
    case Qt::Key_Home:
        v->setValue(1);
        return true;
    case Qt::Key_PageUp:
        v->setValue(v->value() - box.height() + PageOverlap);
        return true;
    case Qt::Key_PageDown:
        v->setValue(v->value() + box.height() - PageOverlap);
        return true;
    case Qt::Key_Left:
        h->setValue(h->value() - LineStep);
        return true;
    case Qt::Key_Right:
        h->setValue(h->value() + LineStep);
        return true;
    default:
        return false;
    }
}

bool IsNavigationKey(int key) {
    for (int k : {Qt::Key_Up, Qt::Key_Down, Qt::Key_End, Qt::Key_Home, Qt::Key_PageUp,
                  Qt::Key_PageDown, Qt::Key_Left, Qt::Key_Right})
        if (key == k)
            return true;
    return false;
}

#pragma once

#include <QAccessibleWidget>

class QWidget;

// Read-only accessible text over whatever text() of a widget's interface gives: screen readers
// read it by characters, words and lines.
class TReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    TReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role);

    void* interface_cast(QAccessible::InterfaceType type) override;
    // The whole text the interface reads.
    virtual QString FullText() const = 0;

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override;
    using QAccessibleWidget::text;
    int characterCount() const override { return int(FullText().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override;
};

// Makes verse, reference and result labels readable: a label's text is its name and its
// accessible text; a reference and a result heading are links; the drawn buttons are buttons.
// Installed once.
void InstallLabelAccessibility();

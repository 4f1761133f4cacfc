#include "ResultsAccessible.h"

#include "RezultatiTrazenja.h"
#include "ScrollBox.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <unordered_map>

namespace {

// One row of the list: a list item whose name reads the whole result.
class TResultRowAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TResultRowAccessible(TfRezultatiTrazenja* window, int row, int fill)
        : window_(window), row_(row), fill_(fill) {}

    bool isValid() const override {
        return window_ && window_->FillNumber() == fill_ && row_ < window_->Rows().Count();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return window_ ? window_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return window_ ? QAccessible::queryAccessibleInterface(window_->ResultsBox()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? window_->RowReading(row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect band = window_->RowBand(row_);
        QWidget* inner = window_->ResultsBox()->widget();
        return QRect(inner->mapToGlobal(band.topLeft()), band.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QWidget* viewport = window_->ResultsBox()->viewport();
        const QPoint inner = window_->ResultsBox()->widget()->mapTo(viewport, QPoint());
        s.offscreen = !viewport->rect().intersects(window_->RowBand(row_).translated(inner));
        s.invisible = !window_->isVisible();
        s.selected = row_ == window_->TopRow();
        s.focused = s.selected && window_->ResultsBox()->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction() && isValid())
            window_->OpenRow(row_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    int Row() const { return row_; }

private:
    QPointer<TfRezultatiTrazenja> window_;
    int row_;
    int fill_;
};

// The list: its children are the rows, made as they are asked for.
class TResultsAccessible : public QAccessibleWidget {
public:
    explicit TResultsAccessible(TfRezultatiTrazenja* window)
        : QAccessibleWidget(window->ResultsBox(), QAccessible::List), window_(window) {}
    ~TResultsAccessible() override { Drop(); }

    int childCount() const override { return window_ ? window_->Rows().Count() : 0; }
    QAccessibleInterface* child(int index) const override {
        if (!window_ || index < 0 || index >= childCount())
            return nullptr;
        if (window_->FillNumber() != fill_) {
            Drop();
            fill_ = window_->FillNumber();
        }
        auto found = rows_.find(index);
        if (found != rows_.end())
            return QAccessible::accessibleInterface(found->second);
        auto* row = new TResultRowAccessible(window_, index, fill_);
        rows_[index] = QAccessible::registerAccessibleInterface(row);
        return row;
    }
    QAccessibleInterface* focusChild() const override {
        return window_ && window_->ResultsBox()->hasFocus() ? child(window_->TopRow()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* row = dynamic_cast<const TResultRowAccessible*>(child);
        return row && row->isValid() ? row->Row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!window_)
            return nullptr;
        const QPoint at = window_->ResultsBox()->widget()->mapFromGlobal(QPoint(x, y));
        return child(window_->RowAt(at));
    }

private:
    void Drop() const {
        for (const auto& [index, id] : rows_)
            QAccessible::deleteAccessibleInterface(id);
        rows_.clear();
    }

    QPointer<TfRezultatiTrazenja> window_;
    mutable std::unordered_map<int, QAccessible::Id> rows_;
    mutable int fill_ = -1;
};

QAccessibleInterface* ResultsFactory(const QString&, QObject* object) {
    // A window of its own, as the main window and the dialogs are.
    if (auto* window = qobject_cast<TfRezultatiTrazenja*>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    auto* box = qobject_cast<TScrollBox*>(object);
    auto* window = box ? qobject_cast<TfRezultatiTrazenja*>(box->parentWidget()) : nullptr;
    return window && window->ResultsBox() == box ? new TResultsAccessible(window) : nullptr;
}

} // namespace

void InstallResultsAccessibility() {
    static bool installed = false;
    // Asked before the pane's factory, which is installed first.
    if (!installed)
        QAccessible::installFactory(ResultsFactory);
    installed = true;
}

void AnnounceTopResult(TfRezultatiTrazenja& window, int row) {
    if (!QAccessible::isActive() || !window.ResultsBox()->hasFocus() || row < 0)
        return;
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window.ResultsBox());
    if (QAccessibleInterface* item = list ? list->child(row) : nullptr) {
        QAccessibleEvent event(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

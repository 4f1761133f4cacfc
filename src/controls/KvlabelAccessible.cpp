#include "KvlabelAccessible.h"

#include "KvTranBtn.h"
#include "Kvlabel.h"

#include <QAbstractScrollArea>
#include <algorithm>

TReadOnlyTextAccessible::TReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

void* TReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TReadOnlyTextAccessible::text(int start, int end) const {
    const QString all = FullText();
    if (end < 0 || end > all.size())
        end = int(all.size());
    start = std::clamp(start, 0, end);
    return all.mid(start, end - start);
}

QString TReadOnlyTextAccessible::attributes(int offset, int* start, int* end) const {
    *start = offset;
    *end = offset;
    return {};
}

namespace {

class TKvlabelAccessible : public TReadOnlyTextAccessible {
public:
    explicit TKvlabelAccessible(TKvlabel* label)
        : TReadOnlyTextAccessible(label, QAccessible::StaticText) {}

    const TKvlabel* Label() const { return static_cast<const TKvlabel*>(widget()); }
    // A label is made before it is dressed: its kind is read when asked. A verse is a
    // paragraph even where a click chooses it.
    QAccessible::Role role() const override {
        if (Label()->Vrsta() == Tekst1)
            return QAccessible::Paragraph;
        return Label()->Clickable() ? QAccessible::Link : QAccessible::StaticText;
    }
    QString FullText() const override { return StripAccelerators(Label()->Tekst()); }
    using TReadOnlyTextAccessible::text;
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        // A reference is drawn with the comma that parts it from the next; it is not read.
        QString name = FullText();
        if (Label()->Vrsta() == Pok1 && name.endsWith(QLatin1Char(',')))
            name.chop(1);
        return name;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // The chosen verse is the verse drawn on its own background; it has the focus while
        // its pane has the keys.
        s.selected = Label()->Vrsta() == Tekst1 && !Label()->isTransparent();
        s.selectable = true;
        s.focusable = Label()->Vrsta() == Tekst1;
        const QWidget* pane = widget();
        while (pane && !qobject_cast<const QAbstractScrollArea*>(pane))
            pane = pane->parentWidget();
        s.focused = s.selected && pane && pane->hasFocus();
        return s;
    }
};

QAccessibleInterface* LabelFactory(const QString&, QObject* object) {
    if (auto* label = qobject_cast<TKvlabel*>(object))
        return new TKvlabelAccessible(label);
    // The drawn buttons are buttons to a screen reader.
    if (auto* button = qobject_cast<TMKvTranBtn*>(object))
        return new QAccessibleWidget(button, QAccessible::Button);
    return nullptr;
}

} // namespace

void InstallLabelAccessibility() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(LabelFactory);
    installed = true;
}

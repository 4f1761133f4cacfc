#include "PaneAccessible.h"

#include "Kvlabel.h"
#include "KvlabelAccessible.h"
#include "ScrollBox.h"

#include <algorithm>

QString PaneText(const TScrollBox& box) {
    QWidget* inner = box.widget();
    if (!inner)
        return {};
    QList<const TKvlabel*> labels;
    for (const TKvlabel* label : inner->findChildren<const TKvlabel*>())
        if (!label->isHidden() && !label->Tekst().isEmpty())
            labels << label;
    auto at = [inner](const TKvlabel* label) { return label->mapTo(inner, QPoint()); };
    std::sort(labels.begin(), labels.end(), [&](const TKvlabel* a, const TKvlabel* b) {
        const QPoint pa = at(a), pb = at(b);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    QStringList lines;
    QStringList refs;
    auto endRefs = [&] {
        if (!refs.isEmpty())
            lines << QStringLiteral("Upućivanja: ") + refs.join(QLatin1Char(' '));
        refs.clear();
    };
    for (const TKvlabel* label : labels) {
        const QString text = StripAccelerators(label->Tekst());
        if (label->Vrsta() == Pok1) {
            refs << text;
            continue;
        }
        endRefs();
        lines << text;
    }
    endRefs();
    return lines.join(QLatin1Char('\n'));
}

namespace {

class TPaneAccessible : public TReadOnlyTextAccessible {
public:
    explicit TPaneAccessible(TScrollBox* box)
        : TReadOnlyTextAccessible(box, QAccessible::Document) {}
    QString FullText() const override {
        return PaneText(*static_cast<const TScrollBox*>(widget()));
    }
};

QAccessibleInterface* PaneFactory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<TScrollBox*>(object))
        return new TPaneAccessible(box);
    return nullptr;
}

} // namespace

void InstallPaneAccessibility() {
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(PaneFactory);
    installed = true;
    InstallLabelAccessibility();
}
